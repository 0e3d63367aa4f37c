#include "policy/YearParameterService.h"

#include "data/Database.h"
#include "data/OperationLog.h"

#include <QRegularExpression>
#include <optional>

namespace {
ServiceOutcome saveError()
{
    return ServiceOutcome::failed(QStringLiteral("保存失败，请检查输入的参数"),
                                  QStringLiteral("错误信息"), PromptIcon::Error);
}

std::optional<ServiceOutcome> refuseEmpty(const YearParameterService::Entry& e, bool checkYear)
{
    using namespace YearParameterService;
    if (checkYear && e.year.trimmed().isEmpty())
        return ServiceOutcome::refused(QStringLiteral("年度不能为空，请重新输入"), YearField);
    if (e.outpatient.trimmed().isEmpty())
        return ServiceOutcome::refused(QStringLiteral("门诊支付限额不能为空，请重新输入"),
                                       OutpatientField);
    if (e.general.trimmed().isEmpty())
        return ServiceOutcome::refused(QStringLiteral("住院支付限额不能为空，请重新输入"),
                                       GeneralField);
    return std::nullopt;
}

// An amount as the dialog lets it be typed: digits and a decimal point, at most six characters.
std::optional<double> amountValue(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (t.size() > 6 || !re.match(t).hasMatch())
        return std::nullopt;
    return t.toDouble();
}

std::optional<double> ratioValue(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto v = amountValue(text);
    if (!v || *v > 1.0)
        return std::nullopt;
    return v;
}

std::optional<int> yearValue(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\d{1,4}$"));
    const QString t = text.trimmed();
    if (!re.match(t).hasMatch())
        return std::nullopt;
    return t.toInt();
}

struct Values
{
    int year;
    double outpatient;
    double general;
    double ratio;
};

std::optional<Values> parse(const YearParameterService::Entry& e)
{
    const auto year = yearValue(e.year);
    const auto outpatient = amountValue(e.outpatient);
    const auto general = amountValue(e.general);
    const auto ratio = ratioValue(e.ratio);
    if (!year || !outpatient || !general || !ratio)
        return std::nullopt;
    return Values{*year, *outpatient, *general, *ratio};
}
} // namespace

QString YearParameterService::currentYear()
{
    try {
        QSqlQuery q = OpenQuerySql(QStringLiteral("select xtnd from gdxtcs"));
        return q.next() ? q.value(0).toString() : QString();
    } catch (const DatabaseError&) {
        return {};
    }
}

QString YearParameterService::listSql()
{
    return QStringLiteral("select xtnd, mzzfxe, zyzfxe, mzbl from ndxtcs");
}

namespace {
// Validates, stores one row change in a transaction (exactly one row must change) and logs.
ServiceOutcome store(const YearParameterService::Entry& e, bool adding)
{
    if (auto refusal = refuseEmpty(e, adding))
        return *refusal;
    const auto v = parse(e);
    if (!v)
        return saveError();
    try {
        Transaction t;
        const int changed =
            adding ? RunScratchSql(QStringLiteral("insert into ndxtcs (xtnd, mzzfxe, zyzfxe, mzbl) "
                                                  "values (?, ?, ?, ?)"),
                                   {v->year, v->outpatient, v->general, v->ratio})
                   : RunScratchSql(QStringLiteral("update ndxtcs set mzzfxe = ?, zyzfxe = ?, "
                                                  "mzbl = ? where xtnd = ?"),
                                   {v->outpatient, v->general, v->ratio, v->year});
        if (changed != 1)
            return saveError();
        t.commit();
    } catch (const DatabaseError&) {
        return saveError();
    }
    WriteOperationLog(
        (adding ? QStringLiteral("添加年度系统：") : QStringLiteral("修改年度系统：")) +
        QString::number(v->year));
    return ServiceOutcome::done();
}
} // namespace

ServiceOutcome YearParameterService::add(const Entry& e)
{
    return store(e, true);
}

ServiceOutcome YearParameterService::modify(const Entry& e)
{
    return store(e, false);
}
