#include "app/DataFolder.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/GridHeader.h"
#include "ui/TFrmSetColumn.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestDataGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleSortRules_data();
    void titleSortRules();
    void footerTexts();
    void optionsMenuOpensOverTitlesOnly_data();
    void optionsMenuOpensOverTitlesOnly();
    void userStoreRoundTrip();
    void columnDialogAndChooser();
    void frozenColumnsFollowTheLayout();
    void twoLevelTitlesAndCellColours();
    void exportFollowsSelectionAndLayout_data();
    void exportFollowsSelectionAndLayout();
    void layoutRoundTripThroughGridIni();
};

namespace {
const QList<GridColumn> Columns{GridColumn::integer("idbh", "编号"), GridColumn::text("xm", "姓名"),
                                GridColumn::money("mzlj", "门诊报销累计", true)};
const QString Sql = QStringLiteral("select idbh, xm, mzlj from grxx");

void fill()
{
    const QStringList names{QStringLiteral("乙"), QStringLiteral("甲"), QStringLiteral("丙"),
                            QStringLiteral("丁")};
    for (int i = 0; i < names.size(); ++i)
        RunScratchSql(QStringLiteral("insert into grxx (dwid, xm, mzlj) values (?, ?, ?)"),
                      {1, names.at(i), qlonglong((i + 1) * 150)});
}

QStringList csvLines(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
} // namespace

Q_DECLARE_METATYPE(DataGrid::SortRule)

void TestDataGrid::titleSortRules_data()
{
    QTest::addColumn<DataGrid::SortRule>("rule");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("column"); // sorted column afterwards, -1 unsorted
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("first"); // name on the first row
    using R = DataGrid::SortRule;
    QTest::newRow("cycle: once ascending")
        << R::Cycle << QList<int>{2} << 2 << Qt::AscendingOrder << "乙";
    QTest::newRow("cycle: twice descending")
        << R::Cycle << QList<int>{2, 2} << 2 << Qt::DescendingOrder << "丁";
    QTest::newRow("cycle: thrice back to the design")
        << R::Cycle << QList<int>{2, 2, 2} << -1 << Qt::AscendingOrder << "乙";
    QTest::newRow("cycle: another column starts ascending")
        << R::Cycle << QList<int>{2, 2, 1} << 1 << Qt::AscendingOrder << "丁";
    QTest::newRow("toggle: thrice ascending again")
        << R::AscendingThenDescending << QList<int>{2, 2, 2} << 2 << Qt::AscendingOrder << "乙";
    QTest::newRow("toggle: twice descending")
        << R::AscendingThenDescending << QList<int>{1, 1} << 1 << Qt::DescendingOrder << "甲";
}

void TestDataGrid::titleSortRules()
{
    QFETCH(DataGrid::SortRule, rule);
    QFETCH(QList<int>, clicks);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, first);
    QUENLO_INSTALLED_DB(db);
    fill();
    DataGrid grid;
    grid.setSortRule(rule);
    QVERIFY(grid.setQuery(Sql, {}, Columns, QStringLiteral("idbh")));
    for (int c : clicks)
        grid.sortByTitle(c);
    QCOMPARE(grid.model()->sortColumn(), column);
    if (column >= 0)
        QCOMPARE(grid.model()->sortOrder(), order);
    QCOMPARE(grid.view()->horizontalHeader()->sortIndicatorSection(), column);
    QCOMPARE(grid.model()->value(0, QStringLiteral("xm")).toString(), first);
    // An empty list ignores title clicks.
    QVERIFY(grid.setQuery(Sql + QStringLiteral(" where idbh < 0"), {}, Columns));
    grid.sortByTitle(2);
    QCOMPARE(grid.model()->sortColumn(), -1);
}

void TestDataGrid::footerTexts()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    DataGrid grid;
    // without any footer the first column counts the rows
    QVERIFY(grid.setQuery(Sql, {}, {Columns.at(0), Columns.at(1)}));
    QCOMPARE(grid.footerText(0), QStringLiteral("共 4 条"));
    QVERIFY(grid.setQuery(
        Sql, {},
        {Columns.at(0).withFooterText("合计："), Columns.at(1).withCount(), Columns.at(2)}));
    QCOMPARE(grid.footerText(0), QStringLiteral("合计："));
    QCOMPARE(grid.footerText(1), QStringLiteral("4"));
    QCOMPARE(grid.footerText(2), QStringLiteral("15.00"));
}

void TestDataGrid::optionsMenuOpensOverTitlesOnly_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right button over the titles") << "title" << true << true;
    QTest::newRow("left button over the corner") << "corner" << true << true;
    QTest::newRow("right button over a cell") << "cell" << true << false;
    QTest::newRow("titles of a closed list") << "title" << false << false;
}

