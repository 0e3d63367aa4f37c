#pragma once

#include "platform/ReportLayout.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class ReportPageView;

// The modal preview of a laid-out report: zoom, print, page setup, save as PDF. It draws the
// same pages that are printed; names the template used that the data lacks are shown.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    explicit ReportPreview(const ReportDocument& doc, QWidget* parent = nullptr);
    ~ReportPreview() override;

    ReportPageView* pageView() const { return m_view; }
    // Zoom in percent of the real size.
    void setZoomPercent(int percent);
    // Asks for a file name through the prompt service and writes the PDF; false when
    // cancelled or failed (the failure is shown).
    bool saveAsPdf();
    // Prints on the printer as set up; the printer dialog is shown first when `ask`.
    bool print(bool ask = true);
    void pageSetup();
    // The printer the preview prints on (created on first use).
    QPrinter* printer();

private:
    ReportDocument m_doc;
    ReportPageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QComboBox* m_zoom = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};
