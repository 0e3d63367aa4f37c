#include "app/OperatorContext.h"
#include "app/ui/TLogin.h"
#include "app/ui/TMain.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "users/PasswordCipher.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestLogin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void attempts_data();
    void attempts();
    void keys();
    void pastedLettersNeverReachTheDatabase();
    void reloginCancelledKeepsTheMenu();
};

namespace {
// Operator 2 "张会计" (password "pw2", granted N12 only) and operator 3 "王五" (no grants).
void addOperators()
{
    RunScratchSql(
        QStringLiteral("insert into yh (xm, pybm, mm) values (?, ?, ?)"),
        {QStringLiteral("张会计"), QStringLiteral("zkj"), EncryptPassword(QStringLiteral("pw2"))});
    RunScratchSql(
        QStringLiteral("insert into yh (xm, pybm, mm) values (?, ?, ?)"),
        {QStringLiteral("王五"), QStringLiteral("ww"), EncryptPassword(QStringLiteral("pw3"))});
    RunScratchSql(QStringLiteral("insert into yhgn (yhbh, gnbh) select 2, bh from gn where cd = ?"),
                  {QStringLiteral("N12")});
}

QStringList logLines()
{
    QStringList out;
    if (!Database::isOpen())
        return out;
    QSqlQuery q = OpenQuerySql(QStringLiteral("select czy, cz from czrz order by bh"));
    while (q.next())
        out << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
    return out;
}

QStringList enabledItems(const TMain& main)
{
    QStringList out;
    // hidden items are never usable, whatever their grants
    for (QAction* a : main.findChildren<QAction*>())
        if (!a->isSeparator() && a->isVisible() && a->isEnabled() && !a->objectName().isEmpty() &&
            !a->menu())
            out << a->objectName();
    out.sort();
    return out;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}
} // namespace

void TestLogin::attempts_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("userAfter");
    QTest::addColumn<QString>("passwordAfter");
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("enabled"); // "*" for all

    const QString wrongNumber = QStringLiteral("用户编号不正确，请重新输入！");
    const QStringList six{QStringLiteral("M_XtcsYhdl"),   QStringLiteral("N4"),
                          QStringLiteral("M_XtcsExit"),   QStringLiteral("M_XtcsMmxg"),
                          QStringLiteral("M_XtcsNdxtcs"), QStringLiteral("N32")};
    QTest::newRow("both empty") << ""
                                << " "
                                << "" << false << QStringList{"请输入您的用户编号和密码！"} << ""
                                << ""
                                << " "
                                << "" << QStringList{} << QStringList{};
    QTest::newRow("number empty") << ""
                                  << "admin"
                                  << "" << false
                                  << QStringList{"用户编号不能为空，请输入您的用户编号"} << ""
                                  << ""
                                  << "admin"
                                  << "" << QStringList{} << QStringList{};
    QTest::newRow("password empty")
        << "1"
        << ""
        << "" << false << QStringList{"用户密码不能为空，请输入您的用户密码"} << ""
        << "1"
        << ""
        << "" << QStringList{} << QStringList{};
    QTest::newRow("unknown number") << "42"
                                    << "admin"
                                    << "" << false << QStringList{wrongNumber} << "EdtUser"
                                    << ""
                                    << ""
                                    << "" << QStringList{"|42用户编号不正确！"} << QStringList{};
    QTest::newRow("wrong password")
        << "2"
        << "PW2"
        << "" << false << QStringList{"用户密码不正确，请重新输入！"} << "EdtUser"
        << "2"
        << ""
        << "张会计" << QStringList{"张会计|张会计用户密码不正确"} << QStringList{};
    QTest::newRow("administrator")
        << "1"
        << "admin"
        << "" << true << QStringList{} << ""
        << "1"
        << "admin"
        << "系统管理员" << QStringList{"系统管理员|系统管理员登陆系统"} << QStringList{"*"};
    QTest::newRow("administrator as 01 without grants")
        << "01"
        << "admin"
        << "no grants" << true << QStringList{"该用户没有分配任何权限！"} << ""
        << "01"
        << "admin"
        << "系统管理员" << QStringList{"系统管理员|系统管理员登陆系统"} << six;
    QTest::newRow("operator with one grant")
        << " 2 "
        << "pw2"
        << "" << true << QStringList{} << ""
        << " 2 "
        << "pw2"
        << "张会计" << QStringList{"张会计|张会计登陆系统"} << QStringList{"N12"};
    QTest::newRow("operator without grants")
        << "3"
        << "pw3"
        << "" << true << QStringList{"该用户没有分配任何权限！"} << ""
        << "3"
        << "pw3"
        << "王五" << QStringList{"王五|王五登陆系统"} << QStringList{};
    QTest::newRow("gn row naming no menu item")
        << "2"
        << "pw2"
        << "stale gn" << true << QStringList{"数据库资源与菜单不符，建议管理员运行功能初始化！"}
        << ""
        << "2"
        << "pw2"
        << "张会计" << QStringList{"张会计|张会计登陆系统"} << QStringList{"N12"};
    QTest::newRow("database closed")
        << "1"
        << "admin"
        << "closed" << false << QStringList{"登录失败，请重新登录！"} << "EdtUser"
        << "1"
        << "admin"
        << "" << QStringList{} << QStringList{};
}