void TestDataGrid::optionsMenuOpensOverTitlesOnly()
{
    QFETCH(QString, where);
    QFETCH(bool, open);
    QFETCH(bool, opens);
    QUENLO_INSTALLED_DB(db);
    fill();
    QDialog form;
    DataGrid grid(&form);
    form.resize(500, 300);
    grid.resize(500, 300);
    if (open)
        QVERIFY(grid.setQuery(Sql, {}, Columns));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QMenu* menu = grid.optionsMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("OptionsMenu"));
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(captions, (QStringList{"打印表格", "-", "恢复表格格式", "保存表格格式", "-",
                                    "显示/隐藏列", "-", "导出表格"}));
    if (where == QLatin1String("title"))
        QTest::mouseRelease(grid.view()->horizontalHeader()->viewport(), Qt::RightButton, {},
                            QPoint(20, 5));
    else if (where == QLatin1String("corner"))
        QTest::mouseRelease(grid.view()->findChild<QAbstractButton*>(), Qt::LeftButton);
    else
        QTest::mouseRelease(grid.view()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    QCOMPARE(menu->isVisible(), opens);
    menu->hide();
    // each entry reports its caption when carried out
    QSignalSpy spy(&grid, &DataGrid::menuAction);
    menu->actions().at(2)->trigger();
    QCOMPARE(spy.value(0).value(0).toString(), QStringLiteral("恢复表格格式"));
}

void TestDataGrid::userStoreRoundTrip()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    QTemporaryDir dir;
    LayoutStore::setUserStoreFile(dir.filePath(QStringLiteral("GridSave.ini")));
    const QString longTitle = QString(85, QLatin1Char('t'));
    {
        QDialog form;
        DataGrid grid(&form);
        grid.resize(800, 300);
        QVERIFY(grid.setQuery(Sql, {}, {Columns.at(0), Columns.at(1), Columns.at(2)}));
        QCOMPARE(grid.gridKey(), QStringLiteral("QDialogDBGridEh1"));
        grid.view()->horizontalHeader()->moveSection(2, 0);
        grid.setColumnVisible(1, false);
        grid.view()->setColumnWidth(0, 47);
        grid.setColumnTitle(0, longTitle);
        QVERIFY(grid.saveUserLayout());
        // a read-only grid does not save
        grid.setReadOnly(true);
        grid.setColumnVisible(1, true);
        QVERIFY(!grid.saveUserLayout());
    }
    QSettings stored(LayoutStore::userStoreFile(), QSettings::IniFormat);
    const QString key = QStringLiteral("Software/Microsoft/Velsorin/GridSave/QDialogDBGridEh1/");
    QVERIFY(stored.contains(key + QStringLiteral("最后更新时间")));
    QVERIFY(stored.value(key + QStringLiteral("0001")).toString().contains(longTitle));
    QVERIFY(stored.value(key + QStringLiteral("0002"))
                .toString()
                .startsWith(QStringLiteral("xm          @90  @F ")));

    // The query lost xm and gained dwid; amounts become sums, the key is excluded.
    QDialog form;
    DataGrid grid(&form);
    grid.resize(800, 300);
    grid.setSumExcludedFields({QStringLiteral("idbh")});
    QVERIFY(grid.setQuery(QStringLiteral("select idbh, mzlj, dwid from grxx"), {},
                          {Columns.at(0).withFooterText("合计："),
                           GridColumn::money("mzlj", "门诊报销累计"),
                           GridColumn::integer("dwid", "单位")}));
    QVERIFY(grid.restoreUserLayout());
    const QList<ColumnLayout> l = grid.layout();
    QCOMPARE(l.size(), 3);
    QCOMPARE(l.at(0).field, QStringLiteral("mzlj"));
    QCOMPARE(l.at(1).field, QStringLiteral("idbh"));
    QCOMPARE(l.at(1).width, 47);
    QCOMPARE(l.at(1).title, longTitle);
    QCOMPARE(l.at(2).field, QStringLiteral("dwid"));
    // footers by the model's columns: the key takes its stored (empty) footer
    QCOMPARE(grid.footerText(0), QString());
    QCOMPARE(grid.footerText(1), QStringLiteral("15.00"));
    QCOMPARE(grid.footerText(2), QString());
    LayoutStore::setUserStoreFile({});
}

