#include "platform/ui/ReportPageView.h"

#include "platform/ReportPainter.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int Gap = 12;
} // namespace

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportPageView"));
}

void ReportPageView::setDocument(const ReportDocument& doc)
{
    m_doc = doc;
    updateGeometry();
    resize(sizeHint());
    update();
}

void ReportPageView::setZoom(double zoom)
{
    m_zoom = qBound(0.1, zoom, 8.0);
    updateGeometry();
    resize(sizeHint());
    update();
}

QSize ReportPageView::pageSize() const
{
    const double pxPerMm = logicalDpiX() / 25.4 * m_zoom;
    return QSize(qRound(m_doc.page.width * pxPerMm), qRound(m_doc.page.height * pxPerMm));
}

QRect ReportPageView::pageRect(int index) const
{
    const QSize s = pageSize();
    return QRect(QPoint(Gap, Gap + index * (s.height() + Gap)), s);
}

QSize ReportPageView::sizeHint() const
{
    const QSize s = pageSize();
    const int n = qMax(1, int(m_doc.pages.size()));
    return QSize(s.width() + 2 * Gap, n * (s.height() + Gap) + Gap);
}

void ReportPageView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), palette().dark());
    for (int i = 0; i < m_doc.pages.size(); ++i) {
        const QRect r = pageRect(i);
        if (!r.intersects(event->rect()))
            continue;
        p.fillRect(r.translated(3, 3), Qt::darkGray);
        p.fillRect(r, Qt::white);
        ReportPainter::paintPage(p, m_doc, i, r);
    }
}
