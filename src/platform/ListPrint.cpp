#include "platform/ListPrint.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double MarginMm = 2.0;

QFont bodyFont()
{
    QFont f;
    f.setPointSizeF(9);
    return f;
}

QFont headingFont(const ListPrintJob& job)
{
    QFont f;
    f.setPointSizeF(job.headingPointSize);
    return f;
}

// Heights in device units of the parts of a page.
struct Metrics
{
    int line = 0;   // a row (and the column titles)
    int header = 0; // the page header with the heading
    int title = 0;  // the title block of the first page
    int footer = 0; // the page footer
    int heading = 0;
    int titleLine = 0;
};

Metrics metricsFor(const ListPrintJob& job, QPagedPaintDevice& device)
{
    const QFontMetrics body(bodyFont(), &device);
    const QFontMetrics heading(headingFont(job), &device);
    Metrics m;
    m.line = body.height() + body.height() / 3;
    m.heading = heading.height() + heading.height() / 2;
    m.titleLine = m.line;
    const bool headingInHeader = !job.heading.isEmpty() && !job.headingAsTitle;
    m.header = headingInHeader ? m.heading : m.line / 2;
    if (job.headingAsTitle && !job.heading.isEmpty())
        m.title += m.heading;
    QString title = job.title;
    if (job.style == ListPrintJob::Style::Title && title.isEmpty())
        title = job.operatorLine;
    if (!title.isEmpty())
        m.title += m.titleLine;
    m.footer = job.style == ListPrintJob::Style::Footer ? m.line : 0;
    return m;
}

QString titleText(const ListPrintJob& job)
{
    if (job.style == ListPrintJob::Style::Title && job.title.isEmpty())
        return job.operatorLine;
    return job.title;
}
} // namespace

ListPrint::Layout ListPrint::layout(const ListPrintJob& job, QPagedPaintDevice& device)
{
    const Metrics m = metricsFor(job, device);
    const int body = device.height() - m.header - m.footer;
    Layout l;
    l.rowsPerPage = std::max(1, body / m.line - 1); // one line for the column titles
    l.firstPageRows = std::max(1, (body - m.title) / m.line - 1);
    const int rows = int(job.rows.size());
    if (rows == 0)
        l.pages = job.style == ListPrintJob::Style::Title ? 0 : 1;
    else if (rows <= l.firstPageRows)
        l.pages = 1;
    else
        l.pages = 1 + (rows - l.firstPageRows + l.rowsPerPage - 1) / l.rowsPerPage;
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
    // proportion when the columns are wider than the page, so that none is cut off.
    int total = 0;
    for (const auto& c : job.columns)
        total += std::max(1, c.width);
    double scale = device.logicalDpiX() / 96.0;
    if (total * scale > width)
        scale = double(width) / total;
    const QFont heading = headingFont(job);
    const QFont body = bodyFont();
    QFont columnTitles = body;
    columnTitles.setBold(true);
    const QFontMetrics bodyMetrics(body, &device);
    const QFontMetrics titleMetrics(columnTitles, &device);
    const QString title = titleText(job);
    int printed = 0;
    for (int page = 1; page <= l.pages; ++page) {
        if (progress && !progress(page, l.pages))
            break;
        if (page > 1)
            device.newPage();
        int y = 0;
        if (!job.heading.isEmpty() && !job.headingAsTitle) {
            p.setFont(heading);
            p.drawText(QRect(0, 0, width, m.heading), Qt::AlignCenter, job.heading);
        }
        y = m.header;
        if (page == 1) {
            if (job.headingAsTitle && !job.heading.isEmpty()) {
                p.setFont(heading);
                p.drawText(QRect(0, y, width, m.heading), Qt::AlignCenter, job.heading);
                y += m.heading;
            }
            if (!title.isEmpty()) {
                p.setFont(body);
                p.drawText(QRect(0, y, width, m.titleLine), Qt::AlignLeft | Qt::AlignVCenter,
                           title);
                y += m.titleLine;
            }
        }
        auto drawRow = [&](const QStringList& cells, bool bold) {
            p.setFont(bold ? columnTitles : body);
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
        const int count = page == 1 ? l.firstPageRows : l.rowsPerPage;
        for (int r = printed; r < std::min<int>(int(job.rows.size()), printed + count); ++r)
            drawRow(job.rows.at(r), false);
        printed += count;
        if (job.style == ListPrintJob::Style::Footer) {
            p.setFont(body);
            const QRect footer(0, device.height() - m.footer, width, m.footer);
            p.drawText(footer, Qt::AlignCenter, pageText(job, page, l.pages));
            p.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, job.operatorLine);
        }
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
