#include "data/TextRoutines.h"

#include <QDir>
#include <QTest>

class TestTextRoutines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pinyinInitials_data();
    void pinyinInitials();
    void roundMoneyText_data();
    void roundMoneyText();
    void trailingSeparator_data();
    void trailingSeparator();
    void localAddressIsDottedQuad();
};

void TestTextRoutines::pinyinInitials_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("initials");
    QTest::newRow("level-1 name") << "张三"
                                  << "zs";
    QTest::newRow("administrator") << "系统管理员"
                                   << "xtgly";
    QTest::newRow("level-2 character") << "璐"
                                       << "l";
    QTest::newRow("another level-2 character") << "琪"
                                               << "q";
    QTest::newRow("first and last of the table") << "啊座"
                                                 << "az";
    QTest::newRow("ascii kept in lower case") << "CT平扫2"
                                              << "ctps2";
    QTest::newRow("mixed is read per character") << "a张b三"
                                                 << "azbs";
    QTest::newRow("three blanks removed") << "王   五"
                                          << "ww";
    QTest::newRow("punctuation gives nothing") << "李-四！（）"
                                               << "ls";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTextRoutines::pinyinInitials()
{
    QFETCH(QString, text);
    QFETCH(QString, initials);
    QCOMPARE(GetPinyinInitials(text), initials);
}

void TestTextRoutines::roundMoneyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<QString>("rounded");
    QTest::newRow("up") << "12.346" << true << "12.35";
    QTest::newRow("down") << "12.344" << true << "12.34";
    QTest::newRow("whole") << "7" << true << "7.00";
    QTest::newRow("half away from zero") << "2.675" << true << "2.68";
    QTest::newRow("not a number") << "十二" << false << "";
}

void TestTextRoutines::roundMoneyText()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(QString, rounded);
    const auto m = RoundMoneyText(text);
    QCOMPARE(m.has_value(), isNumber);
    if (m)
        QCOMPARE(m->toText(), rounded);
}

void TestTextRoutines::trailingSeparator_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("blanks around, no separator") << "  /home/备份  "
                                                 << "/home/备份" + sep;
    QTest::newRow("already ends with one") << "/home/backup" + sep << "/home/backup" + sep;
    QTest::newRow("control characters trimmed") << "\t/data\r\n"
                                                << "/data" + sep;
}

void TestTextRoutines::trailingSeparator()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(WithTrailingBackslash(text), result);
}

void TestTextRoutines::localAddressIsDottedQuad()
{
    QString address = QStringLiteral("unchanged");
    if (!GetLocalIPv4(address)) {
        QCOMPARE(address, QStringLiteral("unchanged"));
        return;
    }
    const QStringList parts = address.split(QLatin1Char('.'));
    QCOMPARE(parts.size(), 4);
    for (const QString& p : parts) {
        bool ok = false;
        const int v = p.toInt(&ok);
        QVERIFY(ok && v >= 0 && v <= 255);
    }
    QVERIFY(!address.startsWith(QLatin1String("127.")));
}

QTEST_GUILESS_MAIN(TestTextRoutines)
#include "tst_textroutines.moc"
