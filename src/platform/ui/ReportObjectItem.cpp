#include "platform/ui/ReportObjectItem.h"

#include "platform/ui/ReportDesigner.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

ReportObjectItem::ReportObjectItem(ReportDesigner* designer, int band, int index,
                                   const QRectF& rect, const QString& label, bool line,
                                   QGraphicsItem* parent)
    : QGraphicsRectItem(QRectF(QPointF(0, 0), rect.size()), parent), m_designer(designer),
      m_band(band), m_index(index), m_label(label), m_line(line)
{
    setPos(rect.topLeft());
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
}

QRectF ReportObjectItem::handle() const
{
    const double s = ReportDesigner::Scale * 1.5;
    const QRectF r = rect();
    return QRectF(r.right() - s, r.bottom() - s, s, s);
}

void ReportObjectItem::paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = rect();
    if (m_line) {
        p->setPen(QPen(Qt::black, 1));
        p->drawLine(r.topLeft(), r.bottomRight());
    } else {
        p->setPen(QPen(QColor(0x90, 0x90, 0x90), 0, Qt::DotLine));
        p->drawRect(r);
        p->setPen(Qt::black);
        QFont f = p->font();
        f.setPixelSize(qMax(8, int(ReportDesigner::Scale * 3)));
        p->setFont(f);
        p->drawText(r.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::TextWordWrap, m_label);
    }
    if (isSelected()) {
        p->setPen(QPen(QColor(0x1e, 0x6f, 0xd9), 0, Qt::DashLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
        p->fillRect(handle(), QColor(0x1e, 0x6f, 0xd9));
    }
}

QVariant ReportObjectItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange)
        return ReportDesigner::snap(value.toPointF());
    return QGraphicsRectItem::itemChange(change, value);
}

void ReportObjectItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_pressPos = pos();
    m_resizing = isSelected() && handle().contains(event->pos());
    if (m_resizing) {
        event->accept();
        return;
    }
    QGraphicsRectItem::mousePressEvent(event);
}

void ReportObjectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_resizing) {
        QGraphicsRectItem::mouseMoveEvent(event);
        return;
    }
    const QPointF corner = ReportDesigner::snap(event->pos());
    prepareGeometryChange();
    setRect(QRectF(QPointF(0, 0), QSizeF(qMax(corner.x(), m_line ? 0.0 : ReportDesigner::Scale),
                                         qMax(corner.y(), m_line ? 0.0 : ReportDesigner::Scale))));
}

void ReportObjectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsRectItem::mouseReleaseEvent(event);
    const bool resized = m_resizing;
    m_resizing = false;
    if (resized || pos() != m_pressPos)
        m_designer->objectDragged(m_band, m_index, QRectF(pos(), rect().size()));
}
