#include "platform/SqlListModel.h"
#include "support/TestDatabase.h"

#include <QTest>

class TestSqlListModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void largeResultIsFetchedInPagesWithSumsOverAll();
    void sortingRunsInTheDatabase_data();
    void sortingRunsInTheDatabase();
    void boundValuesFilter();
};

namespace {
// n persons with mzlj = i cents and names cycling through three values
void fillPersons(int n)
{
    Transaction t;
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("insert into grxx (dwid, xm, mzlj) values (?, ?, ?)"));
    const QStringList names{QStringLiteral("乙"), QStringLiteral("甲"), QStringLiteral("丙")};
    for (int i = 1; i <= n; ++i) {
        q.addBindValue(i % 7);
        q.addBindValue(names.at(i % 3));
        q.addBindValue(qlonglong(i));
        QVERIFY(q.exec());
    }
    t.commit();
}

const QList<GridColumn> Columns{GridColumn::integer("idbh", "编号"), GridColumn::text("xm", "姓名"),
                                GridColumn::money("mzlj", "门诊报销累计", true)};
} // namespace

void TestSqlListModel::largeResultIsFetchedInPagesWithSumsOverAll()
{
    QUENLO_INSTALLED_DB(db);
    const int n = 100000;
    fillPersons(n);
    SqlListModel model;
    model.setQuery(QStringLiteral("select idbh, xm, mzlj from grxx"), {}, Columns);
    QCOMPARE(model.totalRows(), n);
    QCOMPARE(model.rowCount(), SqlListModel::PageSize);
    // sum of 1..n cents, exact
    QCOMPARE(model.footerSum(2).toLongLong(), qlonglong(n) * (n + 1) / 2);
    QCOMPARE(model.displayText(2, model.footerSum(2)), QStringLiteral("50000500.00"));
    QVERIFY(model.canFetchMore({}));
    model.fetchMore({});
    QCOMPARE(model.rowCount(), 2 * SqlListModel::PageSize);
    QCOMPARE(model.data(model.index(SqlListModel::PageSize, 2), Qt::DisplayRole).toString(),
             QStringLiteral("2.57"));
}

void TestSqlListModel::sortingRunsInTheDatabase_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("amount descending") << 2 << int(Qt::DescendingOrder) << "6.00"
                                       << "0.01";
    QTest::newRow("number ascending") << 0 << int(Qt::AscendingOrder) << "1"
                                      << "600";
}

void TestSqlListModel::sortingRunsInTheDatabase()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QUENLO_INSTALLED_DB(db);
    fillPersons(600);
    SqlListModel model;
    model.setQuery(QStringLiteral("select idbh, xm, mzlj from grxx"), {}, Columns);
    model.sort(column, Qt::SortOrder(order));
    while (model.canFetchMore({}))
        model.fetchMore({});
    QCOMPARE(model.rowCount(), 600);
    QCOMPARE(model.data(model.index(0, column), Qt::DisplayRole).toString(), first);
    QCOMPARE(model.data(model.index(599, column), Qt::DisplayRole).toString(), last);
    // pages neither repeat nor skip rows
    QSet<qlonglong> seen;
    for (int r = 0; r < 600; ++r)
        seen.insert(model.value(r, QStringLiteral("idbh")).toLongLong());
    QCOMPARE(seen.size(), 600);
}

void TestSqlListModel::boundValuesFilter()
{
    QUENLO_INSTALLED_DB(db);
    fillPersons(30);
    SqlListModel model;
    model.setQuery(QStringLiteral("select idbh, xm, mzlj from grxx where xm = ?"),
                   {QStringLiteral("甲")}, Columns);
    QCOMPARE(model.totalRows(), 10);
    model.setQuery(QStringLiteral("select idbh, xm, mzlj from grxx where xm like ?"),
                   {QStringLiteral("%'%")}, Columns);
    QCOMPARE(model.totalRows(), 0);
    QCOMPARE(model.footerSum(2).isNull(), true);
}

QTEST_GUILESS_MAIN(TestSqlListModel)
#include "tst_sqllistmodel.moc"
