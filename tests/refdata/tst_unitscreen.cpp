#include "app/DataFolder.h"
#include "app/OperatorContext.h"
#include "data/Clock.h"
#include "refdata/ui/TFrmSjlrDwxx.h"
#include "refdata/ui/TdwFrm.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/TFrmExcelFileEdit.h"
#include "ui/TMyStatusBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

class TestUnitScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchMessages_data();
    void searchMessages();
    void editorAddsThreeThenEdits();
    void deleteByTheRowKey();
    void addAndEditThroughTheScreen();
    void editorNavigatesAndAsksAboutChanges_data();
    void editorNavigatesAndAsksAboutChanges();
    void screenLayoutAndPrint();
};

namespace {
// Runs `f` on the modal dialog the next exec() opens.
void onNextModal(std::function<void(QWidget*)> f)
{
    QTimer::singleShot(0, [f] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        f(modal);
    });
}

void addUnits(int n)
{
    RunScratchSql(QStringLiteral("delete from grxx"));
    RunScratchSql(QStringLiteral("delete from dwxx"));
    for (int i = 1; i <= n; ++i)
        UnitService::add({0, QStringLiteral("单位%1").arg(i), QStringLiteral("简%1").arg(i)});
}
} // namespace

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
    // undoing a half-typed new unit starts it again empty; the unit saved before is untouched
    editor.edit(QStringLiteral("dwmc"))->setText(QStringLiteral("半"));
    editor.undo();
    QVERIFY(editor.isInserting());
    QVERIFY(editor.edit(QStringLiteral("dwmc"))->text().isEmpty());
    QVERIFY(!editor.isModified());
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

void TestUnitScreen::addAndEditThroughTheScreen()
{
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    addUnits(3);
    ScriptedPrompter prompter;
    TdwFrm screen;
    // three units in one opening of the editor, then "关闭"; the list is reloaded
    onNextModal([](QWidget* w) {
        auto* editor = qobject_cast<TFrmSjlrDwxx*>(w);
        QVERIFY(editor);
        for (int i = 1; i <= 3; ++i) {
            editor->edit(QStringLiteral("dwmc"))->setText(QStringLiteral("新单位%1").arg(i));
            editor->edit(QStringLiteral("dwjc"))->setText(QStringLiteral("新%1").arg(i));
            QVERIFY(editor->save());
        }
        for (auto* b : editor->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("关闭"))
                b->click();
    });
    screen.addUnits();
    QCOMPARE(screen.grid()->model()->totalRows(), 6);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from czrz where cz like ?"),
                         {QStringLiteral("单位信息　增加%")})
                 .toInt(),
             6);
    // editing the second row returns to it after the reload
    screen.grid()->setCurrentRow(1);
    const qint64 id = screen.grid()->currentValue(QStringLiteral("idbh")).toLongLong();
    onNextModal([](QWidget* w) {
        auto* editor = qobject_cast<TFrmSjlrDwxx*>(w);
        QVERIFY(editor);
        QCOMPARE(editor->edit(QStringLiteral("dwmc"))->text(), QStringLiteral("单位2"));
        editor->edit(QStringLiteral("lxr"))->setText(QStringLiteral("王"));
        QVERIFY(editor->save());
        editor->reject();
    });
    screen.editUnit();
    QCOMPARE(screen.grid()->currentRow(), 1);
    QCOMPARE(screen.grid()->currentValue(QStringLiteral("lxr")).toString(), QStringLiteral("王"));
    QCOMPARE(screen.grid()->currentValue(QStringLiteral("idbh")).toLongLong(), id);
    QCOMPARE(prompter.texts().last(), QStringLiteral("数据保存成功！"));
}

void TestUnitScreen::editorNavigatesAndAsksAboutChanges_data()
{
    QTest::addColumn<int>("answer"); // 0 no question expected
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("stored"); // lxr of the first unit afterwards
    QTest::newRow("unchanged: moves without asking") << 0 << true << "";
    QTest::newRow("changed, yes: saves and moves") << int(PromptButton::Yes) << true << "赵";
    QTest::newRow("changed, no: drops and moves") << int(PromptButton::No) << true << "";
    QTest::newRow("changed, cancel: stays") << int(PromptButton::Cancel) << false << "";
}

