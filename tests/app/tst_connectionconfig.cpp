#include "app/ConnectionConfig.h"
#include "app/DataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestConnectionConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultIsTheDataFolderFile();
    void serverSettingsRoundTripWithSecretsEnciphered();
};

void TestConnectionConfig::defaultIsTheDataFolderFile()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    const ConnectionSettings s = ConnectionConfig::load();
    QCOMPARE(s.backend, Backend::Sqlite);
    QCOMPARE(s.sqliteFile, dir.filePath(QStringLiteral("js.db")));
    QCOMPARE(s.database, QStringLiteral("js"));
}

void TestConnectionConfig::serverSettingsRoundTripWithSecretsEnciphered()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    ConnectionSettings s;
    s.backend = Backend::Postgres;
    s.host = QStringLiteral(" db.example ");
    s.port = 5433;
    s.database = QStringLiteral("office");
    s.user = QStringLiteral("clerk");
    s.password = QStringLiteral("p'ss=word");
    QVERIFY(ConnectionConfig::save(s));

    QFile f(dir.filePath(QStringLiteral("js.ini")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray ini = f.readAll();
    QVERIFY(ini.contains("[Databaselogin]"));
    QVERIFY(!ini.contains("clerk"));
    QVERIFY(!ini.contains("p'ss"));

    const ConnectionSettings back = ConnectionConfig::load();
    QCOMPARE(back.backend, Backend::Postgres);
    QCOMPARE(back.host, QStringLiteral("db.example"));
    QCOMPARE(back.port, 5433);
    QCOMPARE(back.database, QStringLiteral("office"));
    QCOMPARE(back.user, QStringLiteral("clerk"));
    QCOMPARE(back.password, QStringLiteral("p'ss=word"));
}

QTEST_GUILESS_MAIN(TestConnectionConfig)
#include "tst_connectionconfig.moc"
