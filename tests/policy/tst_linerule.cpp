#include "policy/LineRule.h"

#include <QTest>

class TestLineRule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void price_data();
    void price();
    void refusals_data();
    void refusals();
};

void TestLineRule::price_data()
{
    QTest::addColumn<QString>("itemClass");
    QTest::addColumn<int>("ratio"); // ten-thousandths
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("quantity");
    // unit price, medical, reimbursable, self-paid, category-B, as stored
    QTest::addColumn<QStringList>("amounts");

    QTest::newRow("category A, ratio 0: all reimbursable, price rounded half up")
        << "甲类药品" << 0 << "3.455"
        << "3" << QStringList{"3.46", "10.38", "10.38", "0.00", "0.00"};
    QTest::newRow("category B, ratio 0.2: 20 % category-B self-pay")
        << "乙类药品" << 2000 << "10"
        << "3" << QStringList{"10.00", "30.00", "24.00", "0.00", "6.00"};
    QTest::newRow("service class, ratio 0.2: like category B")
        << "检查费" << 2000 << "10"
        << "3" << QStringList{"10.00", "30.00", "24.00", "0.00", "6.00"};
    QTest::newRow("self-paid, ratio 1: nothing reimbursable")
        << "自费" << 10000 << "12.5"
        << "2" << QStringList{"12.50", "25.00", "0.00", "25.00", "0.00"};
    QTest::newRow("self-paid, ratio 0.3")
        << "自费" << 3000 << "7.77"
        << "1" << QStringList{"7.77", "7.77", "5.44", "2.33", "0.00"};
    QTest::newRow("class must be exactly 自费")
        << "自费 " << 10000 << "5"
        << "1" << QStringList{"5.00", "5.00", "0.00", "0.00", "5.00"};
    // 0.005 and 0.005 are each rounded up: the parts add up to 0.02 against 0.01
    QTest::newRow("each amount rounded on its own")
        << "乙类药品" << 5000 << "0.01"
        << "1" << QStringList{"0.01", "0.01", "0.01", "0.00", "0.01"};
    // ten-digit costs are priced in exact cents: 0.1234 of 9 999 990 000.00
    QTest::newRow("large amounts stay exact")
        << "乙类药品" << 1234 << "9999.99"
        << "1000000"
        << QStringList{"9999.99", "9999990000.00", "8765991234.00", "0.00", "1233998766.00"};
}

void TestLineRule::price()
{
    QFETCH(QString, itemClass);
    QFETCH(int, ratio);
    QFETCH(QString, price);
    QFETCH(QString, quantity);
    QFETCH(QStringList, amounts);
    QString error;
    const auto a = LineRule::price({itemClass, ratio, price, quantity}, &error);
    QVERIFY2(a, qPrintable(error));
    QCOMPARE(a->quantity, quantity.toLongLong());
    const QStringList got{a->unitPrice.toText(), a->medicalCost.toText(),
                          a->reimbursableCost.toText(), a->selfPaidCost.toText(),
                          a->categoryBSelfPay.toText()};
    QCOMPARE(got, amounts);
    QCOMPARE(a->ratioSelfPay, Money());
}

void TestLineRule::refusals_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("error");
    QTest::newRow("letters in the price") << "1a"
                                          << "1"
                                          << "单价不是有效的数字：1a";
    QTest::newRow("empty price") << ""
                                 << "1"
                                 << "单价不是有效的数字：";
    QTest::newRow("fractional quantity") << "5"
                                         << "1.5"
                                         << "数量不是有效的整数：1.5";
    QTest::newRow("empty quantity") << "5"
                                    << ""
                                    << "数量不是有效的整数：";
    QTest::newRow("cost beyond the column") << "99999"
                                            << "99999999999"
                                            << "医疗费用超出可以保存的范围";
}

void TestLineRule::refusals()
{
    QFETCH(QString, price);
    QFETCH(QString, quantity);
    QFETCH(QString, error);
    QString why;
    QVERIFY(!LineRule::price({QStringLiteral("甲类药品"), 0, price, quantity}, &why));
    QCOMPARE(why, error);
}

QTEST_GUILESS_MAIN(TestLineRule)
#include "tst_linerule.moc"
