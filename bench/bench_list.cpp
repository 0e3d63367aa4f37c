// Opens, sorts and pages a list of 100 000 persons on a fresh SQLite file and prints the times.
#include "BenchDatabase.h"
#include "data/Database.h"
#include "platform/SqlListModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    if (!openBenchDatabase(dir))
        return 1;
    QElapsedTimer t;
    t.start();
    {
        Transaction tx;
        QSqlQuery q(Database::connection());
        q.prepare(QStringLiteral(
            "insert into grxx (dwid, xm, gmsfhm, mzlj, zylj) values (?, ?, ?, ?, ?)"));
        for (int i = 0; i < rows; ++i) {
            q.addBindValue(i % 50);
            q.addBindValue(QStringLiteral("人员%1").arg(i % 1000));
            q.addBindValue(QStringLiteral("3301%1").arg(i, 14, 10, QLatin1Char('0')));
            q.addBindValue(qlonglong(i % 100000));
            q.addBindValue(qlonglong((i * 7) % 500000));
            q.exec();
        }
        tx.commit();
    }
    std::printf("insert %d persons: %lld ms\n", rows, t.restart());
    const QList<GridColumn> columns{
        GridColumn::integer("idbh", "编号"), GridColumn::text("xm", "姓名"),
        GridColumn::text("gmsfhm", "身份证号"), GridColumn::money("mzlj", "门诊累计", true),
        GridColumn::money("zylj", "住院累计", true)};
    SqlListModel model;
    model.setQuery(QStringLiteral("select idbh, xm, gmsfhm, mzlj, zylj from grxx"), {}, columns);
    std::printf("open (count, two sums, first page): %lld ms, %d rows, footer %s\n", t.restart(),
                model.totalRows(), qPrintable(model.displayText(3, model.footerSum(3))));
    model.sort(3, Qt::DescendingOrder);
    std::printf("sort by an amount (unindexed): %lld ms\n", t.restart());
    while (model.rowCount() < 10000)
        model.fetchMore({});
    std::printf("scroll to row 10000 (%d rows held): %lld ms\n", model.rowCount(), t.restart());
    while (model.canFetchMore({}))
        model.fetchMore({});
    std::printf("scroll to the end (%d rows held): %lld ms\n", model.rowCount(), t.restart());
    return 0;
}
