#include "platform/SheetExport.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestGridExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exportReadsBack_data();
    void exportReadsBack();
    void failedWriteLeavesNoFile_data();
    void failedWriteLeavesNoFile();
    void wholeLargeResultIsWritten();
};

namespace {
const QList<GridColumn> Columns{GridColumn::integer("idbh", "编号"), GridColumn::text("xm", "姓名"),
                                GridColumn::money("mzlj", "门诊报销累计", true),
                                GridColumn::date("cssj", "出生日期")};

void fill(int n)
{
    Transaction t;
    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral("insert into grxx (dwid, xm, mzlj, cssj) values (?, ?, ?, ?)"));
    for (int i = 1; i <= n; ++i) {
        q.addBindValue(1);
        q.addBindValue(i == 2 ? QStringLiteral("张,\"三\"") : QStringLiteral("李%1").arg(i));
        q.addBindValue(qlonglong(i * 101));
        q.addBindValue(QStringLiteral("1980-01-%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        QVERIFY(q.exec());
    }
    t.commit();
}

QByteArray unzip(const QString& file, const QString& member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    p.waitForFinished();
    return p.readAllStandardOutput();
}

const QString Sql = QStringLiteral("select idbh, xm, mzlj, cssj from grxx");
} // namespace

void TestGridExport::exportReadsBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("xlsx") << QStringLiteral("list.xlsx");
    QTest::newRow("csv") << QStringLiteral("list.csv");
}

void TestGridExport::exportReadsBack()
{
    QFETCH(QString, name);
    QUENLO_INSTALLED_DB(db);
    fill(3);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString error;
    QVERIFY2(SheetExport::writeQuery(path, Sql, {}, Columns, QStringLiteral("idbh"), &error),
             qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    // an export is an ordinary file: as readable as any new file of this process
    QFile probe(dir.filePath(QStringLiteral("probe")));
    QVERIFY(probe.open(QIODevice::WriteOnly));
    probe.close();
    QCOMPARE(QFile::permissions(path), QFile::permissions(probe.fileName()));
    probe.remove();
    // writing again replaces the file
    QVERIFY2(SheetExport::writeQuery(path, Sql, {}, Columns, QStringLiteral("idbh"), &error),
             qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    if (name.endsWith(QLatin1String(".csv"))) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray all = f.readAll();
        QVERIFY(all.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(all.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.at(0), QStringLiteral("编号,姓名,门诊报销累计,出生日期"));
        QVERIFY(lines.at(1).endsWith(QStringLiteral(",李1,1.01,1980-01-02")));
        QVERIFY(lines.at(2).contains(QStringLiteral(",\"张,\"\"三\"\"\",2.02,")));
        QCOMPARE(lines.size(), 5); // title, three rows, empty after the last break
    } else {
        const QString xml =
            QString::fromUtf8(unzip(path, QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY2(xml.contains(QStringLiteral("<t>门诊报销累计</t>")), qPrintable(xml.left(400)));
        // Money as a number, the date as a serial day number (1980-01-02 is 29222).
        QVERIFY(xml.contains(QStringLiteral("<v>3.03</v>")));
        QVERIFY(xml.contains(QStringLiteral("<v>29222</v>")));
        QVERIFY(xml.contains(QStringLiteral("<t>李3</t>")));
        QVERIFY(xml.contains(QStringLiteral("<dimension ref=\"A1:D4\"/>")));
    }
}

void TestGridExport::failedWriteLeavesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("xlsx") << QStringLiteral("list.xlsx");
    QTest::newRow("csv") << QStringLiteral("list.csv");
}

void TestGridExport::failedWriteLeavesNoFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QString error;
    const int rows = 2;
    int given = 0;
    auto source = [&](QVariantList& row) {
        row = {given, QStringLiteral("x")};
        return given++ < rows;
    };
    // A folder that does not exist
    QVERIFY(!SheetExport::write(dir.filePath(QStringLiteral("missing/") + name), Columns, source,
                                &error));
    QVERIFY(!error.isEmpty());
    // A read-only folder
    const QString ro = dir.filePath(QStringLiteral("ro"));
    QVERIFY(QDir().mkdir(ro));
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(ro + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
        QFile::remove(ro + QStringLiteral("/probe"));
        return; // permissions do not bind this user (root)
    }
    error.clear();
    given = 0;
    QVERIFY(!SheetExport::write(ro + QLatin1Char('/') + name, Columns, source, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QDir(ro).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestGridExport::wholeLargeResultIsWritten()
{
    QUENLO_INSTALLED_DB(db);
    fill(100000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.csv"));
    QVERIFY(SheetExport::writeQuery(path, Sql, {}, Columns, QStringLiteral("idbh")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    int lines = 0;
    QByteArray last;
    while (!f.atEnd()) {
        last = f.readLine();
        ++lines;
    }
    QCOMPARE(lines, 100001);
    QVERIFY(last.contains(",李100000,101000.00,"));
}

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
