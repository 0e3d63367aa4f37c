#include "policy/ui/PolicyListScreens.h"
#include "policy/ui/PolicyRowDialogs.h"
#include "policy/ui/TNdxtcsManage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

class TestPolicyScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gridSortCycleAndFooter();
    void deductibleScreen();
    void ratioBandScreen();
    void yearListAddsThroughItsDialog();
};

namespace {
// Runs `act` on the next modal dialog of type T once it is open.
template <typename T> void onDialog(std::function<void(T*)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(d);
    });
}

QStringList column(DataGrid* grid, int c)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->data(grid->model()->index(r, c), Qt::DisplayRole).toString();
    return out;
}
} // namespace

void TestPolicyScreens::gridSortCycleAndFooter()
{
    QUENLO_INSTALLED_DB(db);
    for (int y : {2024, 2026, 2025})
        if (y != 2026)
            RunScratchSql(
                QStringLiteral("insert into ndxtcs (xtnd, mzzfxe, zyzfxe) values (?, ?, ?)"),
                {y, 1.0, 2.0});
    ScriptedPrompter prompter;
    TNdxtcs screen;
    screen.show();
    DataGrid* grid = screen.grid();
    QCOMPARE(column(grid, 0), (QStringList{"2024", "2025", "2026"})); // by the year
    grid->sortByTitle(0);
    QCOMPARE(column(grid, 0), (QStringList{"2024", "2025", "2026"}));
    grid->sortByTitle(0);
    QCOMPARE(column(grid, 0), (QStringList{"2026", "2025", "2024"}));
    grid->sortByTitle(0);
    QCOMPARE(column(grid, 0), (QStringList{"2024", "2025", "2026"}));
    QCOMPARE(grid->footerText(0), QStringLiteral("共 3 条"));
}

void TestPolicyScreens::deductibleScreen()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TfrmQfbz screen;
    screen.show();
    QCOMPARE(screen.typeBox()->count(), 2);
    QCOMPARE(screen.typeBox()->currentText(), QStringLiteral("门诊"));
    QTest::keyClicks(screen.amountEdit(), QStringLiteral("3a0b0"));
    QCOMPARE(screen.amountEdit()->text(), QStringLiteral("300"));
    screen.add();
    screen.add(); // the same type again
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("已存在此种起付标准类型，请检查")});
    QCOMPARE(screen.grid()->model()->rowCount(), 1);

    // delete asks first; Cancel keeps the row, OK deletes it
    prompter.clear();
    prompter.queueAnswer(PromptButton::Cancel);
    screen.remove();
    QCOMPARE(screen.grid()->model()->rowCount(), 1);
    prompter.queueAnswer(PromptButton::Ok);
    screen.remove();
    QCOMPARE(prompter.texts(), (QStringList{QStringLiteral("确定要删除此种起付标准类型吗？"),
                                            QStringLiteral("确定要删除此种起付标准类型吗？"),
                                            QStringLiteral("起付标准类型删除成功")}));
    QCOMPARE(screen.grid()->model()->rowCount(), 0);
    prompter.clear();
    screen.remove(); // an empty list asks nothing
    QVERIFY(prompter.prompts().isEmpty());
}

void TestPolicyScreens::ratioBandScreen()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    Tfrmbxbl screen;
    screen.show();
    QCOMPARE(screen.typeBox()->count(), 2); // every expense type of the table
    screen.typeBox()->setCurrentText(QStringLiteral("住院"));
    QTest::keyClicks(screen.boundEdit(), QStringLiteral("50.00"));
    QCOMPARE(screen.boundEdit()->text(), QStringLiteral("5000")); // no decimal point
    screen.ratioEdit()->setText(QStringLiteral("0.8"));
    screen.add();
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("报销比例设置成功")});
    QCOMPARE(screen.grid()->model()->rowCount(), 1);

    // double-click opens the row dialog on the current row
    onDialog<Tfrmsetbxbl>([](Tfrmsetbxbl* d) {
        d->ratioEdit()->setText(QStringLiteral("0.85"));
        d->okButton()->click();
    });
    Q_EMIT screen.grid()->rowActivated(0);
    QCOMPARE(screen.grid()->currentValue(QStringLiteral("zfbl")).toDouble(), 0.85);
}

void TestPolicyScreens::yearListAddsThroughItsDialog()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    TNdxtcs screen;
    screen.show();
    onDialog<TNdxtcsManage>([](TNdxtcsManage* d) {
        d->edit(QStringLiteral("xtnd"))->setText(QStringLiteral("2027"));
        d->edit(QStringLiteral("mzzfxe"))->setText(QStringLiteral("3000"));
        d->edit(QStringLiteral("zyzfxe"))->setText(QStringLiteral("60000"));
        d->okButton()->click();
    });
    screen.insertYear();
    QCOMPARE(screen.grid()->model()->rowCount(), 2);
    QCOMPARE(QueryScalar(QStringLiteral("select cz from czrz")).toString(),
             QStringLiteral("添加年度系统：2027"));
    // the dialog cancelled: nothing changes
    onDialog<TNdxtcsManage>([](TNdxtcsManage* d) { d->reject(); });
    screen.insertYear();
    QCOMPARE(screen.grid()->model()->rowCount(), 2);
}

QTEST_MAIN(TestPolicyScreens)
#include "tst_policyscreens.moc"
