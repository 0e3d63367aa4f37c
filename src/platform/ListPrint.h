#pragma once

#include "platform/SqlListModel.h"

#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

// Printing of a list: a heading (in the page header, or as a title above the first rows), the
// column titles on every page, the rows, and a footer with the operator-and-date line and the
// page text "第&[Page]页 共&[Pages]页" with the number and count substituted. Margins are 2 mm.
struct ListPrintJob
{
    enum class Style
    {
        PageHeader,
        Title
    };
    Style style = Style::PageHeader;
    QString heading;
    QString operatorLine; // e.g. "操作员：张三   日期：2026-01-05"
    QString pageText = QStringLiteral("第&[Page]页 共&[Pages]页");
    QList<GridColumn> columns; // printed columns, in order, with their widths
    QList<QStringList> rows;   // display texts
};

namespace ListPrint {
struct Layout
{
    int rowsPerPage = 0;
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
// Prints to a PDF file.
bool printToPdf(const ListPrintJob& job, const QString& path, Layout* used = nullptr);
} // namespace ListPrint
