#include "data/Clock.h"
#include "data/Money.h"
#include "platform/Report.h"
#include "platform/ReportCapitalFigures.h"
#include "platform/ReportPainter.h"
#include "platform/ReportSampleData.h"
#include "platform/ReportTemplates.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ReportDataset)

// Templates, layout, painting and the shipped templates, on fixture data.
class TestReportEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void capitalFigures_data();
    void capitalFigures();
    void pagination();
    void masterDetail();
    void valueFormats_data();
    void valueFormats();
    void unknownNames();
    void saveLoadRoundTrip();
    void loadFailures_data();
    void loadFailures();
    void missingObject();
    void shippedLayouts_data();
    void shippedLayouts();
    void pdfTextReadBack();
    void installKeepsEditedTemplates();
};

namespace {
ReportObject text(double x, double w, const QString& t, const QString& name = QString())
{
    ReportObject o;
    o.rect = QRectF(x, 0, w, 8);
    o.text = t;
    o.name = name;
    return o;
}

ReportBand band(ReportBandType type, double height, QList<ReportObject> objects,
                const QString& dataset = QString())
{
    ReportBand b;
    b.type = type;
    b.height = height;
    b.objects = std::move(objects);
    b.dataset = dataset;
    return b;
}

// A 100 × 100 mm page with 10 mm margins: 80 mm between header top and footer bottom.
ReportTemplate smallPage()
{
    ReportTemplate t;
    t.page = {100, 100, 10, 10, 10, 10};
    t.bands << band(ReportBandType::PageHeader, 10, {text(0, 80, "Head [Page] of [Pages]")})
            << band(ReportBandType::PageFooter, 10, {text(0, 80, "第[Page]页 共[Pages]页")});
    return t;
}

QVariant money(qint64 cents)
{
    return QVariant::fromValue(Money::fromCents(cents));
}

// Texts of one page, in drawing order.
QStringList pageTexts(const ReportDocument& doc, int page)
{
    QStringList t;
    for (const auto& op : doc.pages.at(page).ops)
        if (op.kind == ReportObjectKind::Text)
            t << op.text;
    return t;
}

// The vertical position of the first text on a page that starts with `prefix`.
double yOf(const ReportDocument& doc, int page, const QString& prefix)
{
    for (const auto& op : doc.pages.at(page).ops)
        if (op.text.startsWith(prefix))
            return op.rect.y();
    return -1;
}

QString fixture(const QString& name)
{
    return qEnvironmentVariable("QUENLO_TEST_DATA") + QStringLiteral("/reports/") + name;
}
} // namespace

void TestReportEngine::initTestCase()
{
    Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0)));
}

void TestReportEngine::capitalFigures_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "零元整";
    QTest::newRow("five fen") << qint64(5) << "伍分";
    QTest::newRow("fifty fen") << qint64(50) << "伍角整";
    QTest::newRow("10.10") << qint64(1010) << "壹拾元零壹角整";
    QTest::newRow("1.05") << qint64(105) << "壹元零伍分";
    QTest::newRow("1001") << qint64(100100) << "壹仟零壹元整";
    QTest::newRow("12000") << qint64(1200000) << "壹万贰仟元整";
    QTest::newRow("100000.50") << qint64(10000050) << "壹拾万元零伍角整";
    QTest::newRow("100001") << qint64(10000100) << "壹拾万零壹元整";
    QTest::newRow("10010000") << qint64(1001000000) << "壹仟零壹万元整";
    QTest::newRow("100010000.99") << qint64(10001000099) << "壹亿零壹万元零玖角玖分";
    QTest::newRow("1680.32") << qint64(168032) << "壹仟陆佰捌拾元零叁角贰分";
    QTest::newRow("negative") << qint64(-123456) << "负壹仟贰佰叁拾肆元伍角陆分";
}

void TestReportEngine::capitalFigures()
{
    QFETCH(qint64, cents);
    QFETCH(QString, text);
    QCOMPARE(ChineseCapitalAmount(Money::fromCents(cents)), text);
}