void TestDataGrid::columnDialogAndChooser()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    LayoutStore::setUserStoreFile(dir.filePath(QStringLiteral("GridSave.ini")));
    QDialog form;
    DataGrid grid(&form);
    QVERIFY(grid.setQuery(Sql, {}, Columns));
    {
        TFrmSetColumn dialog(&grid);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设置表格列属性"));
        QCOMPARE(dialog.columnList()->count(), 3);
        QCOMPARE(dialog.columnList()->item(1)->text(), QStringLiteral("xm"));
        QVERIFY(!dialog.autoSave()->isChecked()); // nothing stored yet
        QVERIFY(!dialog.okButton()->isEnabled() && !dialog.applyButton()->isEnabled());
        dialog.columnList()->item(1)->setCheckState(Qt::Unchecked);
        dialog.columnList()->setCurrentRow(2);
        QCOMPARE(dialog.titleEdit()->text(), QStringLiteral("门诊报销累计"));
        QTest::keyClicks(dialog.titleEdit(), QStringLiteral("(A)"));
        dialog.columnList()->setCurrentRow(0); // leaving the edit keeps the new title
        QVERIFY(dialog.applyButton()->isEnabled());
        dialog.apply();
        QVERIFY(!dialog.applyButton()->isEnabled());
        QVERIFY(grid.view()->isColumnHidden(1));
        QCOMPARE(grid.model()->columns().at(2).title, QStringLiteral("门诊报销累计(A)"));
        dialog.autoSave()->setChecked(true);
        dialog.confirm();
    }
    QVERIFY(LayoutStore::hasUser(grid.gridKey()));
    TFrmSetColumn again(&grid);
    QVERIFY(again.autoSave()->isChecked());
    QCOMPARE(again.columnList()->item(1)->checkState(), Qt::Unchecked);

    // The column chooser: one ticked item per column; unticking hides, ticking shows.
    grid.prepareColumns(QStringLiteral("Grid.ini"), QStringLiteral("dwxx"));
    QMenu* chooser = grid.columnChooser();
    QCOMPARE(chooser->objectName(), QStringLiteral("pmField"));
    QCOMPARE(chooser->actions().size(), 3);
    QVERIFY(!chooser->actions().at(1)->isChecked());
    chooser->actions().at(1)->trigger();
    QVERIFY(!grid.view()->isColumnHidden(1));
    chooser->actions().at(0)->trigger();
    QVERIFY(grid.view()->isColumnHidden(0));
    LayoutStore::setUserStoreFile({});
}

void TestDataGrid::frozenColumnsFollowTheLayout()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    QDialog form;
    DataGrid grid(&form);
    form.resize(300, 200);
    grid.resize(300, 200);
    QVERIFY(grid.setQuery(
        QStringLiteral("select idbh, xm, mzlj, dwid from grxx"), {},
        {Columns.at(0), Columns.at(1), Columns.at(2), GridColumn::integer("dwid", "单位", 400)}));
    grid.setFrozenColumns(2);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTableView* frozen = grid.frozenView();
    auto frozenFields = [&] {
        QStringList out;
        for (int v = 0; v < 4; ++v) {
            const int l = frozen->horizontalHeader()->logicalIndex(v);
            if (!frozen->isColumnHidden(l))
                out << grid.model()->columns().at(l).field;
        }
        return out;
    };
    QCOMPARE(frozenFields(), (QStringList{"idbh", "xm"}));
    grid.setColumnVisible(0, false); // the next visible column moves in
    QCOMPARE(frozenFields(), (QStringList{"xm", "mzlj"}));
    grid.view()->horizontalHeader()->moveSection(3, 0);
    QCOMPARE(frozenFields(), (QStringList{"dwid", "xm"}));
    QCOMPARE(frozen->width(), 400 + grid.view()->columnWidth(1));
    frozen->setColumnWidth(1, 150); // resizing in the frozen part resizes the list's column
    QCOMPARE(grid.view()->columnWidth(1), 150);
    QCOMPARE(frozen->width(), 550);
    // scrolling the list sideways leaves the frozen part in place
    grid.view()->horizontalScrollBar()->setValue(grid.view()->horizontalScrollBar()->maximum());
    QCOMPARE(frozen->horizontalHeader()->sectionViewportPosition(3), 0);
}

