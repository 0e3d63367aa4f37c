#pragma once

#include "platform/ReportData.h"
#include "platform/ReportTemplate.h"

#include <QList>
#include <QStringList>

// One thing to draw on a page, in millimetres from the page's top left corner.
struct ReportDrawOp
{
    ReportObjectKind kind = ReportObjectKind::Text;
    QString name;
    QRectF rect; // Line: from rect.topLeft() to rect.bottomRight()
    QString text;
    ReportFont font;
    ReportHAlign align = ReportHAlign::Left;
    int frame = FrameNone;
    double lineWidth = 0.2;
};

struct ReportPage
{
    QList<ReportDrawOp> ops;
};

// A laid-out report: pages of draw operations, ready for any painter.
struct ReportDocument
{
    ReportPageSetup page;
    QList<ReportPage> pages;
    // Dataset and column names the template used that the data does not hold, in the order
    // first met ("ds" or "ds.column"); their fields printed empty.
    QStringList unknownNames;

    // A plain text form of every page, for comparing layouts.
    QString toText() const;
    // Every text of every page, in drawing order.
    QStringList texts() const;
};

// Lays the template out over the data. Field expressions in texts:
//   [ds.column] or [ds."column"]   the current row's value of a bound dataset
//   [Sum(ds.column)]               the sum over the dataset's rows of the current master row
//   [Capital(expression)]          an amount in Chinese capital figures
//   [Page], [Pages], [Date]        page number, page count, today ("yyyy-MM-dd")
// "[[" stands for a literal "[". Detail rows that do not fit move whole to the next page; the
// page header and the detail header repeat there.
ReportDocument LayoutReport(const ReportTemplate& report, const ReportData& data);
