#include "platform/ListPrint.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestGridPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pagesAndFooterFromTheLayout();
    void emptyTitleListPrintsNothing_data();
    void emptyTitleListPrintsNothing();
    void headingAndTitlePlaces_data();
    void headingAndTitlePlaces();
    void wideListsPrintAcrossAndCutLongTexts_data();
    void wideListsPrintAcrossAndCutLongTexts();
};

namespace {
ListPrintJob job(int rows, ListPrintJob::Style style)
{
    ListPrintJob j;
    j.style = style;
    j.heading = QStringLiteral("示范公司单位信息");
    j.operatorLine = QStringLiteral("操作员：张三   日期：2026-01-05");
    j.columns = {GridColumn::integer("idbh", "编号"), GridColumn::text("dwmc", "单位名称", 300)};
    for (int i = 1; i <= rows; ++i)
        j.rows << QStringList{QString::number(i), QStringLiteral("单位%1").arg(i)};
    return j;
}

QString pdfPageText(const QString& path, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

void TestGridPrint::pagesAndFooterFromTheLayout()
{
    QTemporaryDir dir;
    // Find the rows per page on this device, then print exactly three pages' worth minus one.
    QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
    probe.setPageSize(QPageSize(QPageSize::A4));
    probe.setResolution(300);
    probe.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    const int perPage = ListPrint::layout(job(1, ListPrintJob::Style::Footer), probe).rowsPerPage;
    QVERIFY(perPage > 10);
    const ListPrintJob j = job(2 * perPage + 1, ListPrintJob::Style::Footer);
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    ListPrint::Layout used;
    QVERIFY(ListPrint::printToPdf(j, path, &used));
    QCOMPARE(used.pages, 3);
    QCOMPARE(ListPrint::pageText(j, 2, used.pages), QStringLiteral("第2页 共3页"));
    const QString page2 = pdfPageText(path, 2);
    QVERIFY2(page2.contains(QStringLiteral("第2页 共3页")), qPrintable(page2.right(200)));
    QVERIFY(page2.contains(QStringLiteral("操作员：张三")));
    QVERIFY(page2.contains(QStringLiteral("单位%1").arg(perPage + 1)));
    QVERIFY(!page2.contains(QStringLiteral("单位%1\n").arg(2 * perPage + 1)));
    QVERIFY(pdfPageText(path, 3).contains(QStringLiteral("单位%1").arg(2 * perPage + 1)));
}

void TestGridPrint::emptyTitleListPrintsNothing_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("pages");
    QTest::newRow("title style") << int(ListPrintJob::Style::Title) << 0;
    QTest::newRow("page header style") << int(ListPrintJob::Style::Footer) << 1;
}

void TestGridPrint::emptyTitleListPrintsNothing()
{
    QFETCH(int, style);
    QFETCH(int, pages);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.pdf"));
    ListPrint::Layout used;
    QVERIFY(ListPrint::printToPdf(job(0, ListPrintJob::Style(style)), path, &used));
    QCOMPARE(used.pages, pages);
    QCOMPARE(QFile::exists(path) && QFile(path).size() > 0, pages > 0);
}

void TestGridPrint::headingAndTitlePlaces_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("headingAsTitle");
    QTest::addColumn<bool>("headingOnPage2");
    QTest::addColumn<QString>("titleOnPage1"); // empty: none
    QTest::addColumn<bool>("pageNumbers");
    QTest::newRow("footer style, heading in the page header")
        << int(ListPrintJob::Style::Footer) << false << true << "" << true;
    QTest::newRow("footer style, heading as the title")
        << int(ListPrintJob::Style::Footer) << true << false << "" << true;
    QTest::newRow("title style") << int(ListPrintJob::Style::Title) << false << true
                                 << "打印日期：2026-01-05" << false;
}

void TestGridPrint::headingAndTitlePlaces()
{
    QFETCH(int, style);
    QFETCH(bool, headingAsTitle);
    QFETCH(bool, headingOnPage2);
    QFETCH(QString, titleOnPage1);
    QFETCH(bool, pageNumbers);
    QTemporaryDir dir;
    ListPrintJob j = job(120, ListPrintJob::Style(style));
    j.headingAsTitle = headingAsTitle;
    if (j.style == ListPrintJob::Style::Title)
        j.operatorLine = QStringLiteral("操作员：张三   打印日期：2026-01-05");
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    ListPrint::Layout used;
    QVERIFY(ListPrint::printToPdf(j, path, &used));
    QVERIFY(used.pages >= 2);
    const QString page1 = pdfPageText(path, 1);
    const QString page2 = pdfPageText(path, 2);
    QVERIFY(page1.contains(j.heading));
    QCOMPARE(page2.contains(j.heading), headingOnPage2);
    if (!titleOnPage1.isEmpty()) {
        QVERIFY(page1.contains(titleOnPage1));
        QVERIFY(!page2.contains(titleOnPage1));
    }
    QCOMPARE(page2.contains(QStringLiteral("第2页")), pageNumbers);
    // the rows of page 1 and page 2 follow on without a gap
    QVERIFY(page1.contains(QStringLiteral("单位%1\n").arg(used.firstPageRows)));
    QVERIFY(page2.contains(QStringLiteral("单位%1\n").arg(used.firstPageRows + 1)));
}

void TestGridPrint::wideListsPrintAcrossAndCutLongTexts_data()
{
    QTest::addColumn<int>("nameWidth");
    QTest::addColumn<QString>("pageSize"); // as pdfinfo reports it, in points
    QTest::newRow("narrow: portrait") << 300 << "595 x 842 pts";
    QTest::newRow("wider than portrait: landscape") << 900 << "842 x 595 pts";
}

void TestGridPrint::wideListsPrintAcrossAndCutLongTexts()
{
    QFETCH(int, nameWidth);
    QFETCH(QString, pageSize);
    QTemporaryDir dir;
    ListPrintJob j = job(3, ListPrintJob::Style::Footer);
    j.columns[1].width = nameWidth;
    j.columns << GridColumn::text("dwdz", "单位地址", 40);
    for (QStringList& row : j.rows)
        row << QStringLiteral("解放大道一百二十号科技园区");
    const QString path = dir.filePath(QStringLiteral("wide.pdf"));
    QVERIFY(ListPrint::printToPdf(j, path));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(pageSize));
    // the address is cut to its narrow column, with an ellipsis
    const QString text = pdfPageText(path, 1);
    QVERIFY(!text.contains(QStringLiteral("科技园区")));
    QVERIFY(text.contains(QStringLiteral("…")));
}

QTEST_MAIN(TestGridPrint)
#include "tst_gridprint.moc"
