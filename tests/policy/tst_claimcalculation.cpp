#include "policy/ClaimCalculation.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(QList<RatioBand>)

class TestClaimCalculation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void claims_data();
    void claims();
};

namespace {
const QString Cap = QStringLiteral("报销已经超过限额，只能再报销：%1元");
const QString NoLimit = QStringLiteral("支付限额信息异常，请检查支付限额配置模块");
const QString NoDeductible =
    QStringLiteral("未找到此费用类型对应的起付标准信息，请检查起付标准配置模块");
const QList<RatioBand> TwoBands{{5000, 0.8}, {20000, 0.9}};
} // namespace

void TestClaimCalculation::claims_data()
{
    QTest::addColumn<double>("claim");
    QTest::addColumn<double>("previous");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("deductible"); // < 0: no deductible row
    QTest::addColumn<QList<RatioBand>>("bands");
    QTest::addColumn<double>("reimbursed");
    QTest::addColumn<double>("selfPaid");
    QTest::addColumn<QString>("message"); // empty: none

    // The reference policy: deductible 1000, bands (5000, 0.8) and (20000, 0.9).
    auto row = [](const char* name, double claim, double previous, double limit, double r, double z,
                  const QString& message = QString()) {
        QTest::newRow(name) << claim << previous << limit << 1000.0 << TwoBands << r << z
                            << message;
    };
    row("worked: plain claim", 12000, 0, 30000, 9500, 1500);
    row("worked: previous amount shifts up", 12000, 2000, 30000, 9750, 1250);
    row("worked: capped", 12000, 0, 8000, 8000, 4000, Cap.arg(QStringLiteral("8000")));
    row("worked: excess above the last bound", 30000, 0, 100000, 16700, 2300);
    row("worked: below the deductible", 800, 0, 30000, 0, 0);

    row("claim equal to the deductible", 1000, 0, 30000, 0, 0);
    // one cent paid at 0.8
    row("one cent above the deductible", 1000.01, 0, 30000, 0.008, 0.002);
    // wholly in band 1 after the deductible: 4000 at 0.8; band 2 pays nothing
    row("claim equal to the first bound", 5000, 0, 30000, 3200, 800);
    // 9750 + 2000 reaches the limit exactly: not capped
    row("R + A0 equal to the limit", 12000, 2000, 11750, 9750, 1250);
    row("R + A0 one cent above the limit", 12000, 2000, 11749.99, 9749.99, 2250.01,
        Cap.arg(QStringLiteral("9749.99")));
    // band 1 (payment 3200) is covered by the previous 5000; in band 2 the remaining 1800
    // covers part of 11000 × 0.9, so (9900 − 1800) ÷ 0.9 = 9000 is paid at 0.9
    row("previous covers every band but the last", 12000, 5000, 30000, 8100, 900);
    // the previous 20000 covers both payments; the last band pays its 11000 in full
    row("previous covers the last band too", 12000, 20000, 30000, 9900, 1100);
    // nothing is left of the limit: R is 0, not 30000 − 31000, and the claim is self-paid
    row("previous above the limit", 12000, 31000, 30000, 0, 12000, Cap.arg(QStringLiteral("0")));
    row("previous equal to the limit", 12000, 30000, 30000, 0, 12000, Cap.arg(QStringLiteral("0")));

    QTest::newRow("no limit configured")
        << 12000.0 << 0.0 << 0.0 << 1000.0 << TwoBands << 0.0 << 0.0 << NoLimit;
    QTest::newRow("no deductible row")
        << 12000.0 << 0.0 << 30000.0 << -1.0 << TwoBands << 0.0 << 0.0 << NoDeductible;
    QTest::newRow("no bands") << 12000.0 << 0.0 << 30000.0 << 1000.0 << QList<RatioBand>{} << 0.0
                              << 0.0 << QString();

    // A deductible of 6000 is larger than the first slice (0 to 5000). The first slice absorbs
    // 5000 of it and pays nothing; the other 1000 comes off the second slice, which then holds
    // 7000 − 1000 = 6000 of the claim: R = 6000 × 0.9 = 5400, Z = 600. Taken as written, the
    // first slice would be −1000 and pay −800.
    QTest::newRow("deductible above the first bound")
        << 12000.0 << 0.0 << 30000.0 << 6000.0 << TwoBands << 5400.0 << 600.0 << QString();
    // The same with a previous amount of 1000: band 1 pays nothing and places nothing of it;
    // in band 2 the 6000 × 0.9 = 5400 less 1000 is paid, 4400 ÷ 0.9 of cost.
    QTest::newRow("deductible above the first bound, with previous")
        << 12000.0 << 1000.0 << 30000.0 << 6000.0 << TwoBands << 4400.0 << 4400.0 / 9.0
        << QString();
}

void TestClaimCalculation::claims()
{
    QFETCH(double, claim);
    QFETCH(double, previous);
    QFETCH(double, limit);
    QFETCH(double, deductible);
    QFETCH(QList<RatioBand>, bands);
    QFETCH(double, reimbursed);
    QFETCH(double, selfPaid);
    QFETCH(QString, message);

    ClaimInput in;
    in.expenseType = QStringLiteral("住院");
    in.claim = claim;
    in.previous = previous;
    in.policy.limit = limit;
    if (deductible >= 0)
        in.policy.deductible = deductible;
    in.policy.bands = bands;
    const ClaimResult r = calcBxje(in);
    // the calculation runs in double: compare far below a cent
    QVERIFY2(std::abs(r.reimbursed - reimbursed) < 1e-9,
             qPrintable(QString::number(r.reimbursed, 'g', 17)));
    QVERIFY2(std::abs(r.selfPaid - selfPaid) < 1e-9,
             qPrintable(QString::number(r.selfPaid, 'g', 17)));
    QCOMPARE(r.message.value_or(QString()), message);
    QCOMPARE(r.message.has_value(), !message.isEmpty());
}

QTEST_GUILESS_MAIN(TestClaimCalculation)
#include "tst_claimcalculation.moc"
