#include "app/DataFolder.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestDataGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleSortCycle();
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

void TestDataGrid::titleSortCycle()
{
    QUENLO_INSTALLED_DB(db);
    fill();
    DataGrid grid;
    QVERIFY(grid.setQuery(Sql, {}, Columns));
    grid.sortByTitle(2);
    QCOMPARE(grid.model()->value(0, QStringLiteral("xm")).toString(), QStringLiteral("乙"));
    grid.sortByTitle(2);
    QCOMPARE(grid.model()->value(0, QStringLiteral("xm")).toString(), QStringLiteral("丁"));
    grid.sortByTitle(2);
    QCOMPARE(grid.model()->sortOrder(), Qt::AscendingOrder);
    grid.sortByTitle(1); // another column starts ascending
    QCOMPARE(grid.model()->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(grid.footerText(2), QStringLiteral("15.00"));
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