void TestReportEngine::pagination()
{
    ReportTemplate t = smallPage();
    ReportObject amount = text(40, 40, "[D.amount]");
    amount.format = QStringLiteral("0.00");
    t.bands << band(ReportBandType::Master, 10, {text(0, 80, "Voucher [M.name]")}, "M")
            << band(ReportBandType::DetailHeader, 10, {text(0, 80, "Item")})
            << band(ReportBandType::Detail, 15, {text(0, 40, "row [D.no]"), amount}, "D")
            << band(ReportBandType::Summary, 10, {text(0, 80, "Total [Sum(D.amount)]")});
    ReportData data;
    data.bind("M", ReportDataset({"name"}, {{"V1"}}));
    QList<QVariantList> rows;
    for (int i = 1; i <= 6; ++i)
        rows << QVariantList{i, money(i * 100050)};
    data.bind("D", ReportDataset({"no", "amount"}, rows));
    const ReportDocument doc = LayoutReport(t, data);

    // page 1: header 10-20, master 20-30, detail header 30-40, rows at 40 and 55; row 3 would
    // end at 85 > 80 and moves whole to page 2, after the repeated header and detail header
    QCOMPARE(doc.pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        const QString of = QStringLiteral(" of 3");
        QCOMPARE(pageTexts(doc, p).first(), QStringLiteral("Head %1").arg(p + 1) + of);
        QCOMPARE(pageTexts(doc, p).last(), QStringLiteral("第%1页 共3页").arg(p + 1));
        QCOMPARE(yOf(doc, p, "第"), 80.0);
        QVERIFY(pageTexts(doc, p).contains("Item"));
    }
    QCOMPARE(pageTexts(doc, 0).filter("row ").size(), 2);
    QCOMPARE(pageTexts(doc, 1).filter("row ").size(), 3);
    QVERIFY(!pageTexts(doc, 0).contains("row 3"));
    QCOMPARE(yOf(doc, 1, "Item"), 20.0);
    QCOMPARE(yOf(doc, 1, "row 3"), 30.0);
    QCOMPARE(pageTexts(doc, 1).count("Voucher V1"), 0); // the master band does not repeat
    QVERIFY(pageTexts(doc, 0).contains("2001.00"));
    QVERIFY(pageTexts(doc, 2).contains("Total 21010.50"));
    QVERIFY(doc.unknownNames.isEmpty());
}

void TestReportEngine::masterDetail()
{
    ReportTemplate t;
    t.bands << band(ReportBandType::Master, 10, {text(0, 80, "[H.name]")}, "H")
            << band(ReportBandType::Detail, 10, {text(0, 80, "[L.item]")}, "L")
            << band(ReportBandType::Summary, 10,
                    {text(0, 80, "[Sum(L.amount)] [Capital(Sum(L.amount))] [H.name]")});
    ReportData data;
    data.bind("H", ReportDataset({"lsh", "name"}, {{7, "甲"}, {8, "乙"}}));
    data.bind("L", ReportDataset({"lsh", "item", "amount"}, {{8, "b1", money(1200000)},
                                                             {7, "a1", money(5)},
                                                             {8, "b2", money(50)},
                                                             {9, "x", money(1)}}));
    data.link("L", "H", "lsh", "lsh");
    const ReportDocument doc = LayoutReport(t, data);
    QCOMPARE(doc.pages.size(), 1);
    // the summary reads the last master row and its lines
    QCOMPARE(doc.texts(),
             QStringList({"甲", "a1", "乙", "b1", "b2", "12000.50 壹万贰仟元零伍角整 乙"}));
}

void TestReportEngine::valueFormats_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("money 0.00") << money(123450) << "0.00"
                                << "1234.50";
    QTest::newRow("money unformatted") << money(-5) << ""
                                       << "-0.05";
    QTest::newRow("double 0.00 rounds half up") << QVariant(0.125) << "0.00"
                                                << "0.13";
    QTest::newRow("double unformatted") << QVariant(0.1) << ""
                                        << "0.1";
    QTest::newRow("integer 0") << QVariant(57) << "0"
                               << "57";
    QTest::newRow("date of date-time") << QVariant("2026-03-02 13:04:05") << "yyyy-MM-dd"
                                       << "2026-03-02";
    QTest::newRow("Chinese date") << QVariant("2026-03-02") << "yyyy年M月d日"
                                  << "2026年3月2日";
    QTest::newRow("not a date") << QVariant("soon") << "yyyy-MM-dd"
                                << "soon";
    QTest::newRow("null") << QVariant() << "0.00"
                          << "";
    QTest::newRow("text") << QVariant("王建国") << ""
                          << "王建国";
}