void TestDataGrid::twoLevelTitlesAndCellColours()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    DataGrid grid;
    grid.resize(500, 300);
    QVERIFY(grid.setQuery(Sql, {}, Columns));
    auto* header = static_cast<GridHeader*>(grid.view()->horizontalHeader());
    QVERIFY(!header->isTwoLevel());
    const int oneLevel = header->sizeHint().height();
    grid.setColumnTitle(1, QStringLiteral("门诊费用|姓名"));
    grid.setColumnTitle(2, QStringLiteral("门诊费用|医疗费用累计"));
    QVERIFY(header->isTwoLevel());
    QVERIFY(header->sizeHint().height() > oneLevel);
    QCOMPARE(header->groupSpan(2), qMakePair(1, 2));
    QCOMPARE(header->groupSpan(0), qMakePair(0, 0));
    QCOMPARE(GridHeader::splitTitle(QStringLiteral("门诊费用|医疗费用累计")),
             qMakePair(QStringLiteral("门诊费用"), QStringLiteral("医疗费用累计")));

    // Striped by default: the first row white, the second lavender; selected cells red text.
    const QPalette pal = grid.palette();
    QCOMPARE(DataGrid::stripedCell(grid.model()->index(0, 0), false, pal).background,
             QColor(Qt::white));
    QCOMPARE(DataGrid::stripedCell(grid.model()->index(1, 0), false, pal).background,
             QColor(244, 241, 255));
    QCOMPARE(DataGrid::stripedCell(grid.model()->index(1, 0), true, pal).text, QColor(Qt::red));
    // A screen's own colours reach the painted cells.
    grid.setCellStyle([](const QModelIndex& i, bool, const QPalette&) {
        return DataGrid::CellColours{i.column() == 1 ? QColor(0, 128, 0) : QColor(Qt::white),
                                     QColor(Qt::black)};
    });
    grid.view()->clearSelection();
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.view()->viewport()->grab().toImage();
    const QRect cell = grid.view()->visualRect(grid.model()->index(1, 1));
    QCOMPARE(shot.pixelColor(cell.topLeft() + QPoint(2, 2)), QColor(0, 128, 0));
}

void TestDataGrid::exportFollowsSelectionAndLayout_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one selected: every row, shown order")
        << QList<int>{1} << QStringList{"丁", "丙", "甲", "乙"};
    QTest::newRow("two selected: those rows") << QList<int>{0, 2} << QStringList{"丁", "甲"};
}

void TestDataGrid::exportFollowsSelectionAndLayout()
{
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, names);
    QUENLO_INSTALLED_DB(db);
    fill();
    DataGrid grid;
    QVERIFY(grid.setQuery(Sql, {}, Columns));
    grid.sortByTitle(2);
    grid.sortByTitle(2); // descending by amount
    grid.view()->setColumnHidden(0, true);
    grid.view()->horizontalHeader()->moveSection(2, 0); // amount first
    grid.view()->clearSelection();
    for (int r : selected)
        grid.view()->selectionModel()->select(
            grid.model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    QVERIFY2(grid.exportTo(path, &error), qPrintable(error));
    const QStringList lines = csvLines(path);
    QCOMPARE(lines.at(0), QStringLiteral("门诊报销累计,姓名"));
    QStringList got;
    for (int i = 1; i < lines.size(); ++i)
        got << lines.at(i).section(QLatin1Char(','), 1, 1);
    QCOMPARE(got, names);
    QCOMPARE(lines.at(1), QStringLiteral("6.00,丁"));
}

void TestDataGrid::layoutRoundTripThroughGridIni()
{
    QUENLO_INSTALLED_DB(db);
    QTemporaryDir dir;
    DataFolder::setCurrent(dir.path());
    {
        DataGrid grid;
        QVERIFY(grid.setQuery(Sql, {}, Columns));
        grid.view()->horizontalHeader()->moveSection(2, 0);
        grid.view()->setColumnHidden(1, true);
        grid.view()->setColumnWidth(0, 47);
        grid.model()->setColumnTitle(0, QString(85, QLatin1Char('t')));
        QVERIFY(grid.saveLayout(QStringLiteral("Grid.ini"), QStringLiteral("dwxx")));
    }
    // The query lost xm and gained dwid.
    DataGrid grid;
    QVERIFY(grid.setQuery(QStringLiteral("select idbh, mzlj, dwid from grxx"), {},
                          {Columns.at(0), Columns.at(2), GridColumn::integer("dwid", "单位")}));
    grid.restoreLayout(QStringLiteral("Grid.ini"), QStringLiteral("DWXX"));
    const QList<ColumnLayout> l = grid.layout();
    QCOMPARE(l.size(), 3);
    QCOMPARE(l.at(0).field, QStringLiteral("mzlj"));
    QCOMPARE(l.at(1).field, QStringLiteral("idbh"));
    QCOMPARE(l.at(1).width, 47);
    QCOMPARE(l.at(1).title, QString(85, QLatin1Char('t')));
    QCOMPARE(l.at(2).field, QStringLiteral("dwid"));
    QVERIFY(l.at(2).visible);
    // A missing file leaves the design as it is.
    DataGrid fresh;
    QVERIFY(fresh.setQuery(Sql, {}, Columns));
    fresh.restoreLayout(QStringLiteral("none.ini"), QStringLiteral("dwxx"));
    QCOMPARE(fresh.layout().at(0).field, QStringLiteral("idbh"));
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
