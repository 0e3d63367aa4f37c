#include "app/LoginService.h"
#include "app/OperatorContext.h"
#include "app/ui/ScreenRegistry.h"
#include "app/ui/TMain.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuMatchesTheDesign();
    void bigButtonsFollowTheirItems_data();
    void bigButtonsFollowTheirItems();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void statusBarAndCaption();
    void menuInitialisation_data();
    void menuInitialisation();
    void menuInitialisationFailureEnds();
};

namespace {
struct Item
{
    const char* top;
    const char* name;
    const char* caption;
    bool visible;
};
// The main menu as the office knows it: every item in order, separators and hidden items too.
const Item Expected[] = {
    {"N1", "M_XtcsGdxtcs", "当前年度", true},
    {"N1", "M_XtcsNdxtcs", "年度设置", true},
    {"N1", "N38", "", true},
    {"N1", "M_XtcsDatabaselogin", "数据库设置", false},
    {"N1", "N15", "", false},
    {"N1", "N4", "用户管理", true},
    {"N1", "M_XtcsMmxg", "修改密码", true},
    {"N1", "M_XtcsYhdl", "用户登录", true},
    {"N1", "N21", "", true},
    {"N1", "N32", "菜单初始化", true},
    {"N1", "M_XtcsStrz", "系统日志", true},
    {"N1", "N22", "", true},
    {"N1", "N14", "年度结算", true},
    {"N1", "N24", "", true},
    {"N1", "M_XtcsExit", "退出系统", true},
    {"N2", "N12", "单位信息管理", true},
    {"N2", "N16", "", true},
    {"N2", "N5", "人员类别管理", true},
    {"N2", "M_Grxx", "人员信息管理", true},
    {"N2", "N17", "", true},
    {"N2", "N34", "医院类型管理", true},
    {"N2", "N9", "定点医院管理", true},
    {"N2", "N36", "", true},
    {"N2", "N55", "医疗项目管理", true},
    {"N2", "N37", "", false},
    {"N2", "N35", "费用类型管理", false},
    {"N2", "N39", "", true},
    {"N2", "N45", "起付标准设置", true},
    {"N2", "N40", "报销比例设置", true},
    {"N2", "N41", "", true},
    {"N2", "N42", "系统报表编辑", true},
    {"N23", "N57", "人员停止报销", true},
    {"N23", "N10", "人员单位调动", true},
    {"N23", "N33", "人员类别修改", true},
    {"N7", "N11", "门诊报销", false},
    {"N7", "N8", "医疗费用报销", true},
    {"N7", "N13", "", true},
    {"N7", "N27", "门诊报销单据撤销", false},
    {"N7", "N28", "报销单据撤销", true},
    {"N7", "N29", "", true},
    {"N7", "N30", "门诊撤销单据还原", false},
    {"N7", "N31", "撤销单据还原", false},
    {"N7", "N18", "", false},
    {"N7", "N19", "门诊情况查询", false},
    {"N7", "N20", "报销情况查询", true},
    {"N6", "N3", "人员情况查询", true},
    {"N6", "N46", "人员报销情况查询", true},
    {"N6", "N47", "参保单位报销情况查询", true},
    {"N25", "N43", "关于", true},
    {"N25", "N44", "备份数据库", true},
};

// Answers a modal dialog opened from inside a slot.
void whenDialogOpens(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            act(d);
    });
}
} // namespace

