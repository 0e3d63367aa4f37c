#include "app/OperatorContext.h"
#include "policy/ClaimPolicyLoader.h"
#include "policy/Eligibility.h"
#include "support/TestDatabase.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(QList<RatioBand>)

class TestClaimPolicy : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void load_data();
    void load();
    void calculationReadsThePolicyAfresh();
    void eligibility();
};

namespace {
void run(const char* sql, const QVariantList& values)
{
    RunScratchSql(QString::fromUtf8(sql), values);
}

// The installed year 2026 and 2025, deductibles and bands of three types, bands inserted out
// of order.
void insertPolicy()
{
    run("update ndxtcs set mzzfxe = ?, zyzfxe = ? where xtnd = ?", {3000.5, 30000.0, 2026});
    run("insert into ndxtcs (xtnd, mzzfxe, zyzfxe) values (?, ?, ?)", {2025, 2500.0, 45000.0});
    for (const auto& [type, amount] : {std::pair{"住院", 1000}, {"门诊", 200}, {"生育", 300}})
        run("insert into qfbz (fylx, qfbz) values (?, ?)", {QString::fromUtf8(type), amount});
    const struct
    {
        const char* type;
        int bound;
        double ratio;
    } bands[] = {
        {"住院", 20000, 0.9}, {"门诊", 1000, 0.6}, {"住院", 5000, 0.8}, {"生育", 8000, 0.7}};
    for (const auto& b : bands)
        run("insert into bxbl (fylx, zfje, zfbl) values (?, ?, ?)",
            {QString::fromUtf8(b.type), b.bound, b.ratio});
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}
} // namespace

void TestClaimPolicy::load_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("year");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("deductible"); // < 0: none
    QTest::addColumn<QList<RatioBand>>("bands");
    const QList<RatioBand> general{{5000, 0.8}, {20000, 0.9}};
    QTest::newRow("general, ascending bands") << "住院"
                                              << "2026" << 30000.0 << 1000.0 << general;
    QTest::newRow("outpatient, type trimmed")
        << " 门诊 "
        << "2026" << 3000.5 << 200.0 << QList<RatioBand>{{1000, 0.6}};
    QTest::newRow("another year") << "住院"
                                  << "2025" << 45000.0 << 1000.0 << general;
    QTest::newRow("year without a row") << "住院"
                                        << "2030" << 0.0 << 1000.0 << general;
    QTest::newRow("no current year") << "住院"
                                     << "" << 0.0 << 1000.0 << general;
    // deductible and bands exist, but the year's limits are for the two types only
    QTest::newRow("other type has no limit")
        << "生育"
        << "2026" << 0.0 << 300.0 << QList<RatioBand>{{8000, 0.7}};
    QTest::newRow("type with a quote matches literally")
        << "住院' or '1'='1"
        << "2026" << 0.0 << -1.0 << QList<RatioBand>{};
}

void TestClaimPolicy::load()
{
    QFETCH(QString, type);
    QFETCH(QString, year);
    QFETCH(double, limit);
    QFETCH(double, deductible);
    QFETCH(QList<RatioBand>, bands);
    QUENLO_INSTALLED_DB(db);
    insertPolicy();
    const ClaimPolicy p = LoadClaimPolicy(type, year);
    QCOMPARE(p.limit, limit);
    QCOMPARE(p.deductible.has_value(), deductible >= 0);
    if (p.deductible)
        QCOMPARE(*p.deductible, deductible);
    QCOMPARE(p.bands.size(), bands.size());
    for (int i = 0; i < bands.size(); ++i) {
        QCOMPARE(p.bands.at(i).bound, bands.at(i).bound);
        QCOMPARE(p.bands.at(i).ratio, bands.at(i).ratio);
    }
}

void TestClaimPolicy::calculationReadsThePolicyAfresh()
{
    QUENLO_INSTALLED_DB(db);
    insertPolicy();
    OperatorContext::current().currentYear = QStringLiteral("2026");
    const QString general = QStringLiteral("住院");

    ClaimResult r = calcBxje(general, 12000, 2000);
    QVERIFY(near(r.reimbursed, 9750) && near(r.selfPaid, 1250));
    QVERIFY(!r.message);

    // a changed band counts at once: band 2 now pays all of its 9500
    run("update bxbl set zfbl = ? where fylx = ? and zfje = ?", {1.0, general, 20000});
    r = calcBxje(general, 12000, 2000);
    QVERIFY(near(r.reimbursed, 10700) && near(r.selfPaid, 300));

    run("update ndxtcs set zyzfxe = ? where xtnd = ?", {8000.0, 2026});
    r = calcBxje(general, 12000, 2000);
    QVERIFY(near(r.reimbursed, 6000) && near(r.selfPaid, 6000));
    QCOMPARE(r.message.value_or(QString()), QStringLiteral("报销已经超过限额，只能再报销：6000元"));

    r = calcBxje(QStringLiteral("生育"), 12000, 0);
    QCOMPARE(r.reimbursed, 0.0);
    QCOMPARE(r.selfPaid, 0.0);
    QCOMPARE(r.message.value_or(QString()),
             QStringLiteral("支付限额信息异常，请检查支付限额配置模块"));

    run("delete from qfbz where fylx = ?", {general});
    r = calcBxje(general, 12000, 2000);
    QCOMPARE(r.reimbursed, 0.0);
    QCOMPARE(r.message.value_or(QString()),
             QStringLiteral("未找到此费用类型对应的起付标准信息，请检查起付标准配置模块"));
}

void TestClaimPolicy::eligibility()
{
    QUENLO_INSTALLED_DB(db);
    auto person = [](const QVariant& stopped) {
        return InsertReturningId(
            QStringLiteral("insert into grxx (dwid, xm, sfzf) values (?, ?, ?)"),
            {1, QStringLiteral("张三"), stopped}, QStringLiteral("idbh"));
    };
    const qint64 stopped = person(QStringLiteral("是"));
    const qint64 active = person(QStringLiteral("否"));
    const qint64 empty = person(QString(""));
    const qint64 unset = person(QVariant(QMetaType::fromType<QString>()));
    QVERIFY(!IsBxfw(stopped));
    QVERIFY(IsBxfw(active));
    QVERIFY(IsBxfw(empty));
    QVERIFY(IsBxfw(unset));
    QVERIFY(IsBxfw(unset + 100)); // no such person
}

QTEST_GUILESS_MAIN(TestClaimPolicy)
#include "tst_claimpolicy.moc"
