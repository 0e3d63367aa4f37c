#include "app/DataFolder.h"
#include "app/OperatorContext.h"
#include "app/ui/ScreenRegistry.h"
#include "app/ui/Screens.h"
#include "platform/Report.h"
#include "platform/ReportPainter.h"
#include "platform/ReportSampleData.h"
#include "platform/ReportTemplates.h"
#include "platform/ui/ReportDesigner.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ReportPreview.h"
#include "platform/ui/ReportUi.h"
#include "queries/ui/Tfrmdesignreport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

// The preview, the designer and the template editor screen, offscreen.
class TestReportScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void previewDrawsTheLaidOutPages();
    void previewSavesPdfAndNamesUnknownFields();
    void designerMovesEditsUndoesAndSaves();
    void templateEditorListsAndOpens();
    void voucherPrintRoutine();

private:
    // Runs `action`, which opens a modal dialog; the dialog is recorded by its object name and
    // closed as soon as it shows.
    QString whileModal(const std::function<void()>& action,
                       const std::function<void(QWidget*)>& inspect = {});
    QTemporaryDir m_dir;
};

void TestReportScreens::init()
{
    DataFolder::setCurrent(m_dir.path());
}

QString TestReportScreens::whileModal(const std::function<void()>& action,
                                      const std::function<void(QWidget*)>& inspect)
{
    QString seen;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = d->objectName();
            if (inspect)
                inspect(d);
            d->reject();
        }
    });
    timer.start();
    action();
    return seen;
}

