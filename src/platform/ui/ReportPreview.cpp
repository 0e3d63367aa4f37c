#include "platform/ui/ReportPreview.h"

#include "platform/Prompter.h"
#include "platform/ReportPainter.h"
#include "platform/ui/ReportPageView.h"

#include <QComboBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreview::ReportPreview(const ReportDocument& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("打印预览"));
    resize(900, 700);

    auto* bar = new QToolBar(this);
    auto* printButton = bar->addAction(QStringLiteral("打印"), this, [this] { print(); });
    printButton->setObjectName(QStringLiteral("actPrint"));
    bar->addAction(QStringLiteral("页面设置"), this, [this] { pageSetup(); })
        ->setObjectName(QStringLiteral("actPageSetup"));
    bar->addAction(QStringLiteral("保存为PDF"), this, [this] { saveAsPdf(); })
        ->setObjectName(QStringLiteral("actSavePdf"));
    bar->addSeparator();
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cbZoom"));
    for (int z : {50, 75, 100, 125, 150, 200})
        m_zoom->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoom->setCurrentIndex(2);
    connect(m_zoom, &QComboBox::currentIndexChanged, this,
            [this](int i) { setZoomPercent(m_zoom->itemData(i).toInt()); });
    bar->addWidget(m_zoom);
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::accept)
        ->setObjectName(QStringLiteral("actClose"));

    auto* pages = new QLabel(QStringLiteral("共%1页").arg(m_doc.pages.size()), this);
    pages->setObjectName(QStringLiteral("lblPages"));
    auto* unknown = new QLabel(this);
    unknown->setObjectName(QStringLiteral("lblUnknown"));
    unknown->setStyleSheet(QStringLiteral("color: #b00020"));
    unknown->setVisible(!m_doc.unknownNames.isEmpty());
    unknown->setText(QStringLiteral("模板中以下名称在数据中不存在，打印为空：%1")
                         .arg(m_doc.unknownNames.join(QStringLiteral("，"))));

    m_view = new ReportPageView;
    m_view->setDocument(m_doc);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(unknown);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(pages);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::setZoomPercent(int percent)
{
    m_view->setZoom(percent / 100.0);
    const int i = m_zoom->findData(percent);
    if (i >= 0 && i != m_zoom->currentIndex())
        m_zoom->setCurrentIndex(i);
}

bool ReportPreview::saveAsPdf()
{
    const auto file = Prompter::instance().saveFileName(
        QStringLiteral("保存为PDF"), QStringLiteral("报表.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!file)
        return false;
    QString path = *file;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString why;
    if (!ReportPainter::writePdf(m_doc, path, &why)) {
        ShowErrorBox(QStringLiteral("保存失败：") + why, QStringLiteral("错误信息"));
        return false;
    }
    return true;
}

QPrinter* ReportPreview::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

bool ReportPreview::print(bool ask)
{
    QPrinter* printer = this->printer();
    if (ask) {
        QPrintDialog dialog(printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    if (!ReportPainter::paintAll(*printer, m_doc)) {
        ShowErrorBox(QStringLiteral("打印失败"), QStringLiteral("错误信息"));
        return false;
    }
    return true;
}

void ReportPreview::pageSetup()
{
    QPageSetupDialog dialog(printer(), this);
    dialog.exec();
}