void TestMainWindow::menuMatchesTheDesign()
{
    TMain main;
    const QList<QAction*> tops = main.menuBar()->actions();
    const QStringList topNames{QStringLiteral("N1"), QStringLiteral("N2"), QStringLiteral("N23"),
                               QStringLiteral("N7"), QStringLiteral("N6"), QStringLiteral("N25")};
    const QStringList topCaptions{QStringLiteral("系统参数"), QStringLiteral("基本信息"),
                                  QStringLiteral("人事变动"), QStringLiteral("费用报销"),
                                  QStringLiteral("综合查询"), QStringLiteral("帮助")};
    QCOMPARE(tops.size(), 6);
    QList<const Item*> seen;
    for (int t = 0; t < tops.size(); ++t) {
        QMenu* menu = tops.at(t)->menu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), topNames.at(t));
        QCOMPARE(menu->title(), topCaptions.at(t));
        for (QAction* a : menu->actions()) {
            const int i = seen.size();
            QVERIFY2(i < int(std::size(Expected)), qPrintable(a->objectName()));
            const Item& e = Expected[i];
            seen << &e;
            QCOMPARE(topNames.at(t), QString::fromLatin1(e.top));
            QCOMPARE(a->objectName(), QString::fromLatin1(e.name));
            QCOMPARE(a->isSeparator(), QByteArray(e.caption).isEmpty());
            if (!a->isSeparator())
                QCOMPARE(a->text(), QString::fromUtf8(e.caption));
            QCOMPARE(a->isVisible(), e.visible);
            QCOMPARE(main.menuAction(QString::fromLatin1(e.name).toLower()), a);
        }
    }
    QCOMPARE(seen.size(), int(std::size(Expected)));
    QCOMPARE(main.size().width(), 688);
}

void TestMainWindow::bigButtonsFollowTheirItems_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("screen");
    QTest::newRow("reimbursement") << "LbSpeedButton2"
                                   << "费用报销"
                                   << "N8"
                                   << "TfrmZybx";
    QTest::newRow("query") << "LbSpeedButton4"
                           << "报销查询"
                           << "N20"
                           << "TfrmZyqkcx";
    QTest::newRow("persons") << "LbSpeedButton1"
                             << "人员信息"
                             << "M_Grxx"
                             << "TgrFrm";
    QTest::newRow("items") << "LbSpeedButton3"
                           << "医疗项目"
                           << "N55"
                           << "TFrmSjlrYlxm";
}

void TestMainWindow::bigButtonsFollowTheirItems()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, item);
    QFETCH(QString, screen);
    TMain main;
    int opened = 0;
    ScreenRegistry::add(screen, [&opened](QWidget* parent) {
        ++opened;
        auto* d = new QDialog(parent);
        QTimer::singleShot(0, d, &QDialog::accept);
        return d;
    });
    auto* b = main.findChild<QToolButton*>(button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    main.setItemEnabled(item, false);
    b->click();
    QCOMPARE(opened, 0);
    main.setItemEnabled(item, true);
    b->click();
    QCOMPARE(opened, 1);
}

void TestMainWindow::exitAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("ok") << int(PromptButton::Ok) << true;
    QTest::newRow("cancel") << int(PromptButton::Cancel) << false;
}

void TestMainWindow::exitAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TMain main;
    main.show();
    prompter.queueAnswer(PromptButton(answer));
    main.menuAction(QStringLiteral("M_XtcsExit"))->trigger();
    QCOMPARE(prompter.prompts().size(), 1);
    const Prompt p = prompter.prompts().first();
    QCOMPARE(p.text, QStringLiteral("您真的需要退出吗？"));
    QCOMPARE(p.caption, QStringLiteral("提示信息"));
    QCOMPARE(p.icon, PromptIcon::Question);
    QCOMPARE(p.buttons, PromptButton::Ok | PromptButton::Cancel);
    QCOMPARE(main.isVisible(), !closes);
    QCOMPARE(Database::isOpen(), !closes);
}

void TestMainWindow::statusBarAndCaption()
{
    auto& ctx = OperatorContext::current();
    ctx.operatorName = QStringLiteral("系统管理员");
    ctx.organizationName = QStringLiteral("示范公司");
    TMain main;
    main.showOperatorStatus();
    main.showOrganization();
    QCOMPARE(main.statusPanel(0)->text(), QStringLiteral("当前用户: 系统管理员"));
    QVERIFY(main.statusPanel(1)->text().startsWith(QStringLiteral("本机IP地址：")));
    QVERIFY(!main.statusPanel(2)->text().isEmpty());
    QCOMPARE(main.statusPanel(3)->text(), QString());
    const int widths[] = {150, 250, 200, 350};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(main.statusPanel(i)->width(), widths[i]);
    QCOMPARE(main.windowTitle(), QStringLiteral("示范公司Quenlo"));
    QCOMPARE(main.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("示范公司"));
    // a later login does not change them
    ctx.organizationName = QStringLiteral("别的公司");
    main.showOrganization();
    QCOMPARE(main.windowTitle(), QStringLiteral("示范公司Quenlo"));
}