namespace {
ReportDocument sampleDocument(const QString& name)
{
    Report r;
    QString why;
    r.layoutTemplate().fromXml(ReportTemplates::shippedText(name), &why);
    ReportSampleData::bind(r);
    return r.prepare();
}

QString pdfText(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

void TestReportScreens::previewDrawsTheLaidOutPages()
{
    const ReportDocument doc = sampleDocument(QStringLiteral("报销单据加明细.rmf"));
    ReportPreview preview(doc);
    QCOMPARE(preview.findChild<QLabel*>("lblPages")->text(), QStringLiteral("共1页"));
    QVERIFY(!preview.findChild<QLabel*>("lblUnknown")->isVisibleTo(&preview));
    ReportPageView* view = preview.pageView();
    const QSize at100 = view->pageRect(0).size();
    preview.setZoomPercent(200);
    QVERIFY(qAbs(view->pageRect(0).width() - 2 * at100.width()) <= 1);
    preview.setZoomPercent(50);

    // the preview shows exactly what the painter draws for the page
    const QRect r = view->pageRect(0);
    const QImage shown = view->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
    QImage direct(r.size() * view->devicePixelRatioF(), QImage::Format_RGB32);
    direct.setDevicePixelRatio(view->devicePixelRatioF());
    direct.fill(Qt::white);
    QPainter p(&direct);
    ReportPainter::paintPage(p, doc, 0, QRectF(QPointF(0, 0), r.size()));
    p.end();
    QCOMPARE(shown, direct);
    // and it is not blank
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dark += qGray(shown.pixel(x, y)) < 128;
    QVERIFY(dark > 500);
}

void TestReportScreens::previewSavesPdfAndNamesUnknownFields()
{
    ScriptedPrompter prompter;
    Report r;
    QString why;
    r.layoutTemplate().fromXml(ReportTemplates::shippedText("报销单据.rmf"), &why);
    r.layoutTemplate().findObject("memo_dw")->text = QStringLiteral("[RMzyzz.nosuch][Other.x]");
    ReportSampleData::bind(r);
    r.layoutTemplate().findObject("memo_dw")->text = QStringLiteral("[RMzyzz.nosuch][Other.x]");
    ReportPreview preview(r.prepare());
    auto* unknown = preview.findChild<QLabel*>("lblUnknown");
    QVERIFY(unknown->isVisibleTo(&preview));
    QVERIFY2(unknown->text().contains("RMzyzz.nosuch") && unknown->text().contains("Other"),
             qPrintable(unknown->text()));

    const QString file = m_dir.filePath("预览");
    prompter.queueFileName(file);
    QVERIFY(preview.saveAsPdf());
    const QString text = pdfText(file + ".pdf");
    QVERIFY(text.contains(QStringLiteral("王建国")));
    QVERIFY(text.contains(QStringLiteral("肆佰叁拾柒元贰角整")));
    prompter.queueFileName(std::nullopt);
    QVERIFY(!preview.saveAsPdf());
    // printing goes through the same painter; a printer writing to a file shows it
    const QString printed = m_dir.filePath("printed.pdf");
    preview.printer()->setOutputFileName(printed);
    QVERIFY(preview.print(false));
    QCOMPARE(pdfText(printed), text);
    for (const Prompt& p : prompter.prompts())
        QVERIFY2(p.icon != PromptIcon::Error, qPrintable(p.text));
}

void TestReportScreens::designerMovesEditsUndoesAndSaves()
{
    ScriptedPrompter prompter;
    const QString path = ReportTemplates::path(QStringLiteral("报销单据.rmf"));
    Report report;
    QString why;
    QVERIFY(report.loadFromFile(path, &why));
    ReportSampleData::bind(report);
    report.loadFromFile(path, &why); // sample memo texts are not part of the template
    const ReportTemplate original = report.layoutTemplate();

    ReportDesigner designer(report);
    QVERIFY(designer.findChild<QComboBox*>("cbField")->findText("[RMzyzz.xm]") >= 0);
    QVERIFY(designer.selectByName("memo_dw"));
    const auto [band, index] = designer.selection();
    const QRectF was = original.bands.at(band).objects.at(index).rect;

    // a drag released 5 mm right and 3 mm down
    const double s = ReportDesigner::Scale;
    designer.objectDragged(
        band, index,
        QRectF((was.x() + 5) * s, (was.y() + 3) * s, was.width() * s, was.height() * s));
    QCOMPARE(designer.currentTemplate().findObject("memo_dw")->rect.topLeft(),
             was.topLeft() + QPointF(5, 3));
    QCOMPARE(ReportDesigner::snap(QPointF(4.9 * s, 7.2 * s)), QPointF(5 * s, 7 * s));

    // the property panel
    designer.findChild<QLineEdit*>("edText")->setText(QStringLiteral("单位："));
    designer.findChild<QCheckBox*>("cbBold")->setChecked(true);
    designer.findChild<QDoubleSpinBox*>("spFontSize")->setValue(12.5);
    auto* alignBox = designer.findChild<QComboBox*>("cbAlign");
    alignBox->setCurrentIndex(alignBox->findData(int(ReportHAlign::Right)));
    designer.findChild<QLineEdit*>("edName")->setText(QStringLiteral("memo_dw"));
    designer.findChild<QPushButton*>("btnApply")->click();
    designer.insertField(QStringLiteral("[RMzyzz.dwmc]"));
    const ReportObject* memo = designer.currentTemplate().findObject("memo_dw");
    QCOMPARE(memo->text, QStringLiteral("单位：[RMzyzz.dwmc]"));
    QVERIFY(memo->font.bold);
    QCOMPARE(memo->font.size, 12.5);
    QCOMPARE(memo->align, ReportHAlign::Right);
    QCOMPARE(memo->font.family, ReportFont::defaultFamily());

    // add and delete
    designer.addObject(ReportObjectKind::Line);
    const int objects = int(designer.currentTemplate().bands.at(band).objects.size());
    QCOMPARE(objects, int(original.bands.at(band).objects.size()) + 1);
    designer.deleteSelected();
    designer.addBand(ReportBandType::MasterHeader);
    QCOMPARE(designer.currentTemplate().bands.size(), original.bands.size() + 1);
    QCOMPARE(designer.currentTemplate().bands.at(1).type, ReportBandType::MasterHeader);
    designer.deleteBand(1);
    QCOMPARE(designer.currentTemplate().bands.size(), original.bands.size());

    // undo back to the start, redo to the end
    QUndoStack* undo = designer.undoStack();
    const ReportTemplate edited = designer.currentTemplate();
    while (undo->canUndo())
        undo->undo();
    QVERIFY(designer.currentTemplate() == original);
    while (undo->canRedo())
        undo->redo();
    QVERIFY(designer.currentTemplate() == edited);
    undo->setIndex(1); // only the move
    QApplication::processEvents();

    // a real drag with the mouse moves the object by whole millimetres
    designer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&designer));
    auto* view = designer.findChild<QGraphicsView*>("gvPage");
    QGraphicsItem* item = nullptr;
    for (QGraphicsItem* i : designer.scene()->items())
        if (i->isSelected() && i->parentItem())
            item = i;
    QVERIFY(item);
    view->ensureVisible(item);
    const QPoint from = view->mapFromScene(item->sceneBoundingRect().center() - QPointF(8, 0));
    const QPoint to = from + QPoint(qRound(10.3 * s * view->transform().m11()), 0);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), from + QPoint(5, 0));
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    QApplication::processEvents();
    QCOMPARE(designer.currentTemplate().findObject("memo_dw")->rect.topLeft(),
             was.topLeft() + QPointF(15, 3));
    undo->undo();
    QApplication::processEvents();

    QVERIFY(designer.save());
    QVERIFY(prompter.texts().isEmpty());
    Report back;
    QVERIFY(back.loadFromFile(path, &why));
    QVERIFY(back.layoutTemplate() == designer.currentTemplate());
    QCOMPARE(back.findObject("memo_dw")->rect.topLeft(), was.topLeft() + QPointF(5, 3));
    // and it prints moved
    ReportSampleData::bind(back);
    const ReportDocument printed = back.prepare();
    for (const auto& op : printed.pages.first().ops)
        if (op.name == QLatin1String("memo_dw"))
            QCOMPARE(op.rect.topLeft(),
                     was.topLeft() + QPointF(5, 3) +
                         QPointF(back.layoutTemplate().page.left, back.layoutTemplate().page.top));
}

