#pragma once

#include <QGraphicsRectItem>

class ReportDesigner;

// A template object on the designer's page: selectable, moved by dragging and resized by its
// bottom right handle, both snapped to the designer's grid. The change reaches the designer
// when the mouse is released.
class ReportObjectItem : public QGraphicsRectItem
{
public:
    ReportObjectItem(ReportDesigner* designer, int band, int index, const QRectF& rect,
                     const QString& label, bool line, QGraphicsItem* parent);
    int band() const { return m_band; }
    int index() const { return m_index; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QRectF handle() const;
    ReportDesigner* m_designer;
    int m_band;
    int m_index;
    QString m_label;
    bool m_line;
    bool m_resizing = false;
    QPointF m_pressPos;
};