void TestLogin::attempts()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, setup);
    QFETCH(bool, accepted);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    QFETCH(QString, userAfter);
    QFETCH(QString, passwordAfter);
    QFETCH(QString, operatorName);
    QFETCH(QStringList, log);
    QFETCH(QStringList, enabled);

    QUENLO_INSTALLED_DB(db);
    addOperators();
    RunScratchSql(QStringLiteral("update ndxtcs set mzzfxe = ?, zyzfxe = ?, mzbl = ?"),
                  {2500.5, 2501.5, 0.3});
    if (setup == QLatin1String("no grants"))
        RunScratchSql(QStringLiteral("delete from yhgn"));
    if (setup == QLatin1String("stale gn"))
        RunScratchSql(
            QStringLiteral("insert into gn (bh, mk, cd, mkms, cdms) values (?, ?, ?, ?, ?)"),
            {900, QStringLiteral("N1"), QStringLiteral("M_Gone"), QStringLiteral("系统参数"),
             QStringLiteral("旧功能")});
    if (setup == QLatin1String("closed"))
        Database::close();

    ScriptedPrompter prompter;
    TMain main;
    TLogin login(&main);
    login.show();
    login.userEdit()->setText(user);
    login.passwordEdit()->setText(password);
    login.okButton()->click();

    QCOMPARE(prompter.texts(), messages);
    QCOMPARE(login.result() == QDialog::Accepted, accepted);
    QCOMPARE(login.userEdit()->text(), userAfter);
    QCOMPARE(login.passwordEdit()->text(), passwordAfter);
    if (!focus.isEmpty())
        QCOMPARE(login.focusWidget() ? login.focusWidget()->objectName() : QString(), focus);
    const auto& ctx = OperatorContext::current();
    QCOMPARE(ctx.operatorName, operatorName);
    QCOMPARE(logLines(), log);
    if (!accepted)
        return;
    QCOMPARE(ctx.currentYear, QStringLiteral("2026"));
    QCOMPARE(ctx.organizationName, QStringLiteral("测试单位"));
    QCOMPARE(ctx.outpatientLimit, 2500); // halves go to the even neighbour
    QCOMPARE(ctx.generalLimit, 2502);
    QCOMPARE(ctx.outpatientRatio, 0.3);
    QCOMPARE(main.statusPanel(0)->text(), QStringLiteral("当前用户: ") + operatorName);
    QStringList all;
    for (QAction* a : main.findChildren<QAction*>())
        if (!a->isSeparator() && a->isVisible() && !a->objectName().isEmpty() && !a->menu())
            all << a->objectName();
    QCOMPARE(enabledItems(main),
             enabled == QStringList{QStringLiteral("*")} ? sorted(all) : sorted(enabled));
}

void TestLogin::keys()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TMain main;
    TLogin login(&main);
    login.show();
    login.activateWindow();
    login.userEdit()->setFocus();
    QTest::keyClicks(login.userEdit(), QStringLiteral("a1b-2 "));
    QCOMPARE(login.userEdit()->text(), QStringLiteral("12"));
    QTest::keyClick(login.userEdit(), Qt::Key_Backspace);
    QCOMPARE(login.userEdit()->text(), QStringLiteral("1"));
    QTest::keyClick(login.userEdit(), Qt::Key_Return);
    QCOMPARE(login.focusWidget(), login.passwordEdit());
    QTest::keyClicks(login.passwordEdit(), QStringLiteral("admin"));
    QCOMPARE(login.passwordEdit()->echoMode(), QLineEdit::Password);
    QTest::keyClick(login.passwordEdit(), Qt::Key_Return);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(login.userEdit()->maxLength(), 10);
    QCOMPARE(login.passwordEdit()->maxLength(), 20);
    QCOMPARE(login.windowTitle(), QStringLiteral("系统登录"));
}

void TestLogin::pastedLettersNeverReachTheDatabase()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TMain main;
    TLogin login(&main);
    login.show();
    login.userEdit()->setText(QStringLiteral("1 or 1=1"));
    login.passwordEdit()->setText(QStringLiteral("admin"));
    login.okButton()->click();
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("用户编号不正确，请重新输入！")});
    QVERIFY(login.result() != QDialog::Accepted);
    QCOMPARE(logLines(), QStringList{QStringLiteral("|1 or 1=1用户编号不正确！")});
}

void TestLogin::reloginCancelledKeepsTheMenu()
{
    QUENLO_INSTALLED_DB(db);
    addOperators();
    ScriptedPrompter prompter;
    TMain main;
    {
        TLogin first(&main);
        first.show();
        first.userEdit()->setText(QStringLiteral("2"));
        first.passwordEdit()->setText(QStringLiteral("pw2"));
        first.okButton()->click();
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    const QStringList before = enabledItems(main);
    const QString status = main.statusPanel(0)->text();
    // re-login: a wrong password, then cancel
    TLogin again(&main);
    again.show();
    QCOMPARE(OperatorContext::current().operatorName, QString()); // cleared on show
    again.userEdit()->setText(QStringLiteral("1"));
    again.passwordEdit()->setText(QStringLiteral("wrong"));
    again.okButton()->click();
    again.reject();
    QCOMPARE(enabledItems(main), before);
    QCOMPARE(main.statusPanel(0)->text(), status);
    // the context holds the typed operator until the next attempt
    QCOMPARE(OperatorContext::current().operatorName, QStringLiteral("系统管理员"));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
