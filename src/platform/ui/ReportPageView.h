#pragma once

#include "platform/ReportLayout.h"

#include <QWidget>

// The pages of a laid-out report one below the other, drawn by the report painter at a zoom.
class ReportPageView : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPageView(QWidget* parent = nullptr);

    void setDocument(const ReportDocument& doc);
    const ReportDocument& document() const { return m_doc; }
    // 1.0 draws a millimetre as a millimetre of the screen.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The area a page takes in this widget.
    QRect pageRect(int index) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize pageSize() const;
    ReportDocument m_doc;
    double m_zoom = 1.0;
};
