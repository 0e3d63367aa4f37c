#include "data/Money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromText_data();
    void fromText();
    void fromDouble_data();
    void fromDouble();
    void sumsStayExact();
};

void TestMoney::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("cents");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rounds up") << "12.346" << true << 1235LL << "12.35";
    QTest::newRow("rounds down") << "12.344" << true << 1234LL << "12.34";
    QTest::newRow("whole") << "7" << true << 700LL << "7.00";
    QTest::newRow("half away from zero") << "0.005" << true << 1LL << "0.01";
    QTest::newRow("negative half") << "-2.345" << true << -235LL << "-2.35";
    QTest::newRow("leading point") << ".5" << true << 50LL << "0.50";
    QTest::newRow("blanks around") << "  3.1 " << true << 310LL << "3.10";
    QTest::newRow("carry into units") << "0.999" << true << 100LL << "1.00";
    QTest::newRow("letters") << "12a" << false << 0LL << "";
    QTest::newRow("empty") << "" << false << 0LL << "";
    QTest::newRow("point only") << "." << false << 0LL << "";
    QTest::newRow("thousands separator") << "1,234.50" << false << 0LL << "";
}

void TestMoney::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, cents);
    QFETCH(QString, shown);
    const auto m = Money::fromText(text);
    QCOMPARE(m.has_value(), valid);
    if (valid) {
        QCOMPARE(m->cents(), cents);
        QCOMPARE(m->toText(), shown);
    }
}

void TestMoney::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qlonglong>("cents");
    // 12.345 and 1.005 are stored just below the half; the amount meant is the half.
    QTest::newRow("binary half 12.345") << 12.345 << 1235LL;
    QTest::newRow("binary half 1.005") << 1.005 << 101LL;
    QTest::newRow("near whole") << 9749.999999999998 << 975000LL;
    QTest::newRow("negative") << -0.125 << -13LL;
    QTest::newRow("zero") << 0.0 << 0LL;
}

void TestMoney::fromDouble()
{
    QFETCH(double, value);
    QFETCH(qlonglong, cents);
    QCOMPARE(Money::fromDouble(value).cents(), cents);
}

void TestMoney::sumsStayExact()
{
    // Ten thousand additions of 0.10 in binary floating point drift; in cents they do not.
    Money sum;
    for (int i = 0; i < 10000; ++i)
        sum += *Money::fromText(QStringLiteral("0.10"));
    QCOMPARE(sum.toText(), QStringLiteral("1000.00"));
    QCOMPARE(Money::fromStored(QVariant()).cents(), 0);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