void TestReportScreens::templateEditorListsAndOpens()
{
    RegisterScreens();
    QVERIFY(ScreenRegistry::contains(QStringLiteral("Tfrmdesignreport")));
    {
        Tfrmdesignreport screen;
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("报表编辑"));
        QCOMPARE(screen.list()->iconSize(), QSize(64, 64));
        QStringList names;
        for (int i = 0; i < screen.list()->count(); ++i)
            names << screen.list()->item(i)->text();
        names.sort();
        QStringList shipped = ReportTemplates::shippedNames();
        shipped.sort();
        QCOMPARE(names, shipped);
        // nothing selected: nothing opens
        screen.list()->setCurrentItem(nullptr);
        QCOMPARE(whileModal([&] { screen.ListView1DblClick(); }), QString());
        screen.list()->setCurrentRow(0);
        QCOMPARE(whileModal([&] { screen.ListView1DblClick(); }), QStringLiteral("ReportDesigner"));
    }
    // a template added to the folder shows at the next opening
    QVERIFY(
        QFile::copy(ReportTemplates::path("报销单据.rmf"), ReportTemplates::path("新的模板.rmf")));
    Tfrmdesignreport again;
    again.show();
    QCOMPARE(again.list()->count(), 7);
    QVERIFY(!again.list()->findItems("新的模板.rmf", Qt::MatchExactly).isEmpty());
}

void TestReportScreens::voucherPrintRoutine()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    OperatorContext::current().organizationName = QStringLiteral("某某公司");
    QVERIFY(!ReportUi::printVoucher(4711, false, QString(), nullptr));
    QCOMPARE(prompter.texts(), QStringList{"没有流水号为 4711 的报销单据"});
    QCOMPARE(prompter.prompts().first().caption, QStringLiteral("错误信息"));

    const qint64 unit =
        InsertReturningId("insert into dwxx (dwmc) values (?)", {QStringLiteral("机关")}, "idbh");
    const qint64 lsh = InsertReturningId(
        "insert into zyzz (ybnd, fylx, dwbh, grbh, xm, bxfy) values (?, ?, ?, ?, ?, ?)",
        {2026, QStringLiteral("住院"), unit, 1, QStringLiteral("赵六"), 1200000}, "lsh");
    QStringList shown;
    bool printed = false;
    QCOMPARE(whileModal([&] { printed = ReportUi::printVoucher(lsh, false, QString(), nullptr); },
                        [&](QWidget* d) {
                            if (auto* p = qobject_cast<ReportPreview*>(d))
                                shown = p->pageView()->document().texts();
                        }),
             QStringLiteral("ReportPreview"));
    QVERIFY(printed);
    QVERIFY(shown.contains(QStringLiteral("报销单位：某某公司")));
    QVERIFY(shown.contains(QStringLiteral("人民币壹万贰仟元整")));
}

QTEST_MAIN(TestReportScreens)
#include "tst_reportscreens.moc"
