#include "data/DatabaseSetup.h"
#include "data/DemoData.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createsOwnerOnlyDatabase();
    void refusesBadOptionsLeavingNothing_data();
    void refusesBadOptionsLeavingNothing();
    void openRefusesWhatIsNotADatabase_data();
    void openRefusesWhatIsNotADatabase();
    void demoHoldsSampleDataInEveryTable();
    void commandLineInitAndDemo();
};

namespace {
const DatabaseSetup::Options Good{QStringLiteral("示范公司"), 2026, QStringLiteral("pw")};
}

void TestSetup::createsOwnerOnlyDatabase()
{
    QTemporaryDir dir;
    QString why;
    QVERIFY2(DatabaseSetup::createDataFolder(dir.path(), Good, &why), qPrintable(why));
    const QString file = dir.filePath(QStringLiteral("js.db"));
    QCOMPARE(QFile::permissions(file) & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                         QFileDevice::WriteGroup | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("js.db")});
    QVERIFY(!Database::isOpen());

    // a second creation refuses and leaves the first database as it was
    const QByteArray before = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QVERIFY(!DatabaseSetup::createDataFolder(dir.path(), Good, &why));
    QVERIFY(why.contains(QStringLiteral("已经存在")));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestSetup::refusesBadOptionsLeavingNothing_data()
{
    QTest::addColumn<QString>("organization");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("password");
    QTest::newRow("no organisation") << "  " << 2026 << "pw";
    QTest::newRow("year of two digits") << "示范公司" << 26 << "pw";
    QTest::newRow("no password") << "示范公司" << 2026 << "";
    QTest::newRow("password too long") << "示范公司" << 2026 << QString(21, QLatin1Char('x'));
}

void TestSetup::refusesBadOptionsLeavingNothing()
{
    QFETCH(QString, organization);
    QFETCH(int, year);
    QFETCH(QString, password);
    QTemporaryDir dir;
    QString why;
    QVERIFY(!DatabaseSetup::createDataFolder(dir.path(), {organization, year, password}, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestSetup::openRefusesWhatIsNotADatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("text file") << QByteArray("這不是資料庫 just some text\n").repeated(200) << true;
    QTest::newRow("truncated header") << QByteArray("SQLite format 3") << true;
}

void TestSetup::openRefusesWhatIsNotADatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    ConnectionSettings s;
    s.sqliteFile = dir.filePath(QStringLiteral("js.db"));
    if (exists) {
        QFile f(s.sqliteFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QString why;
    QVERIFY(!Database::open(s, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!Database::isOpen());
    QCOMPARE(QFile::exists(s.sqliteFile), exists);
    if (exists) {
        QFile f(s.sqliteFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void TestSetup::demoHoldsSampleDataInEveryTable()
{
    QUENLO_INSTALLED_DB(db);
    DemoData::fill();
    auto count = [](const char* sql) { return QueryScalar(QString::fromUtf8(sql)).toInt(); };
    QVERIFY(count("select count(*) from dwxx") >= 5);
    QCOMPARE(count("select count(*) from grxx"), 200);
    QVERIFY(count("select count(*) from grxx where sfzf = '是'") > 0);
    QCOMPARE(count("select count(*) from grxx where dwid not in (select idbh from dwxx)"), 0);
    QCOMPARE(count("select count(*) from grxx where rylb not in (select rylb from rylb)"), 0);
    QCOMPARE(count("select count(*) from ddyljg"), 10);
    QCOMPARE(count("select count(*) from ddyljg where yylx not in (select yylx from yylx)"), 0);
    QCOMPARE(count("select count(*) from ylxm"), 100);
    QCOMPARE(count("select count(distinct xmlb) from ylxm"), 8);
    QCOMPARE(count("select count(*) from qfbz where fylx in ('门诊', '住院')"), 2);
    QCOMPARE(count("select count(distinct fylx) from bxbl"), 2);
    QCOMPARE(
        count("select count(*) from ndxtcs where xtnd = (select xtnd from gdxtcs) and zyzfxe > 0"),
        1);
    QCOMPARE(count("select count(*) from yh"), 2);
    QCOMPARE(count("select count(*) from yhgn where yhbh <> 1"), 0);
}

void TestSetup::commandLineInitAndDemo()
{
    if (TestDatabase::requestedBackend() != Backend::Sqlite)
        QSKIP("the command line works on the data folder's SQLite file");
    QTemporaryDir dir;
    const QString ctl = QStringLiteral(QUENLO_BIN_DIR "/quenloctl");
    auto run = [&](const QStringList& args, QString* err = nullptr) {
        QProcess p;
        p.start(ctl, args);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    const QString folder = dir.filePath(QStringLiteral("office"));
    const QStringList init{QStringLiteral("--data-dir"), folder,
                           QStringLiteral("init"),       QStringLiteral("--org"),
                           QStringLiteral("某某公司"),   QStringLiteral("--year"),
                           QStringLiteral("2025"),       QStringLiteral("--admin-password"),
                           QStringLiteral("secret")};
    QCOMPARE(run(init), 0);
    QString err;
    QVERIFY(run(init, &err) != 0);
    QVERIFY2(err.contains(QStringLiteral("已经存在")), qPrintable(err));
    QVERIFY(run({QStringLiteral("--data-dir"), folder, QStringLiteral("demo")}, &err) != 0);

    const QString demo = dir.filePath(QStringLiteral("demo"));
    QCOMPARE(run({QStringLiteral("--data-dir"), demo, QStringLiteral("demo")}), 0);
    ConnectionSettings s;
    s.sqliteFile = demo + QStringLiteral("/js.db");
    QVERIFY(Database::open(s));
    QCOMPARE(QueryScalar(QStringLiteral("select zcmc from gdxtcs")).toString(),
             QStringLiteral("示范公司"));
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from grxx")).toInt(), 200);
    Database::close();
}

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_setup.moc"
