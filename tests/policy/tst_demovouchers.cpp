#include "data/Clock.h"
#include "data/DemoData.h"
#include "policy/ClaimPolicyLoader.h"
#include "policy/DemoVouchers.h"
#include "policy/LineRule.h"
#include "support/TestDatabase.h"

#include <QHash>
#include <QTest>

// The settled vouchers of the demo data, checked against the line rule, the claim calculation
// and the accumulators settlement adds to.
class TestDemoVouchers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 6, 30), QTime(10, 0))); }
    void cleanup() { Clock::install(nullptr); }
    void settledVouchers();
};

namespace {
int count(const QString& sql, const QVariantList& values = {})
{
    return QueryScalar(sql, values).toInt();
}
} // namespace

void TestDemoVouchers::settledVouchers()
{
    QUENLO_INSTALLED_DB(db);
    DemoData::fill();

    QCOMPARE(
        count(QStringLiteral("select count(*) from zyzz where sfyjs = ? and sfycx = ? and "
                             "ybnd = ? and rysj >= ? and rysj <= ? and sj >= rysj and sj <= ?"),
              {QStringLiteral("是"), QStringLiteral("否"), 2026, QStringLiteral("2026-01-01"),
               QStringLiteral("2026-06-30"), QStringLiteral("2026-06-30")}),
        DemoVouchers::Count);
    QCOMPARE(count(QStringLiteral("select count(*) from zyzz")), DemoVouchers::Count);
    QCOMPARE(count(QStringLiteral("select count(distinct fylx) from zyzz")), 2);
    QCOMPARE(count(QStringLiteral("select count(*) from zyzz z, grxx g where z.grbh = g.idbh "
                                  "and g.sfzf = ?"),
                   {QStringLiteral("是")}),
             0);
    // every header holds the sums of its lines
    QCOMPARE(count(QStringLiteral(
                 "select count(*) from zyzz z where not exists (select 1 from zymx m where "
                 "m.lsh = z.lsh) or ylfy <> (select sum(ylfy) from zymx m where m.lsh = z.lsh) "
                 "or zffy <> (select sum(zffy) from zymx m where m.lsh = z.lsh) "
                 "or ylzf <> (select sum(ylzf) from zymx m where m.lsh = z.lsh) "
                 "or zff <> (select sum(zff) from zymx m where m.lsh = z.lsh)")),
             0);

    // every line priced by the line rule
    QHash<qint64, Money> claims; // voucher -> sum of the lines' reimbursable cost
    QSqlQuery q = OpenQuerySql(QStringLiteral(
        "select lsh, xmlb, zfbl, dj, sl, ylfy, bxfy, zffy, ylzf, zff from zymx order by lsh"));
    while (q.next()) {
        const auto a =
            LineRule::price({q.value(1).toString(), q.value(2).toLongLong(),
                             Money::fromStored(q.value(3)).toText(), q.value(4).toString()});
        QVERIFY(a);
        QCOMPARE(Money::fromStored(q.value(5)), a->medicalCost);
        QCOMPARE(Money::fromStored(q.value(6)), a->reimbursableCost);
        QCOMPARE(Money::fromStored(q.value(7)), a->selfPaidCost);
        QCOMPARE(Money::fromStored(q.value(8)), a->categoryBSelfPay);
        QCOMPARE(Money::fromStored(q.value(9)), a->ratioSelfPay);
        claims[q.value(0).toLongLong()] += a->reimbursableCost;
    }
    q.finish();

    // every claim calculated with the previous amount of the person's earlier vouchers
    struct Header
    {
        qint64 lsh;
        QString type;
        qint64 person;
        Money previous, reimbursed, selfPaid;
    };
    QList<Header> headers;
    q = OpenQuerySql(
        QStringLiteral("select lsh, fylx, grbh, ywzf, bxfy, zfje from zyzz order by lsh"));
    while (q.next())
        headers.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong(),
                        Money::fromStored(q.value(3)), Money::fromStored(q.value(4)),
                        Money::fromStored(q.value(5))});
    q.finish();
    QHash<QString, Money> paidBefore; // person and type -> self-paid so far
    int withPrevious = 0;
    for (const Header& h : headers) {
        const QString key = QStringLiteral("%1/%2").arg(h.person).arg(h.type);
        QCOMPARE(h.previous, paidBefore.value(key));
        ClaimInput in{h.type, claims.value(h.lsh).toDouble(), h.previous.toDouble(),
                      LoadClaimPolicy(h.type, QStringLiteral("2026"))};
        const ClaimResult r = calcBxje(in);
        QCOMPARE(h.reimbursed, Money::fromDouble(r.reimbursed));
        QCOMPARE(h.selfPaid, Money::fromDouble(r.selfPaid));
        paidBefore[key] += h.selfPaid;
        withPrevious += h.previous > Money() ? 1 : 0;
    }
    QVERIFY(withPrevious > 0);
    QVERIFY(count(QStringLiteral("select count(*) from zyzz where bxfy > 0 and fylx = ?"),
                  {QStringLiteral("门诊")}) > 0);
    QVERIFY(count(QStringLiteral("select count(*) from zyzz where bxfy > 0 and fylx = ?"),
                  {QStringLiteral("住院")}) > 0);

    // the accumulators hold what settlement added: the general set for "住院", the outpatient
    // set for the other type
    const QList<std::pair<const char*, const char*>> pairs{{"bxfy", "lj"},     {"ylfy", "ylfylj"},
                                                           {"zffy", "zffylj"}, {"ylzf", "ylzflj"},
                                                           {"zff", "zffy"},    {"zfje", "zfje"}};
    for (const auto& [column, suffix] : pairs) {
        for (const auto& [prefix, general] : {std::pair{"zy", true}, {"mz", false}}) {
            const QString accumulator = QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
            const QString sql =
                QStringLiteral("select count(*) from grxx g where %1 <> coalesce((select sum(%2) "
                               "from zyzz z where z.grbh = g.idbh and z.fylx %3 ?), 0)")
                    .arg(accumulator, QString::fromLatin1(column),
                         general ? QStringLiteral("=") : QStringLiteral("<>"));
            QVERIFY2(count(sql, {QStringLiteral("住院")}) == 0, qPrintable(accumulator));
        }
    }
    QVERIFY(count(QStringLiteral("select count(*) from grxx where zylj > 0")) > 0);
    QVERIFY(count(QStringLiteral("select count(*) from grxx where mzlj > 0")) > 0);
}

QTEST_GUILESS_MAIN(TestDemoVouchers)
#include "tst_demovouchers.moc"
