#include "platform/ListPrint.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double MarginMm = 2.0;

struct Metrics
{
    int line = 0;   // height of one text line
    int header = 0; // page header above the column titles
    int footer = 0; // page footer
    int body = 0;   // height left for the title row and rows
};

QFont listFont()
{
    QFont f;
    f.setPointSizeF(9);
    return f;
}

Metrics metricsFor(const ListPrintJob& job, QPagedPaintDevice& device)
{
    Q_UNUSED(job);
    const QFontMetrics fm(listFont(), &device);
    Metrics m;
    m.line = fm.height() + fm.height() / 3;
    m.header = 2 * m.line; // heading (14 pt) and a gap
    m.footer = m.line;
    m.body = device.height() - m.header - m.footer;
    return m;
}
} // namespace

ListPrint::Layout ListPrint::layout(const ListPrintJob& job, QPagedPaintDevice& device)
{
    const Metrics m = metricsFor(job, device);
    Layout l;
    l.rowsPerPage = std::max(1, m.body / m.line - 1); // one line for the column titles
    if (job.rows.isEmpty())
        l.pages = job.style == ListPrintJob::Style::Title ? 0 : 1;
    else
        l.pages = int((job.rows.size() + l.rowsPerPage - 1) / l.rowsPerPage);
    return l;
}

bool ListPrint::prefersLandscape(const ListPrintJob& job)
{
    int total = 0;
    for (const auto& c : job.columns)
        total += std::max(1, c.width);
    // wider than the printable width of a portrait A4 page (206 mm at 96 pixels to the inch)
    return total > 206.0 / 25.4 * 96.0;
}

QString ListPrint::pageText(const ListPrintJob& job, int page, int pages)
{
    QString t = job.pageText;
    t.replace(QStringLiteral("&[Pages]"), QString::number(pages));
    t.replace(QStringLiteral("&[Page]"), QString::number(page));
    return t;
}

bool ListPrint::print(const ListPrintJob& job, QPagedPaintDevice& device, Layout* used,
                      const PageProgress& progress)
{
    device.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                          QPageLayout::Millimeter);
    const Layout l = layout(job, device);
    if (used)
        *used = l;
    if (l.pages == 0)
        return true;
    QPainter p;
    if (!p.begin(&device))
        return false;
    const Metrics m = metricsFor(job, device);
    const int width = device.width();
    // Column widths are screen pixels (96 to the inch): printed at their size, or narrowed in
    // proportion when the columns are wider than the page.
    int total = 0;
    for (const auto& c : job.columns)
        total += std::max(1, c.width);
    double scale = device.logicalDpiX() / 96.0;
    if (total * scale > width)
        scale = double(width) / total;
    QFont headingFont = listFont();
    headingFont.setPointSizeF(14);
    QFont bodyFont = listFont();
    QFont titleFont = listFont();
    titleFont.setBold(true);
    const QFontMetrics bodyMetrics(bodyFont, &device);
    const QFontMetrics titleMetrics(titleFont, &device);
    for (int page = 1; page <= l.pages; ++page) {
        if (progress && !progress(page, l.pages))
            break;
        if (page > 1)
            device.newPage();
        p.setFont(headingFont);
        if (job.style == ListPrintJob::Style::PageHeader || page == 1)
            p.drawText(QRect(0, 0, width, m.header), Qt::AlignCenter, job.heading);
        int y = m.header;
        auto drawRow = [&](const QStringList& cells, bool bold) {
            p.setFont(bold ? titleFont : bodyFont);
            const QFontMetrics& fm = bold ? titleMetrics : bodyMetrics;
            int x = 0;
            for (int i = 0; i < job.columns.size(); ++i) {
                const int w = int(std::max(1, job.columns.at(i).width) * scale);
                const QRect cell(x, y, w, m.line);
                p.drawRect(cell);
                const bool right = job.columns.at(i).isNumeric() && !bold;
                // a text wider than its cell is cut with an ellipsis, never drawn over the next
                p.drawText(cell.adjusted(2, 0, -2, 0),
                           (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           fm.elidedText(cells.value(i), Qt::ElideRight, std::max(0, w - 4)));
                x += w;
            }
            y += m.line;
        };
        QStringList titles;
        for (const auto& c : job.columns)
            titles << c.title;
        drawRow(titles, true);
        const int first = (page - 1) * l.rowsPerPage;
        for (int r = first; r < std::min<int>(int(job.rows.size()), first + l.rowsPerPage); ++r)
            drawRow(job.rows.at(r), false);
        p.setFont(listFont());
        const QRect footer(0, device.height() - m.footer, width, m.footer);
        p.drawText(footer, Qt::AlignCenter, pageText(job, page, l.pages));
        p.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, job.operatorLine);
    }
    return p.end();
}

bool ListPrint::printToPdf(const ListPrintJob& job, const QString& path, Layout* used)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(prefersLandscape(job) ? QPageLayout::Landscape : QPageLayout::Portrait);
    pdf.setResolution(300);
    return print(job, pdf, used);
}
