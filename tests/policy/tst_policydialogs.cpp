#include "app/ui/ScreenRegistry.h"
#include "app/ui/Screens.h"
#include "policy/ui/PolicyRowDialogs.h"
#include "policy/ui/TGdxtcs.h"
#include "policy/ui/TNdxtcsManage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestPolicyDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentYearScreen();
    void yearDialogKeysAndRefusals();
    void yearDialogAddsAndCloses_data();
    void yearDialogAddsAndCloses();
    void modifyKeepsTheYearDisabled();
    void rowDialogs();
};

void TestPolicyDialogs::currentYearScreen()
{
    QUENLO_INSTALLED_DB(db);
    RegisterScreens();
    QVERIFY(ScreenRegistry::contains(QStringLiteral("TGdxtcs")));
    TGdxtcs screen;
    auto* year = screen.findChild<QLineEdit*>(QStringLiteral("DBEdit1"));
    QCOMPARE(year->text(), QStringLiteral("2026"));
    QVERIFY(!year->isEnabled());
    QCOMPARE(screen.windowTitle(), QStringLiteral("当前年度"));
}

void TestPolicyDialogs::yearDialogKeysAndRefusals()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TNdxtcsManage dialog(TNdxtcsManage::Mode::Add, {});
    dialog.show();
    QLineEdit* year = dialog.edit(QStringLiteral("xtnd"));
    QTest::keyClicks(year, QStringLiteral("2a0.2x7"));
    QCOMPARE(year->text(), QStringLiteral("20.2")); // letters discarded, at most four characters
    year->setText(QStringLiteral("2027"));
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(dialog.focusWidget(), dialog.edit(QStringLiteral("mzzfxe")));
    dialog.okButton()->click();
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("门诊支付限额不能为空，请重新输入")});
    QCOMPARE(prompter.prompts().first().caption, QStringLiteral("提示"));
    QCOMPARE(dialog.focusWidget(), dialog.edit(QStringLiteral("mzzfxe")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from ndxtcs")).toInt(), 1);
}

void TestPolicyDialogs::yearDialogAddsAndCloses_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("new year") << "2027" << true << QStringList{};
    QTest::newRow("year with a point")
        << "20.5" << false << QStringList{QStringLiteral("保存失败，请检查输入的参数")};
}

void TestPolicyDialogs::yearDialogAddsAndCloses()
{
    QFETCH(QString, year);
    QFETCH(bool, stored);
    QFETCH(QStringList, messages);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TNdxtcsManage dialog(TNdxtcsManage::Mode::Add,
                         {year, QStringLiteral("3000"), QStringLiteral("60000"), {}});
    dialog.show();
    dialog.okButton()->click();
    QCOMPARE(prompter.texts(), messages);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), stored ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from ndxtcs")).toInt(), stored ? 2 : 1);
}

void TestPolicyDialogs::modifyKeepsTheYearDisabled()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TNdxtcsManage dialog(TNdxtcsManage::Mode::Modify, {QStringLiteral("2026"), QStringLiteral("0"),
                                                       QStringLiteral("0"), QStringLiteral("0")});
    QVERIFY(!dialog.edit(QStringLiteral("xtnd"))->isEnabled());
    dialog.edit(QStringLiteral("zyzfxe"))->setText(QStringLiteral("45000"));
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(
        QueryScalar(QStringLiteral("select zyzfxe from ndxtcs where xtnd = ?"), {2026}).toDouble(),
        45000.0);
}

void TestPolicyDialogs::rowDialogs()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    RunScratchSql(QStringLiteral("insert into qfbz (fylx, qfbz) values (?, ?)"),
                  {QStringLiteral("住院"), 1000});
    RunScratchSql(QStringLiteral("insert into bxbl (fylx, zfje, zfbl) values (?, ?, ?)"),
                  {QStringLiteral("住院"), 5000, 0.8});
    const int bh = QueryScalar(QStringLiteral("select bh from qfbz")).toInt();
    Tfrmsetqfbz deductible(bh, QStringLiteral("住院"), 1000);
    QCOMPARE(deductible.windowTitle(), QStringLiteral("修改起付标准"));
    deductible.amountEdit()->setText(QStringLiteral("1200"));
    deductible.okButton()->click();
    QCOMPARE(deductible.result(), int(QDialog::Accepted));
    QCOMPARE(QueryScalar(QStringLiteral("select qfbz from qfbz")).toInt(), 1200);

    Tfrmsetbxbl band(QStringLiteral("住院"), 5000, 0.8);
    QCOMPARE(band.windowTitle(), QStringLiteral("修改报销比例"));
    QCOMPARE(band.ratioEdit()->maxLength(), 4);
    band.boundEdit()->setText(QStringLiteral("6000"));
    band.ratioEdit()->setText(QStringLiteral("0.85"));
    band.okButton()->click();
    QCOMPARE(band.result(), int(QDialog::Accepted));
    QSqlQuery q = OpenQuerySql(QStringLiteral("select zfje, zfbl from bxbl"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 6000);
    QCOMPARE(q.value(1).toDouble(), 0.85);
    QVERIFY(prompter.prompts().isEmpty());
}

QTEST_MAIN(TestPolicyDialogs)
#include "tst_policydialogs.moc"
