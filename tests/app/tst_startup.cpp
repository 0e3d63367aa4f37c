#include "app/DataFolder.h"
#include "app/OperatorContext.h"
#include "app/ui/Startup.h"
#include "app/ui/TFlashShow.h"
#include "app/ui/TFrmSetup.h"
#include "app/ui/TLogin.h"
#include "app/ui/TMain.h"
#include "data/Database.h"
#include "data/DatabaseSetup.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splashTextsInOrder();
    void cancelledLoginEnds();
    void unusableDatabaseIsReported_data();
    void unusableDatabaseIsReported();
    void setupDialogCreatesTheDatabase();
    void loginDialogAtStartup();
};

namespace {
const QString Connecting = QStringLiteral("正在连接数据库...");
const QString Failed =
    QStringLiteral("数据库连接信息已经失效，无法连接指定数据库，请重新设定连接信息");
} // namespace

void TestStartup::splashTextsInOrder()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    QString why;
    QVERIFY2(DatabaseSetup::createDataFolder(
                 dir.path(), {QStringLiteral("示范公司"), 2026, QStringLiteral("pw")}, &why),
             qPrintable(why));
    ScriptedPrompter prompter;
    Startup startup;
    bool databaseOpenAtLogin = false;
    startup.login = [&](TMain&) {
        databaseOpenAtLogin = Database::isOpen();
        OperatorContext::current().organizationName = QStringLiteral("示范公司");
        return true;
    };
    QVERIFY(startup.run());
    QVERIFY(databaseOpenAtLogin);
    QCOMPARE(
        startup.splash()->history(),
        (QStringList{Connecting, Connecting, QStringLiteral("数据库连接成功"),
                     QStringLiteral("正在系统登录..."), QStringLiteral("正在初始化系统环境信息..."),
                     QStringLiteral("系统初始化完毕,开始运行系统...")}));
    QCOMPARE(startup.splash()->fadeSteps(),
             (QList<int>{235, 215, 195, 175, 155, 135, 115, 95, 75, 55, 35, 15}));
    QVERIFY(!startup.splash()->isVisible());
    QVERIFY(startup.mainWindow()->isVisible());
    QCOMPARE(startup.mainWindow()->windowTitle(), QStringLiteral("示范公司Quenlo"));
    QVERIFY(prompter.prompts().isEmpty());
    Database::close();
}

void TestStartup::cancelledLoginEnds()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    ScriptedPrompter prompter;
    Startup startup;
    startup.offerSetup = [] { return false; };
    startup.login = [](TMain&) { return false; };
    QVERIFY(!startup.run());
    QVERIFY(!startup.mainWindow()->isVisible());
}

void TestStartup::unusableDatabaseIsReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing, set-up declined") << QByteArray() << false;
    QTest::newRow("foreign file") << QByteArray("not a database at all\n").repeated(100) << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void TestStartup::unusableDatabaseIsReported()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    const QString file = DataFolder::databaseFile();
    if (exists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    ScriptedPrompter prompter;
    Startup startup;
    bool offered = false;
    startup.offerSetup = [&offered] {
        offered = true;
        return false;
    };
    int loginAttempts = 0;
    startup.login = [&loginAttempts](TMain&) {
        ++loginAttempts;
        return false;
    };
    QVERIFY(!startup.run());
    QCOMPARE(offered, !exists);
    QCOMPARE(loginAttempts, 1); // the login still opens
    QCOMPARE(prompter.texts(), QStringList{Failed});
    QCOMPARE(prompter.prompts().first().caption, QString());
    QVERIFY(!Database::isOpen());
    QCOMPARE(startup.splash()->history().contains(QStringLiteral("数据库连接成功")), false);
    // nothing was written over the file
    QCOMPARE(QFile::exists(file), exists);
    if (exists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void TestStartup::setupDialogCreatesTheDatabase()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    ScriptedPrompter prompter;
    TFrmSetup setup(dir.path());
    setup.organizationEdit()->setText(QStringLiteral("新单位"));
    setup.yearEdit()->setText(QStringLiteral("2027"));
    setup.passwordEdit()->setText(QStringLiteral("secret"));
    setup.repeatEdit()->setText(QStringLiteral("secrex"));
    setup.okButton()->click();
    QCOMPARE(prompter.texts().last(), QStringLiteral("两次输入的密码不一致，请重新输入！"));
    QVERIFY(!QFile::exists(DataFolder::databaseFile()));
    setup.repeatEdit()->setText(QStringLiteral("secret"));
    setup.okButton()->click();
    QCOMPARE(setup.result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists(DataFolder::databaseFile()));

    Startup startup;
    bool offered = false;
    startup.offerSetup = [&offered] {
        offered = true;
        return false;
    };
    startup.login = [](TMain&) {
        return QueryScalar(QStringLiteral("select zcmc from gdxtcs")).toString() ==
               QStringLiteral("新单位");
    };
    QVERIFY(startup.run());
    QVERIFY(!offered);
    Database::close();
}

void TestStartup::loginDialogAtStartup()
{
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    QString why;
    QVERIFY2(DatabaseSetup::createDataFolder(
                 dir.path(), {QStringLiteral("示范公司"), 2026, QStringLiteral("demo")}, &why),
             qPrintable(why));
    ScriptedPrompter prompter;
    // a wrong password first, then the right one
    int attempts = 0;
    std::function<void()> answer = [&] {
        auto* login = qobject_cast<TLogin*>(QApplication::activeModalWidget());
        if (!login) {
            QTimer::singleShot(10, answer);
            return;
        }
        login->userEdit()->setText(QStringLiteral("1"));
        login->passwordEdit()->setText(++attempts == 1 ? QStringLiteral("Demo")
                                                       : QStringLiteral("demo"));
        login->okButton()->click();
        if (login->isVisible())
            QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(0, answer);
    Startup startup;
    QVERIFY(startup.run());
    QCOMPARE(attempts, 2);
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("用户密码不正确，请重新输入！")});
    TMain* main = startup.mainWindow();
    QCOMPARE(main->windowTitle(), QStringLiteral("示范公司Quenlo"));
    QCOMPARE(main->statusPanel(0)->text(), QStringLiteral("当前用户: 系统管理员"));
    QSqlQuery q = OpenQuerySql(QStringLiteral("select cz from czrz order by bh"));
    QStringList log;
    while (q.next())
        log << q.value(0).toString();
    QCOMPARE(log, (QStringList{QStringLiteral("系统管理员用户密码不正确"),
                               QStringLiteral("系统管理员登陆系统")}));
    Database::close();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
