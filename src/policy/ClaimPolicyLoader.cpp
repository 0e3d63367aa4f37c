#include "policy/ClaimPolicyLoader.h"

#include "app/OperatorContext.h"
#include "data/Database.h"

namespace {
double limitOf(const QString& type, const QString& year)
{
    QString column;
    if (type == QStringLiteral("门诊"))
        column = QStringLiteral("mzzfxe");
    else if (type == QStringLiteral("住院"))
        column = QStringLiteral("zyzfxe");
    else
        return 0;
    bool ok = false;
    const int y = year.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    // The column name is one of the two fixed identifiers above.
    QSqlQuery q =
        OpenQuerySql(QStringLiteral("select %1 from ndxtcs where xtnd = ?").arg(column), {y});
    return q.next() ? q.value(0).toDouble() : 0;
}
} // namespace

ClaimPolicy LoadClaimPolicy(const QString& expenseType, const QString& year)
{
    const QString type = expenseType.trimmed();
    ClaimPolicy p;
    p.limit = limitOf(type, year);
    {
        QSqlQuery q = OpenQuerySql(
            QStringLiteral("select qfbz from qfbz where fylx = ? order by bh"), {type});
        if (q.next())
            p.deductible = q.value(0).toDouble();
    }
    QSqlQuery q = OpenQuerySql(QStringLiteral("select zfje, zfbl from bxbl where fylx = ? "
                                              "order by coalesce(zfje, 0), zfbl"),
                               {type});
    while (q.next())
        p.bands.append({q.value(0).toDouble(), q.value(1).toDouble()});
    return p;
}

ClaimResult calcBxje(const QString& expenseType, double claim, double previous)
{
    ClaimInput in;
    in.expenseType = expenseType.trimmed();
    in.claim = claim;
    in.previous = previous;
    in.policy = LoadClaimPolicy(in.expenseType, OperatorContext::current().currentYear);
    return calcBxje(in);
}
