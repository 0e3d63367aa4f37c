#pragma once

#include "platform/ReportLayout.h"

#include <QString>

class QPainter;
class QPagedPaintDevice;

// The one painter of laid-out reports, for the preview, the printer and PDF files.
namespace ReportPainter {
// Draws one page so that the whole page fills `target` (device coordinates of the painter).
void paintPage(QPainter& painter, const ReportDocument& doc, int pageIndex, const QRectF& target);
// Draws every page on a paged device (a printer or a PDF writer), one device page each, with
// the report's page size and no margins of the device's own.
bool paintAll(QPagedPaintDevice& device, const ReportDocument& doc);
// Writes the report as a PDF file with its fonts embedded; false with a reason on failure.
bool writePdf(const ReportDocument& doc, const QString& path, QString* error);
// Makes sure the report font is available (loads it from its file when the font database
// does not list it).
void ensureFonts();
} // namespace ReportPainter