void TestMainWindow::menuInitialisation_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("rebuilt");
    QTest::newRow("both confirmed")
        << QList<int>{int(PromptButton::Ok), int(PromptButton::Ok)} << true;
    QTest::newRow("first cancelled") << QList<int>{int(PromptButton::Cancel)} << false;
    QTest::newRow("second cancelled")
        << QList<int>{int(PromptButton::Ok), int(PromptButton::Cancel)} << false;
}

void TestMainWindow::menuInitialisation()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, rebuilt);
    QUENLO_INSTALLED_DB(db);
    // a stale list: one function too many, grants of another operator
    RunScratchSql(QStringLiteral("insert into gn (bh, mk, cd, mkms, cdms) values (?, ?, ?, ?, ?)"),
                  {999, QStringLiteral("N9"), QStringLiteral("Gone"), QStringLiteral("x"),
                   QStringLiteral("y")});
    RunScratchSql(QStringLiteral("insert into yhgn (yhbh, gnbh) values (?, ?)"), {7, 3});
    ScriptedPrompter prompter;
    for (int a : answers)
        prompter.queueAnswer(PromptButton(a));
    TMain main;
    bool loginShown = false;
    whenDialogOpens([&loginShown](QDialog* d) {
        loginShown = d->objectName() == QLatin1String("TLogin");
        d->reject();
    });
    main.menuAction(QStringLiteral("N32"))->trigger();
    QCoreApplication::processEvents();
    const QStringList texts = prompter.texts();
    QCOMPARE(texts.first(),
             QStringLiteral("在第一次使用软件或所有用户权限重新设置时启用，是否确认？"));
    if (!rebuilt) {
        QCOMPARE(QueryScalar(QStringLiteral("select count(*) from gn where bh = 999")).toInt(), 1);
        QVERIFY(!loginShown);
        return;
    }
    QCOMPARE(texts.at(1), QStringLiteral("即将执行菜单初始化，是否确认？"));
    QCOMPARE(prompter.prompts().at(1).icon, PromptIcon::Question);
    QCOMPARE(texts.at(2), QStringLiteral("菜单初始化完成,请重新登录！"));
    QVERIFY(loginShown);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from yhgn")).toInt(), 0);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from gn")).toInt(),
             int(std::size(Expected)));
    // numbered 1, 2, 3 ... in menu order, separators and hidden items included
    QSqlQuery q = OpenQuerySql(QStringLiteral("select bh, mk, cd from gn order by bh"));
    for (int i = 0; i < int(std::size(Expected)); ++i) {
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), i + 1);
        QCOMPARE(q.value(1).toString(), QString::fromLatin1(Expected[i].top));
        QCOMPARE(q.value(2).toString(), QString::fromLatin1(Expected[i].name));
    }
    QCOMPARE(QueryScalar(QStringLiteral("select cz from czrz order by bh desc")).toString(),
             QStringLiteral("菜单初始化完成"));
}

void TestMainWindow::menuInitialisationFailureEnds()
{
    QUENLO_INSTALLED_DB(db);
    const int functions = QueryScalar(QStringLiteral("select count(*) from gn")).toInt();
    // the grants table is gone: the rebuild fails after emptying gn
    RunScratchSql(QStringLiteral("drop table yhgn"));
    ScriptedPrompter prompter;
    TMain main;
    bool ended = false;
    connect(&main, &TMain::fatalError, this, [&ended] { ended = true; });
    bool loginShown = false;
    whenDialogOpens([&loginShown](QDialog* d) {
        loginShown = true;
        d->reject();
    });
    main.menuAction(QStringLiteral("N32"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(prompter.texts().size(), 3);
    QCOMPARE(prompter.texts().last(), QStringLiteral("菜单初始化失败！"));
    QCOMPARE(prompter.prompts().last().caption, QStringLiteral("提示信息"));
    QVERIFY(ended);
    QVERIFY(!loginShown);
    // the failed rebuild is rolled back: the function list is whole
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from gn")).toInt(), functions);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from czrz where cz = ?"),
                         {QStringLiteral("菜单初始化完成")})
                 .toInt(),
             0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