void TestUnitScreen::editorNavigatesAndAsksAboutChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, moved);
    QFETCH(QString, stored);
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    addUnits(3);
    ScriptedPrompter prompter;
    TdwFrm screen;
    screen.grid()->setCurrentRow(0);
    const qint64 first = screen.grid()->currentValue(QStringLiteral("idbh")).toLongLong();
    TFrmSjlrDwxx editor(first, screen.grid());
    QCOMPARE(editor.navigatorButton(TFrmSjlrDwxx::Move::Next)->toolTip(), QStringLiteral("下一条"));
    if (answer) {
        editor.edit(QStringLiteral("lxr"))->setText(QStringLiteral("赵"));
        prompter.queueAnswer(PromptButton(answer));
    }
    editor.navigatorButton(TFrmSjlrDwxx::Move::Next)->click();
    QCOMPARE(prompter.texts().contains(QStringLiteral("当前正在编辑的数据还未存盘，现在保存吗？")),
             answer != 0);
    QCOMPARE(editor.currentId() != first, moved);
    QCOMPARE(UnitService::load(first)->lxr, stored);
    if (!moved) {
        // undo puts back the shown unit; closing then asks nothing
        editor.undo();
        QVERIFY(!editor.isModified());
        prompter.clear();
        editor.reject();
        QVERIFY(prompter.texts().isEmpty());
        return;
    }
    editor.navigatorButton(TFrmSjlrDwxx::Move::Last)->click();
    QCOMPARE(editor.edit(QStringLiteral("dwmc"))->text(), QStringLiteral("单位3"));
    editor.navigatorButton(TFrmSjlrDwxx::Move::First)->click();
    QCOMPARE(editor.currentId(), first);
    QCOMPARE(screen.grid()->currentRow(), 0);
}

void TestUnitScreen::screenLayoutAndPrint()
{
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
    addUnits(2);
    ScriptedPrompter prompter;
    TdwFrm screen;
    DataGrid* grid = screen.grid();
    QCOMPARE(grid->frozenColumns(), 3);
    QVERIFY(grid->isReadOnly());
    QCOMPARE(grid->footerText(0), QStringLiteral("合计："));
    QCOMPARE(grid->footerText(1), QStringLiteral("2"));
    const QList<QLabel*> panels = screen.statusBar()->findChildren<QLabel*>();
    QCOMPARE(panels.at(0)->text(), QStringLiteral("提示信息："));
    QCOMPARE(panels.at(0)->width(), 100);
    QCOMPARE(screen.statusBar()->findChild<QProgressBar*>()->value(), 0);

    // hide the short name through the column chooser, save, reopen: still hidden
    QMenu* chooser = grid->columnChooser();
    QVERIFY(chooser);
    QCOMPARE(chooser->actions().at(2)->text(), QStringLiteral("单位简称"));
    chooser->actions().at(2)->trigger();
    screen.saveLayout();
    QCOMPARE(prompter.texts().last(), QStringLiteral("显示格式保存成功！"));
    TdwFrm again;
    QVERIFY(again.grid()->view()->isColumnHidden(2));
    QVERIFY(!again.grid()->columnChooser()->actions().at(2)->isChecked());

    const ListPrintJob job = again.printJob();
    QCOMPARE(job.heading, OperatorContext::current().organizationName + QStringLiteral("单位信息"));
    QCOMPARE(job.operatorLine, QStringLiteral("操作员：") +
                                   OperatorContext::current().operatorName +
                                   QStringLiteral("   日期：2026-12-11"));
    QCOMPARE(job.columns.size(), 11); // the hidden column is not printed
    QCOMPARE(job.rows.size(), 2);
    QCOMPARE(job.rows.at(1).at(1), QStringLiteral("单位2"));

    // export through the options menu: the visible columns, every row
    QTemporaryDir out;
    onNextModal([&out](QWidget* w) {
        auto* ask = qobject_cast<TFrmExcelFileEdit*>(w);
        QVERIFY(ask);
        QCOMPARE(ask->nameEdit()->text(), QStringLiteral("单位信息"));
        ask->folderEdit()->setText(out.path() + QLatin1Char('/'));
        ask->okButton()->click();
    });
    again.grid()->optionsMenu()->actions().last()->trigger();
    QCOMPARE(prompter.texts().last(), QStringLiteral("导出EXCEL文件成功！"));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), out.filePath(QStringLiteral("单位信息.xlsx")),
                 QStringLiteral("xl/worksheets/sheet1.xml")});
    QVERIFY(unzip.waitForFinished());
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    QVERIFY(xml.contains(QStringLiteral("<dimension ref=\"A1:K3\"/>")));
    QVERIFY(xml.contains(QStringLiteral("<t>单位2</t>")));
    QVERIFY(!xml.contains(QStringLiteral("<t>单位简称</t>")));
    // a folder that does not exist: the failure with its reason, nothing written
    onNextModal([&out](QWidget* w) {
        auto* ask = qobject_cast<TFrmExcelFileEdit*>(w);
        ask->folderEdit()->setText(out.filePath(QStringLiteral("missing/")));
        ask->okButton()->click();
    });
    again.grid()->optionsMenu()->actions().last()->trigger();
    QVERIFY(prompter.texts().last().startsWith(
        QStringLiteral("导出EXCEL文件操作被用户取消或发生错误！\n目录不存在：")));
    QVERIFY(!QDir(out.filePath(QStringLiteral("missing"))).exists());
    Clock::install(nullptr);
}

QTEST_MAIN(TestUnitScreen)
#include "tst_unitscreen.moc"
