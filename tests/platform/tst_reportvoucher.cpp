#include "app/DataFolder.h"
#include "data/Database.h"
#include "platform/Report.h"
#include "platform/ReportTemplates.h"
#include "platform/ReportVoucherPrint.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A voucher read from the database into its template, on both backends.
class TestReportVoucher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void generalVoucher();
    void outpatientVoucher();
    void failures_data();
    void failures();

private:
    qint64 addVoucher(bool outpatient);
    QTemporaryDir m_dir;
};

void TestReportVoucher::init()
{
    DataFolder::setCurrent(m_dir.path());
}

// A unit, a settled voucher of that unit with two lines (and one line of another voucher).
qint64 TestReportVoucher::addVoucher(bool outpatient)
{
    const qint64 unit = InsertReturningId(QStringLiteral("insert into dwxx (dwmc) values (?)"),
                                          {QStringLiteral("第三分厂")}, QStringLiteral("idbh"));
    qint64 lsh = 0;
    if (outpatient) {
        lsh = InsertReturningId(
            QStringLiteral("insert into mzzz (ybnd, grbh, xm, dwbh, yymc, ylfy, bxfy, mzsj, "
                           "sfyjs) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {2026, 5, QStringLiteral("刘芳"), unit, QStringLiteral("区中心医院"), 45600, 31920,
             QStringLiteral("2026-04-11 00:00:00"), QStringLiteral("是")},
            QStringLiteral("lsh"));
    } else {
        lsh = InsertReturningId(
            QStringLiteral("insert into zyzz (ybnd, fylx, dwbh, grbh, xm, yymc, ryzd, rysj, "
                           "ylfy, bxfy, zfje, sfyjs) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {2026, QStringLiteral("住院"), unit, 7, QStringLiteral("王建国"),
             QStringLiteral("市第一人民医院"), QStringLiteral("肺炎"),
             QStringLiteral("2026-03-02 00:00:00"), 1500050, 1200000, 300050, QStringLiteral("是")},
            QStringLiteral("lsh"));
    }
    const QString lines = outpatient ? QStringLiteral("mzmx") : QStringLiteral("zymx");
    const QString no = outpatient ? QStringLiteral("mzmxbh") : QStringLiteral("zymxbh");
    const QString sql = QStringLiteral("insert into %1 (lsh, %2, xmmc, zfbl, dj, sl, ylfy, bxfy) "
                                       "values (?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(lines, no);
    RunScratchSql(sql, {lsh, 2, QStringLiteral("床位费"), 0, 4000, 7, 28000, 28000});
    RunScratchSql(sql, {lsh, 1, QStringLiteral("头孢克肟"), 1000, 1472050, 1, 1472050, 1172000});
    RunScratchSql(sql, {lsh + 100, 1, QStringLiteral("别的单据"), 0, 1, 1, 1, 1});
    return lsh;
}

void TestReportVoucher::generalVoucher()
{
    QUENLO_INSTALLED_DB(db);
    const qint64 lsh = addVoucher(false);
    Report report;
    QString why;
    VoucherPrintRequest r{lsh, false, QStringLiteral("报销单据加明细.rmf"),
                          QStringLiteral("某某公司")};
    QVERIFY2(ReportVoucherPrint::prepare(report, r, &why), qPrintable(why));
    const ReportDocument doc = report.prepare();
    QVERIFY2(doc.unknownNames.isEmpty(), qPrintable(doc.unknownNames.join(", ")));
    const QStringList texts = doc.texts();
    for (const QString& s :
         {QStringLiteral("报销单位：某某公司"), QStringLiteral("流水号：%1").arg(lsh),
          QStringLiteral("王建国"), QStringLiteral("第三分厂"), QStringLiteral("2026-03-02"),
          QStringLiteral("15000.50"), QStringLiteral("12000.00"), QStringLiteral("0.1"),
          QStringLiteral("人民币壹万贰仟元整"), QStringLiteral("¥12000.00")})
        QVERIFY2(texts.contains(s), qPrintable(s));
    // the voucher's own lines, in line order, and their sums
    const int first = int(texts.indexOf(QStringLiteral("头孢克肟")));
    QVERIFY(first > 0 && first < texts.indexOf(QStringLiteral("床位费")));
    QVERIFY(!texts.contains(QStringLiteral("别的单据")));
    QVERIFY(texts.contains(QStringLiteral("15000.50")));
    QVERIFY(texts.contains(QStringLiteral("12000.00")));
    QVERIFY(texts.contains(QStringLiteral("14720.50")));

    // the default template of a general voucher
    r.templateName.clear();
    QVERIFY2(ReportVoucherPrint::prepare(report, r, &why), qPrintable(why));
    QCOMPARE(QFileInfo(report.fileName()).fileName(), QStringLiteral("报销单据.rmf"));
}

void TestReportVoucher::outpatientVoucher()
{
    QUENLO_INSTALLED_DB(db);
    const qint64 lsh = addVoucher(true);
    Report report;
    QString why;
    for (const QString& name : {QString(), QStringLiteral("门诊单据2.rmf")}) {
        VoucherPrintRequest r{lsh, true, name, QStringLiteral("某某公司")};
        QVERIFY2(ReportVoucherPrint::prepare(report, r, &why), qPrintable(why));
        const ReportDocument doc = report.prepare();
        QVERIFY2(doc.unknownNames.isEmpty(), qPrintable(doc.unknownNames.join(", ")));
        const QStringList texts = doc.texts();
        for (const char* s : {"报销单位：某某公司", "刘芳", "第三分厂", "319.20",
                              "人民币叁佰壹拾玖元贰角整", "2026-04-11"})
            QVERIFY2(texts.contains(QString::fromUtf8(s)), s);
        QCOMPARE(texts.contains(QStringLiteral("头孢克肟")), !name.isEmpty());
    }
}

void TestReportVoucher::failures_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such voucher") << false << ""
                                     << "没有流水号为";
    QTest::newRow("no such template") << true << "无此模板.rmf"
                                      << "报表模板文件不存在：";
    QTest::newRow("no memo_dw") << true << "人员帐户信息.rmf"
                                << "没有对象“memo_dw”";
}

void TestReportVoucher::failures()
{
    QFETCH(bool, existing);
    QFETCH(QString, templateName);
    QFETCH(QString, message);
    QUENLO_INSTALLED_DB(db);
    const qint64 lsh = existing ? addVoucher(false) : 999;
    Report report;
    QString why;
    VoucherPrintRequest r{lsh, false, templateName, QStringLiteral("某某公司")};
    QVERIFY(!ReportVoucherPrint::prepare(report, r, &why));
    QVERIFY2(why.contains(message), qPrintable(why));
    if (!templateName.isEmpty())
        QVERIFY2(why.contains(templateName), qPrintable(why));
}

QTEST_MAIN(TestReportVoucher)
#include "tst_reportvoucher.moc"
