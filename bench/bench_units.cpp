// Opens the units screen on 100 000 units of a fresh SQLite file, scrolls it, builds its print
// and exports the list to .xlsx and .csv through the grid's export; prints the times and file
// sizes. Run offscreen: QT_QPA_PLATFORM=offscreen build/bin/bench_units [rows]
#include "BenchDatabase.h"
#include "app/DataFolder.h"
#include "data/Database.h"
#include "platform/ListPrint.h"
#include "refdata/UnitService.h"
#include "refdata/ui/TdwFrm.h"
#include "ui/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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
    DataFolder::setCurrent(dir.path());
    t.restart();
    auto* screen = new TdwFrm;
    screen->show();
    QApplication::processEvents();
    std::printf("open the units screen (count, first page, layout, painted): %lld ms, %d rows\n",
                t.restart(), screen->grid()->model()->totalRows());
    QScrollBar* bar = screen->grid()->view()->verticalScrollBar();
    for (int i = 0; i < 40; ++i) {
        bar->setValue(bar->maximum());
        QApplication::processEvents();
    }
    std::printf("scroll 40 times to the end: %lld ms, %d rows fetched\n", t.restart(),
                screen->grid()->model()->rowCount());
    screen->grid()->sortByTitle(1);
    QApplication::processEvents();
    std::printf("sort by the unit name: %lld ms\n", t.restart());
    const ListPrintJob job = screen->printJob();
    std::printf("build the print of every row: %lld ms, %lld rows\n", t.restart(),
                qlonglong(job.rows.size()));
    {
        const QString pdf = dir.filePath(QStringLiteral("units.pdf"));
        ListPrint::Layout used;
        ListPrint::printToPdf(job, pdf, &used);
        std::printf("print every row to PDF: %lld ms, %d pages, %lld bytes\n", t.restart(),
                    used.pages, QFileInfo(pdf).size());
        if (argc > 2) // keep the print to look at
            QFile::copy(pdf, QString::fromLocal8Bit(argv[2]));
    }
    for (const char* name : {"units.xlsx", "units.csv"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        t.restart();
        const bool ok = screen->grid()->exportTo(path, &error);
        std::printf("export %s: %lld ms, %s, %lld bytes\n", name, t.elapsed(),
                    ok ? "ok" : qPrintable(error), QFileInfo(path).size());
    }
    delete screen;
    return 0;
}
