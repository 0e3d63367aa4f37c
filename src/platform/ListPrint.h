#pragma once

#include "platform/SqlListModel.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

// Printing of a list, in one of two styles:
// - footer style: a page footer on every page with the operator-and-date line on the right and
//   the page text "第&[Page]页 共&[Pages]页" (number and count substituted) in the centre;
// - title style: no page footer; the title (the operator-and-date line) is printed once above
//   the rows, and an empty list prints nothing.
// The heading goes to the centre of every page header, or (headingAsTitle) once above the
// rows. The column titles repeat on every page. Margins are 2 mm.
struct ListPrintJob
{
    enum class Style
    {
        Footer,
        Title
    };
    Style style = Style::Footer;
    QString heading;
    double headingPointSize = 8.25; // 11 pixels
    bool headingAsTitle = false;
    QString title;        // printed once above the rows
    QString operatorLine; // footer style: e.g. "操作员：张三   日期：2026-01-05"
    QString pageText = QStringLiteral("第&[Page]页 共&[Pages]页");
    QList<GridColumn> columns; // printed columns, in order, with their widths in screen pixels
    QList<QStringList> rows;   // display texts
};

namespace ListPrint {
struct Layout
{
    int firstPageRows = 0; // the first page also holds the title
    int rowsPerPage = 0;   // rows on the pages after it
    int pages = 0;
};
// Pages of the job on a device; a title-style list without rows has no pages.
Layout layout(const ListPrintJob& job, QPagedPaintDevice& device);
QString pageText(const ListPrintJob& job, int page, int pages);
// Columns wider than a portrait A4 page print across a landscape one.
bool prefersLandscape(const ListPrintJob& job);
// Called before each page is painted (pages counted from 1); false stops the print there.
using PageProgress = std::function<bool(int page, int pages)>;
// Paints the whole job; false when the device could not be painted on. Returns the layout used.
bool print(const ListPrintJob& job, QPagedPaintDevice& device, Layout* used = nullptr,
           const PageProgress& progress = {});
// Prints to a PDF file (A4, landscape for wide lists).
bool printToPdf(const ListPrintJob& job, const QString& path, Layout* used = nullptr);
} // namespace ListPrint
