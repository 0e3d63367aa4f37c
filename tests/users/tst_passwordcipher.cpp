#include "users/PasswordCipher.h"

#include <QTest>

class TestPasswordCipher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void passwordHash_data();
    void passwordHash();
    void hashesAreSalted();
    void keyedRoundTrip_data();
    void keyedRoundTrip();
    void keyedRefusals_data();
    void keyedRefusals();
};

void TestPasswordCipher::passwordHash_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same text") << "demo"
                               << "demo" << true;
    QTest::newRow("other case") << "Demo"
                                << "demo" << false;
    QTest::newRow("chinese") << "密码123"
                             << "密码123" << true;
    QTest::newRow("one character more") << "demo"
                                        << "demo1" << false;
    QTest::newRow("empty entered") << "demo"
                                   << "" << false;
}

void TestPasswordCipher::passwordHash()
{
    QFETCH(QString, password);
    QFETCH(QString, entered);
    QFETCH(bool, matches);
    const QString stored = EncryptPassword(password);
    QVERIFY(!stored.contains(password));
    QVERIFY(stored.size() < 255);
    QCOMPARE(PasswordMatches(stored, entered), matches);
}

void TestPasswordCipher::hashesAreSalted()
{
    const QString a = EncryptPassword(QStringLiteral("demo"));
    const QString b = EncryptPassword(QStringLiteral("demo"));
    QVERIFY(a != b);
    // the stored form may come back with blanks from a fixed-width column
    QVERIFY(PasswordMatches(a + QStringLiteral("  "), QStringLiteral("demo")));
    QVERIFY(!PasswordMatches(QStringLiteral("not a hash"), QStringLiteral("demo")));
    QVERIFY(!PasswordMatches(QString(), QString()));
}

void TestPasswordCipher::keyedRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("user name") << "sa";
    QTest::newRow("password with quotes") << "p'a\"ss\nword";
    QTest::newRow("chinese") << "数据库管理员";
    QTest::newRow("empty") << "";
}

void TestPasswordCipher::keyedRoundTrip()
{
    QFETCH(QString, plain);
    const QString key = QStringLiteral("kol_5863");
    const QString cipher = EncryptWithKey(plain, key);
    for (QChar c : cipher)
        QVERIFY2(c.unicode() > 0x20 && c.unicode() < 0x7F && c != QLatin1Char('\'') &&
                     c != QLatin1Char('"'),
                 qPrintable(cipher));
    QCOMPARE(DecryptWithKey(cipher, key), std::optional<QString>(plain));
    QCOMPARE(DecryptWithKey(cipher, QStringLiteral("  kol_5863 ")), std::optional<QString>(plain));
    QVERIFY(EncryptWithKey(plain, key) != cipher); // fresh nonce each time
}

void TestPasswordCipher::keyedRefusals_data()
{
    const QString key = QStringLiteral("kol_5863");
    const QString good = EncryptWithKey(QStringLiteral("secret"), key);
    QString tampered = good;
    tampered[tampered.size() - 3] =
        tampered.at(tampered.size() - 3) == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    QTest::addColumn<QString>("cipher");
    QTest::addColumn<QString>("key");
    QTest::newRow("wrong key") << good << "other";
    QTest::newRow("altered") << tampered << key;
    QTest::newRow("cut short") << good.left(10) << key;
    QTest::newRow("plain text") << "secret" << key;
    QTest::newRow("not base64") << "@@@@!!!!" << key;
    QTest::newRow("empty") << "" << key;
}

void TestPasswordCipher::keyedRefusals()
{
    QFETCH(QString, cipher);
    QFETCH(QString, key);
    QCOMPARE(DecryptWithKey(cipher, key), std::nullopt);
}

QTEST_GUILESS_MAIN(TestPasswordCipher)
#include "tst_passwordcipher.moc"
