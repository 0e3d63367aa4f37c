#include "app/DataFolder.h"
#include "refdata/ui/TFrmSjlrDwxx.h"
#include "refdata/ui/TdwFrm.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestUnitScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchMessages_data();
    void searchMessages();
    void editorAddsThreeThenEdits();
    void deleteByTheRowKey();
};

void TestUnitScreen::searchMessages_data()
{
    QTest::addColumn<bool>("byNumber");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("rows");
    QTest::newRow("empty number") << true << "  "
                                  << "请输入单位编号！" << 2;
    QTest::newRow("not a number") << true << "1a"
                                  << "单位编号只能是数字！" << 2;
    QTest::newRow("empty name") << false << ""
                                << "请输入单位名称，支持模糊查询！" << 2;
    QTest::newRow("name part") << false << "乙"
                               << "" << 1;
}

void TestUnitScreen::searchMessages()
{
    QFETCH(bool, byNumber);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, rows);
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    RunScratchSql(QStringLiteral("delete from dwxx"));
    UnitService::add({0, QStringLiteral("甲厂"), QStringLiteral("甲")});
    UnitService::add({0, QStringLiteral("乙厂"), QStringLiteral("乙")});
    ScriptedPrompter prompter;
    TdwFrm screen;
    (byNumber ? screen.numberEdit() : screen.nameEdit())->setText(text);
    byNumber ? screen.searchByNumber() : screen.searchByName();
    QCOMPARE(prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(screen.grid()->model()->totalRows(), rows);
}

void TestUnitScreen::editorAddsThreeThenEdits()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TFrmSjlrDwxx editor(0);
    editor.edit(QStringLiteral("dwmc"))->setText(QStringLiteral(""));
    editor.edit(QStringLiteral("dwjc"))->setText(QStringLiteral("简"));
    QVERIFY(!editor.save());
    QCOMPARE(prompter.texts().last(), QStringLiteral("单位名称或单位简称不能为空！"));
    QCOMPARE(editor.edit(QStringLiteral("dwmc"))->maxLength(), 60);
    for (int i = 1; i <= 3; ++i) {
        editor.edit(QStringLiteral("dwmc"))->setText(QStringLiteral("单位%1").arg(i));
        editor.edit(QStringLiteral("dwjc"))->setText(QStringLiteral("简%1").arg(i));
        QVERIFY(editor.save());
        QCOMPARE(prompter.texts().last(), QStringLiteral("单位添加成功！"));
        QVERIFY(editor.edit(QStringLiteral("dwmc"))->text().isEmpty());
    }
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from czrz where cz like ?"),
                         {QStringLiteral("单位信息　增加%")})
                 .toInt(),
             3);
    const qint64 id = QueryScalar(QStringLiteral("select max(idbh) from dwxx")).toLongLong();
    TFrmSjlrDwxx change(id);
    QCOMPARE(change.edit(QStringLiteral("dwmc"))->text(), QStringLiteral("单位3"));
    change.edit(QStringLiteral("lxr"))->setText(QStringLiteral("王"));
    QVERIFY(change.save());
    QCOMPARE(prompter.texts().last(), QStringLiteral("数据保存成功！"));
    QCOMPARE(UnitService::load(id)->lxr, QStringLiteral("王"));
}

void TestUnitScreen::deleteByTheRowKey()
{
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    RunScratchSql(QStringLiteral("delete from grxx"));
    RunScratchSql(QStringLiteral("delete from dwxx"));
    const qint64 kept = UnitService::add({0, QStringLiteral("有人"), QStringLiteral("有")});
    const qint64 gone = UnitService::add({0, QStringLiteral("无人"), QStringLiteral("无")});
    RunScratchSql(QStringLiteral("insert into grxx (dwid, xm) values (?, ?)"),
                  {kept, QStringLiteral("张")});
    ScriptedPrompter prompter;
    TdwFrm screen;
    // The operator moved the name column to the front: deletion still uses the row's key.
    screen.grid()->view()->horizontalHeader()->moveSection(1, 0);
    screen.grid()->setCurrentRow(0);
    prompter.queueAnswer(PromptButton::Ok);
    screen.deleteUnit();
    QCOMPARE(
        prompter.texts().last(),
        QStringLiteral("该单位有人员信息，不能进行删除。请删除该单位所有人员后再重新进行操作！"));
    screen.grid()->setCurrentRow(1);
    prompter.queueAnswer(PromptButton::Cancel);
    screen.deleteUnit();
    QVERIFY(UnitService::load(gone));
    prompter.queueAnswer(PromptButton::Ok);
    screen.deleteUnit();
    QVERIFY(!UnitService::load(gone));
    QCOMPARE(screen.grid()->model()->totalRows(), 1);
    // The layout is saved and kept by the next opening.
    screen.saveLayout();
    QCOMPARE(prompter.texts().last(), QStringLiteral("显示格式保存成功！"));
    TdwFrm again;
    QCOMPARE(again.grid()->layout().at(0).field, QStringLiteral("dwmc"));
}

QTEST_MAIN(TestUnitScreen)
#include "tst_unitscreen.moc"
