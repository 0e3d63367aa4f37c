#include "policy/RatioBandService.h"

#include "data/Database.h"
#include "policy/PolicyTableEdit.h"

namespace {
const QString InsertFailed = QStringLiteral("插入数据出现错误，具体错误代码为：");
const QString DeleteFailed = QStringLiteral("删除出现错误，具体错误代码为：");
const QString BadRatio = QStringLiteral("报销比例必须是0到1之间的小数，例如0.85");
const QString BadBound = QStringLiteral("医疗费用必须是不超过8位的整数");
} // namespace

QStringList RatioBandService::expenseTypes()
{
    QStringList types;
    try {
        QSqlQuery q = OpenQuerySql(QStringLiteral("select fylx from fylx order by bh"));
        while (q.next())
            types << q.value(0).toString();
    } catch (const DatabaseError&) {
    }
    return types;
}

QString RatioBandService::listSql()
{
    return QStringLiteral("select fylx, zfje, zfbl from bxbl");
}

ServiceOutcome RatioBandService::add(const QString& expenseType, const QString& bound,
                                     const QString& ratio)
{
    if (bound.isEmpty())
        return ServiceOutcome::refused(QStringLiteral("医疗费用不能为空，请输入"), BoundField);
    if (ratio.isEmpty())
        return ServiceOutcome::refused(QStringLiteral("报销比例不能为空，请输入"), RatioField);
    const auto upper = PolicyTableEdit::wholeNumber(bound, 8);
    if (!upper)
        return ServiceOutcome::refused(BadBound, BoundField);
    const QString type = expenseType.trimmed();
    try {
        if (QueryScalar(QStringLiteral("select count(*) from bxbl where fylx = ? and zfje = ?"),
                        {type, *upper})
                .toInt() > 0)
            return ServiceOutcome::refused(QStringLiteral("已存在此种报销类型，请检查"));
    } catch (const DatabaseError& e) {
        return ServiceOutcome::failed(InsertFailed + e.text());
    }
    const auto r = PolicyTableEdit::ratio(ratio);
    if (!r)
        return ServiceOutcome::failed(InsertFailed + BadRatio);
    auto outcome = PolicyTableEdit::runChange(
        QStringLiteral("insert into bxbl (fylx, zfje, zfbl) values (?, ?, ?)"), {type, *upper, *r},
        InsertFailed);
    if (outcome.ok)
        outcome = ServiceOutcome::doneWithInfo(QStringLiteral("报销比例设置成功"));
    return outcome;
}

ServiceOutcome RatioBandService::remove(const QString& expenseType, int bound)
{
    auto outcome =
        PolicyTableEdit::runChange(QStringLiteral("delete from bxbl where fylx = ? and zfje = ?"),
                                   {expenseType.trimmed(), bound}, DeleteFailed);
    if (outcome.ok)
        outcome = ServiceOutcome::doneWithInfo(QStringLiteral("报销比例删除成功"));
    return outcome;
}

ServiceOutcome RatioBandService::update(const QString& expenseType, int oldBound,
                                        const QString& bound, const QString& ratio)
{
    const auto upper = PolicyTableEdit::wholeNumber(bound, 8);
    const auto r = PolicyTableEdit::ratio(ratio);
    if (!upper || !r)
        return ServiceOutcome::failed(QStringLiteral("保存失败，请检查输入的参数"),
                                      QStringLiteral("错误信息"), PromptIcon::Error);
    return PolicyTableEdit::runChange(
        QStringLiteral("update bxbl set zfje = ?, zfbl = ? where fylx = ? and zfje = ?"),
        {*upper, *r, expenseType.trimmed(), oldBound}, QStringLiteral("保存失败："));
}
