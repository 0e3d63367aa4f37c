#include "platform/ReportPainter.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
// Painting happens in hundredths of a millimetre, so fonts get an integer pixel size that is
// accurate at every zoom.
constexpr double Units = 100.0;

QFont fontOf(const ReportFont& f)
{
    QFont font(f.family);
    font.setPixelSize(qMax(1, qRound(f.size * 25.4 / 72.0 * Units)));
    font.setBold(f.bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QRectF scaled(const QRectF& r)
{
    return QRectF(r.x() * Units, r.y() * Units, r.width() * Units, r.height() * Units);
}

void drawOp(QPainter& p, const ReportDrawOp& op)
{
    QPen pen(Qt::black);
    pen.setWidthF(op.lineWidth * Units);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = scaled(op.rect);
    switch (op.kind) {
    case ReportObjectKind::Line:
        p.drawLine(r.topLeft(), r.bottomRight());
        return;
    case ReportObjectKind::Rect:
        p.drawRect(r);
        return;
    case ReportObjectKind::Text:
        break;
    }
    if (op.frame & FrameLeft)
        p.drawLine(r.topLeft(), r.bottomLeft());
    if (op.frame & FrameTop)
        p.drawLine(r.topLeft(), r.topRight());
    if (op.frame & FrameRight)
        p.drawLine(r.topRight(), r.bottomRight());
    if (op.frame & FrameBottom)
        p.drawLine(r.bottomLeft(), r.bottomRight());
    if (op.text.isEmpty())
        return;
    p.setFont(fontOf(op.font));
    int flags = Qt::AlignVCenter | Qt::TextWordWrap;
    flags |= op.align == ReportHAlign::Center  ? Qt::AlignHCenter
             : op.align == ReportHAlign::Right ? Qt::AlignRight
                                               : Qt::AlignLeft;
    // a little padding inside a frame
    const double pad = 0.5 * Units;
    p.drawText(r.adjusted(pad, 0, -pad, 0), flags, op.text);
}
} // namespace

void ReportPainter::ensureFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (QFontDatabase::families().contains(ReportFont::defaultFamily()))
        return;
    for (const char* file : {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
                             "/usr/share/fonts/wqy-zenhei/wqy-zenhei.ttc"})
        if (QFileInfo::exists(QString::fromLatin1(file)) &&
            QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0)
            return;
}

void ReportPainter::paintPage(QPainter& p, const ReportDocument& doc, int pageIndex,
                              const QRectF& target)
{
    if (pageIndex < 0 || pageIndex >= doc.pages.size())
        return;
    ensureFonts();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(target.topLeft());
    p.scale(target.width() / (doc.page.width * Units), target.height() / (doc.page.height * Units));
    for (const auto& op : doc.pages.at(pageIndex).ops)
        drawOp(p, op);
    p.restore();
}

bool ReportPainter::paintAll(QPagedPaintDevice& device, const ReportDocument& doc)
{
    const auto orientation =
        doc.page.width > doc.page.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    // QPageSize is always portrait; the orientation turns it
    const QPageSize portrait(
        QSizeF(qMin(doc.page.width, doc.page.height), qMax(doc.page.width, doc.page.height)),
        QPageSize::Millimeter);
    device.setPageLayout(QPageLayout(portrait, orientation, QMarginsF(0, 0, 0, 0)));
    QPainter p;
    if (!p.begin(&device))
        return false;
    for (int i = 0; i < doc.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        const QRect page = device.pageLayout().fullRectPixels(device.logicalDpiX());
        paintPage(p, doc, i, QRectF(0, 0, page.width(), page.height()));
    }
    return p.end();
}

bool ReportPainter::writePdf(const ReportDocument& doc, const QString& path, QString* error)
{
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    pdf.setCreator(QStringLiteral("Quenlo"));
    if (!paintAll(pdf, doc)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(QFileInfo(path).absoluteFilePath());
        return false;
    }
    return true;
}
