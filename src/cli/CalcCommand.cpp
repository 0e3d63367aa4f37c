#include "cli/CliCommand.h"
#include "data/Database.h"
#include "policy/ClaimPolicyLoader.h"
#include "policy/YearParameterService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
const char* const Usage =
    "calc --type T --claim B0 [--previous A0] [--limit L] [--deductible D] [--band U:r ...]   "
    "calculate a claim under the current year's policy; each option replaces the stored value";

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Full precision, so the result can be compared with the rounded amounts of a voucher.
QString jsonNumber(double v)
{
    return v == 0.0 ? QStringLiteral("0") : QString::number(v, 'g', 17);
}

QString jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

struct Options
{
    QString type;
    std::optional<double> claim;
    double previous = 0;
    std::optional<double> limit;
    std::optional<double> deductible;
    QList<RatioBand> bands;
};

// Parses the arguments; a message for the first bad one.
std::optional<Options> parse(const QStringList& args, QString* why)
{
    Options o;
    auto fail = [&](const QString& text) {
        *why = text;
        return std::nullopt;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString& opt = args.at(i);
        if (i + 1 >= args.size())
            return fail(QStringLiteral("calc: %1 needs a value").arg(opt));
        const QString value = args.at(++i);
        if (opt == QLatin1String("--type")) {
            o.type = value.trimmed();
            continue;
        }
        if (opt == QLatin1String("--band")) {
            const QStringList parts = value.split(QLatin1Char(':'));
            const auto bound = parts.size() == 2 ? number(parts.at(0)) : std::nullopt;
            const auto ratio = parts.size() == 2 ? number(parts.at(1)) : std::nullopt;
            if (!bound || !ratio)
                return fail(QStringLiteral("calc: --band expects BOUND:RATIO with two numbers, "
                                           "for example 5000:0.8, got '%1'")
                                .arg(value));
            o.bands.append({*bound, *ratio});
            continue;
        }
        const auto v = number(value);
        std::optional<double>* target = nullptr;
        if (opt == QLatin1String("--claim"))
            target = &o.claim;
        else if (opt == QLatin1String("--limit"))
            target = &o.limit;
        else if (opt == QLatin1String("--deductible"))
            target = &o.deductible;
        else if (opt != QLatin1String("--previous"))
            return fail(QStringLiteral("calc: unknown option %1").arg(opt));
        if (!v)
            return fail(QStringLiteral("calc: %1 expects a number, got '%2'").arg(opt, value));
        if (target)
            *target = v;
        else
            o.previous = *v;
    }
    if (o.type.isEmpty() || !o.claim)
        return fail(QStringLiteral("calc: --type and --claim are required"));
    std::stable_sort(o.bands.begin(), o.bands.end(),
                     [](const RatioBand& a, const RatioBand& b) { return a.bound < b.bound; });
    return o;
}

int runCalc(const QStringList& args)
{
    QString why;
    const auto o = parse(args, &why);
    if (!o)
        return CliCommand::usageError(why, Usage);
    if (!CliCommand::openDatabase())
        return 1;
    ClaimInput in;
    in.expenseType = o->type;
    in.claim = *o->claim;
    in.previous = o->previous;
    try {
        in.policy = LoadClaimPolicy(o->type, YearParameterService::currentYear());
    } catch (const DatabaseError& e) {
        CliCommand::error(QStringLiteral("calc: cannot read the policy: %1").arg(e.text()));
        Database::close();
        return 1;
    }
    Database::close();
    if (o->limit)
        in.policy.limit = *o->limit;
    if (o->deductible)
        in.policy.deductible = o->deductible;
    if (!o->bands.isEmpty())
        in.policy.bands = o->bands;

    const ClaimResult r = calcBxje(in);
    CliCommand::out(QStringLiteral("{\"reimbursed\": %1, \"self_paid\": %2, \"message\": %3}")
                        .arg(jsonNumber(r.reimbursed), jsonNumber(r.selfPaid),
                             r.message ? jsonString(*r.message) : QStringLiteral("null")));
    return 0;
}

const CliCommand::Registrar calcCommand{"calc", Usage, runCalc};
} // namespace
