// Opens the unit list on 100 000 units of a fresh SQLite file and exports it to .xlsx and
// .csv through the list export; prints the times and file sizes.
#include "BenchDatabase.h"
#include "data/Database.h"
#include "platform/SheetExport.h"
#include "platform/SqlListModel.h"
#include "refdata/UnitService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
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
        q.prepare(QStringLiteral("insert into dwxx (dwmc, dwjc, dwdz, khyhmc, khyhzh, lxr, lxdh) "
                                 "values (?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < rows; ++i) {
            q.addBindValue(QStringLiteral("示范单位%1").arg(i));
            q.addBindValue(QStringLiteral("单位%1").arg(i));
            q.addBindValue(QStringLiteral("建设路%1号").arg(i % 500));
            q.addBindValue(QStringLiteral("工商银行"));
            q.addBindValue(QStringLiteral("6222%1").arg(i, 10, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("王丽"));
            q.addBindValue(QStringLiteral("0571-%1").arg(i));
            q.exec();
        }
        tx.commit();
    }
    std::printf("insert %d units: %lld ms\n", rows, t.restart());
    const auto list = UnitService::all();
    SqlListModel model;
    model.setQuery(list.sql, list.values, UnitService::columns());
    std::printf("open the unit list (count and first page): %lld ms, %d rows\n", t.restart(),
                model.totalRows());
    for (const char* name : {"units.xlsx", "units.csv"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        t.restart();
        const bool ok = SheetExport::writeQuery(path, list.sql, list.values, UnitService::columns(),
                                                QStringLiteral("idbh"), &error);
        std::printf("export %s: %lld ms, %s, %lld bytes\n", name, t.elapsed(),
                    ok ? "ok" : qPrintable(error), QFileInfo(path).size());
    }
    return 0;
}