void TestReportEngine::valueFormats()
{
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(QString, text);
    ReportTemplate t;
    ReportObject o = ::text(0, 50, "<[D.v]>");
    o.format = format;
    t.bands << band(ReportBandType::Master, 10, {o}, "D");
    ReportData data;
    data.bind("D", ReportDataset({"v"}, {{value}}));
    QCOMPARE(LayoutReport(t, data).texts(), QStringList{"<" + text + ">"});
}

void TestReportEngine::unknownNames()
{
    ReportTemplate t;
    t.bands << band(ReportBandType::Master, 10,
                    {text(0, 80, "a[X.col]b[D.nope]c[d.\"V\"][[literal]")}, "D");
    ReportData data;
    data.bind("D", ReportDataset({"v"}, {{"ok"}}));
    const ReportDocument doc = LayoutReport(t, data);
    QCOMPARE(doc.texts(), QStringList{"abcok[literal]"});
    QCOMPARE(doc.unknownNames, QStringList({"X", "D.nope"}));
}

void TestReportEngine::saveLoadRoundTrip()
{
    QTemporaryDir dir;
    for (const QString& name : ReportTemplates::shippedNames()) {
        ReportTemplate shipped;
        QString why;
        QVERIFY2(shipped.fromXml(ReportTemplates::shippedText(name), &why), qPrintable(why));
        Report r;
        r.setTemplate(shipped);
        // a change as the designer makes it: moved, restyled, renamed
        ReportObject& o = r.layoutTemplate().bands.first().objects.first();
        o.rect.translate(12.5, 3);
        o.font.bold = !o.font.bold;
        o.align = ReportHAlign::Right;
        o.frame = FrameLeft | FrameBottom;
        o.name = QStringLiteral("moved");
        const QString file = dir.filePath(name.chopped(4)); // ".rmf" is appended
        QVERIFY2(r.saveToFile(file, &why), qPrintable(why));
        QVERIFY(QFile::exists(file + ".rmf"));
        Report back;
        QVERIFY2(back.loadFromFile(file, &why), qPrintable(why));
        QCOMPARE(back.fileName(), file + ".rmf");
        QVERIFY(back.layoutTemplate() == r.layoutTemplate());
        QCOMPARE(back.findObject("moved")->rect, o.rect);
    }
    // defaults are not written
    ReportTemplate plain;
    plain.bands << band(ReportBandType::Master, 10, {text(1, 2, "x")});
    const QByteArray xml = plain.toXml();
    QVERIFY(xml.contains("<text x=\"1\" y=\"0\" w=\"2\" h=\"8\">x</text>"));
    for (const char* attr : {"page", "size=", "font=", "align=", "frame=", "height=", "bold="})
        QVERIFY2(!xml.contains(attr), attr);
}

void TestReportEngine::loadFailures_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "报表模板文件不存在：";
    QTest::newRow("not xml") << QByteArray("garbage <<") << "报表模板文件格式错误：";
    QTest::newRow("other root") << QByteArray("<html/>") << "the root element is not <report>";
    QTest::newRow("newer version")
        << QByteArray("<report version=\"9\"/>") << "unsupported template version \"9\"";
    QTest::newRow("bad band") << QByteArray("<report version=\"1\"><band type=\"x\"/></report>")
                              << "unknown band type \"x\"";
    QTest::newRow("bad number")
        << QByteArray("<report version=\"1\"><band height=\"ten\" type=\"master\"/></report>")
        << "attribute height is not a number";
}

void TestReportEngine::loadFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString good = dir.filePath("good.rmf");
    QFile g(good);
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.write(ReportTemplates::shippedText("报销单据.rmf"));
    g.close();
    Report r;
    QString why;
    QVERIFY(r.loadFromFile(good, &why));
    const ReportTemplate before = r.layoutTemplate();

    const QString bad = dir.filePath("坏的.rmf");
    if (!content.isEmpty()) {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QVERIFY(!r.loadFromFile(bad, &why));
    QVERIFY2(why.contains(message), qPrintable(why));
    QVERIFY2(why.contains(QDir::toNativeSeparators(bad)), qPrintable(why));
    // the report keeps what it held
    QVERIFY(r.layoutTemplate() == before);
    QCOMPARE(r.fileName(), good);
    QVERIFY(r.findObject("memo_dw"));
}

