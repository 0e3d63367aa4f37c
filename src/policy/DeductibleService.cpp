#include "policy/DeductibleService.h"

#include "data/Database.h"
#include "policy/PolicyTableEdit.h"

namespace {
const QString InsertFailed = QStringLiteral("插入数据出现错误，具体错误代码为：");
const QString DeleteFailed = QStringLiteral("删除出现错误，具体错误代码为：");
// The deductible edit takes digits and a point; the column holds whole amounts.
const QString NotWhole = QStringLiteral("起付标准必须是不超过8位的整数");
} // namespace

QStringList DeductibleService::expenseTypes()
{
    return {QStringLiteral("门诊"), QStringLiteral("住院")};
}

QString DeductibleService::listSql()
{
    return QStringLiteral("select bh, fylx, qfbz from qfbz");
}

ServiceOutcome DeductibleService::add(const QString& expenseType, const QString& amount)
{
    if (amount.isEmpty())
        return ServiceOutcome::refused(QStringLiteral("起付标准不能为空，请输入"), AmountField);
    const QString type = expenseType.trimmed();
    try {
        if (QueryScalar(QStringLiteral("select count(*) from qfbz where fylx = ?"), {type})
                .toInt() > 0)
            return ServiceOutcome::refused(QStringLiteral("已存在此种起付标准类型，请检查"));
    } catch (const DatabaseError& e) {
        return ServiceOutcome::failed(InsertFailed + e.text());
    }
    const auto value = PolicyTableEdit::wholeNumber(amount, 8);
    if (!value)
        return ServiceOutcome::failed(InsertFailed + NotWhole);
    return PolicyTableEdit::runChange(QStringLiteral("insert into qfbz (fylx, qfbz) values (?, ?)"),
                                      {type, *value}, InsertFailed);
}

ServiceOutcome DeductibleService::remove(const QString& expenseType)
{
    auto outcome = PolicyTableEdit::runChange(QStringLiteral("delete from qfbz where fylx = ?"),
                                              {expenseType.trimmed()}, DeleteFailed);
    if (outcome.ok)
        outcome = ServiceOutcome::doneWithInfo(QStringLiteral("起付标准类型删除成功"));
    return outcome;
}

ServiceOutcome DeductibleService::update(int bh, const QString& amount)
{
    const auto value = PolicyTableEdit::wholeNumber(amount, 4);
    if (!value)
        return ServiceOutcome::failed(QStringLiteral("保存失败，请检查输入的参数"),
                                      QStringLiteral("错误信息"), PromptIcon::Error);
    return PolicyTableEdit::runChange(QStringLiteral("update qfbz set qfbz = ? where bh = ?"),
                                      {*value, bh}, QStringLiteral("保存失败："));
}