void TestReportEngine::missingObject()
{
    QTemporaryDir dir;
    Report r;
    QString why;
    QVERIFY(!r.setMemoText("memo_dw", "x", &why));
    QVERIFY2(why.contains("memo_dw"), qPrintable(why));
    ReportTemplates::installMissing(dir.path());
    QVERIFY(r.loadFromFile(dir.filePath("人员帐户信息"), &why));
    QVERIFY(r.setMemoText("memo20", "12.00", &why));
    QCOMPARE(r.findObject("memo20")->text, QStringLiteral("12.00"));
    QVERIFY(!r.setMemoText("memo_dw", "x", &why));
    QVERIFY2(why.contains("“memo_dw”") && why.contains("人员帐户信息.rmf"), qPrintable(why));
}

void TestReportEngine::shippedLayouts_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : ReportTemplates::shippedNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestReportEngine::shippedLayouts()
{
    QFETCH(QString, name);
    Report r;
    QString why;
    QVERIFY2(r.layoutTemplate().fromXml(ReportTemplates::shippedText(name), &why), qPrintable(why));
    ReportSampleData::bind(r);
    const ReportDocument doc = r.prepare();
    QVERIFY2(doc.unknownNames.isEmpty(), qPrintable(doc.unknownNames.join(", ")));
    const QString golden = fixture(name.chopped(4) + ".txt");
    QFile f(golden);
    if (!f.open(QIODevice::ReadOnly)) {
        QFile actual(QDir::temp().filePath(name.chopped(4) + ".txt"));
        if (actual.open(QIODevice::WriteOnly))
            actual.write(doc.toText().toUtf8());
        QFAIL(qPrintable("no golden file " + golden + "; the layout is in " + actual.fileName()));
    }
    QCOMPARE(doc.toText(), QString::fromUtf8(f.readAll()));
}

void TestReportEngine::pdfTextReadBack()
{
    QTemporaryDir dir;
    Report r;
    QString why;
    QVERIFY(r.layoutTemplate().fromXml(ReportTemplates::shippedText("报销单据.rmf"), &why));
    ReportSampleData::bind(r);
    ReportDocument doc = r.prepare();
    // and a second document of three pages
    ReportTemplate t = smallPage();
    t.bands << band(ReportBandType::Master, 60, {text(0, 80, "[D.v]")}, "D");
    ReportData data;
    data.bind("D", ReportDataset({"v"}, {{"一"}, {"二"}, {"三"}}));
    const ReportDocument three = LayoutReport(t, data);

    const QString voucher = dir.filePath("voucher.pdf");
    const QString pages = dir.filePath("pages.pdf");
    QVERIFY2(ReportPainter::writePdf(doc, voucher, &why), qPrintable(why));
    QVERIFY2(ReportPainter::writePdf(three, pages, &why), qPrintable(why));
    QVERIFY(!ReportPainter::writePdf(doc, dir.filePath("no/such/folder/x.pdf"), &why));
    QVERIFY(why.contains("x.pdf"));

    auto pdfText = [](const QString& file) {
        QProcess p;
        p.start("pdftotext", {"-layout", file, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString v = pdfText(voucher);
    for (const char* s : {"医疗费用报销单", "报销单位：示范公司", "王建国", "第三分厂", "437.20",
                          "人民币肆佰叁拾柒元贰角整", "2026-03-02", "第1页 共1页"})
        QVERIFY2(v.contains(QString::fromUtf8(s)), s);
    const QString p = pdfText(pages);
    QCOMPARE(p.count(QChar('\f')), 3);
    QVERIFY(p.contains("第2页 共3页"));
    QVERIFY(p.contains("Head 3 of 3"));
    QVERIFY(p.indexOf("二") > p.indexOf("第1页"));
    // the CJK font is embedded
    QProcess fonts;
    fonts.start("pdffonts", {voucher});
    fonts.waitForFinished(30000);
    const QString f = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(f.contains("WenQuanYi") && f.contains(" yes "), qPrintable(f));
}

void TestReportEngine::installKeepsEditedTemplates()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("reports");
    QCOMPARE(ReportTemplates::installMissing(folder), ReportTemplates::shippedNames());
    for (const QString& name : ReportTemplates::shippedNames()) {
        QFile f(QDir(folder).filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), ReportTemplates::shippedText(name));
    }
    const QString edited = QDir(folder).filePath("报销单据.rmf");
    {
        QFile f(edited);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("<report version=\"1\"/>");
    }
    QVERIFY(QFile::remove(QDir(folder).filePath("门诊单据2.rmf")));
    QCOMPARE(ReportTemplates::installMissing(folder), QStringList{"门诊单据2.rmf"});
    QFile f(edited);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("<report version=\"1\"/>"));
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
