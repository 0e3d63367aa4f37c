#include "platform/ReportLayout.h"

#include "data/Clock.h"
#include "data/Money.h"
#include "data/NumberText.h"
#include "platform/ReportCapitalFigures.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <optional>

namespace {
// Stands for the page count until the last page is known.
const QChar PagesMark(0xE000);
constexpr double Epsilon = 1e-6;

// An amount as Money when the value is one (or a number that can be read as one).
std::optional<Money> asMoney(const QVariant& v)
{
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return Money::fromText(v.toString().trimmed());
    return Money::fromDouble(d);
}

bool isDateFormat(const QString& f)
{
    return f.contains(QLatin1Char('y')) || f.contains(QLatin1Char('d'));
}

QString formatValue(const QVariant& v, const QString& format)
{
    if (v.isNull())
        return {};
    const bool money = v.metaType() == QMetaType::fromType<Money>();
    if (!format.isEmpty() && isDateFormat(format)) {
        const QString s = v.toString().trimmed();
        QDateTime dt = QDateTime::fromString(s, QLatin1String(DateText::DateTimeFormat));
        if (!dt.isValid())
            dt = QDateTime(QDate::fromString(s.left(10), QLatin1String(DateText::DateFormat)),
                           QTime(0, 0));
        return dt.isValid() ? dt.toString(format) : s;
    }
    if (!format.isEmpty() && format.startsWith(QLatin1Char('0'))) {
        const int dot = int(format.indexOf(QLatin1Char('.')));
        const int decimals = dot < 0 ? 0 : int(format.size()) - dot - 1;
        if (money && decimals == 2)
            return v.value<Money>().toText();
        bool ok = false;
        const double d = money ? v.value<Money>().toDouble() : v.toDouble(&ok);
        if (!money && !ok)
            return v.toString();
        if (decimals == 2)
            return Money::fromDouble(d).toText();
        return QString::number(d, 'f', decimals);
    }
    if (money)
        return v.value<Money>().toText();
    if (v.metaType().id() == QMetaType::Double)
        return GeneralNumberText(v.toDouble());
    return v.toString();
}

class Layout
{
public:
    Layout(const ReportTemplate& t, const ReportData& d) : t(t), data(d)
    {
        doc.page = t.page;
        master = t.band(ReportBandType::Master);
        detail = t.band(ReportBandType::Detail);
        header = t.band(ReportBandType::PageHeader);
        footer = t.band(ReportBandType::PageFooter);
        detailHeader = t.band(ReportBandType::DetailHeader);
    }

    ReportDocument run()
    {
        startPage();
        if (const auto* b = t.band(ReportBandType::MasterHeader))
            place(*b);
        const int masters = master ? rowsOf(master->dataset) : 1;
        for (int m = 0; m < masters; ++m) {
            masterRow = m;
            if (master)
                place(*master);
            if (!detail)
                continue;
            const QList<int> rows = detailRows(detail->dataset);
            if (detailHeader)
                place(*detailHeader);
            inDetail = true;
            for (int r : rows) {
                detailRow = r;
                place(*detail);
            }
            inDetail = false;
            detailRow = -1;
        }
        if (const auto* b = t.band(ReportBandType::Summary))
            place(*b);
        finishPage();
        const QString count = QString::number(doc.pages.size());
        for (auto& p : doc.pages)
            for (auto& op : p.ops)
                op.text.replace(PagesMark, count);
        return doc;
    }

private:
    // Master rows to run over: the dataset's rows; one pass with empty fields when the band
    // names no dataset or one that is not bound.
    int rowsOf(const QString& name)
    {
        if (name.isEmpty())
            return 1;
        const ReportDataset* ds = data.dataset(name);
        if (!ds) {
            unknown(name);
            return 1;
        }
        return ds->rowCount();
    }

    // The rows of a dataset that belong to the current master row.
    QList<int> detailRows(const QString& name)
    {
        QList<int> rows;
        const ReportDataset* ds = data.dataset(name);
        if (!ds) {
            if (!name.isEmpty())
                unknown(name);
            return rows;
        }
        const ReportData::Link* link = data.linkOf(name);
        const ReportDataset* m = link ? data.dataset(link->master) : nullptr;
        if (!link || !m) {
            for (int i = 0; i < ds->rowCount(); ++i)
                rows << i;
            return rows;
        }
        const QString key =
            m->value(masterRowOf(link->master), m->columnIndex(link->masterKey)).toString();
        const int col = ds->columnIndex(link->detailKey);
        for (int i = 0; i < ds->rowCount(); ++i)
            if (ds->value(i, col).toString() == key)
                rows << i;
        return rows;
    }

    int masterRowOf(const QString& name) const
    {
        return master && master->dataset.compare(name, Qt::CaseInsensitive) == 0 ? masterRow : 0;
    }

    // The row a field of the dataset reads: the current detail or master row, else the first
    // row that belongs to the current master row.
    int currentRow(const QString& name)
    {
        if (detail && detailRow >= 0 && detail->dataset.compare(name, Qt::CaseInsensitive) == 0)
            return detailRow;
        if (master && master->dataset.compare(name, Qt::CaseInsensitive) == 0)
            return masterRow;
        if (data.linkOf(name)) {
            const QList<int> rows = detailRows(name);
            return rows.isEmpty() ? -1 : rows.first();
        }
        return 0;
    }

    void unknown(const QString& name)
    {
        if (!doc.unknownNames.contains(name))
            doc.unknownNames << name;
    }

    // A dataset and column named "ds.column" or ds."column"; nothing when it is unknown.
    std::optional<std::pair<const ReportDataset*, int>> field(const QString& ref)
    {
        const int dot = int(ref.indexOf(QLatin1Char('.')));
        const QString name = ref.left(dot).trimmed();
        QString column = dot < 0 ? QString() : ref.mid(dot + 1).trimmed();
        if (column.size() >= 2 && column.startsWith(QLatin1Char('"')) &&
            column.endsWith(QLatin1Char('"')))
            column = column.mid(1, column.size() - 2);
        const ReportDataset* ds = data.dataset(name);
        if (!ds) {
            unknown(dot < 0 ? ref.trimmed() : name);
            return std::nullopt;
        }
        const int col = ds->columnIndex(column);
        if (col < 0) {
            unknown(name + QLatin1Char('.') + column);
            return std::nullopt;
        }
        return std::pair{ds, col};
    }

    QVariant evaluate(const QString& expr)
    {
        const QString e = expr.trimmed();
        if (e.compare(QLatin1String("Page"), Qt::CaseInsensitive) == 0)
            return QString::number(doc.pages.size());
        if (e.compare(QLatin1String("Pages"), Qt::CaseInsensitive) == 0)
            return QString(PagesMark);
        if (e.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
            return Clock::todayText();
        const int open = int(e.indexOf(QLatin1Char('(')));
        if (open > 0 && e.endsWith(QLatin1Char(')'))) {
            const QString fn = e.left(open).trimmed();
            const QString arg = e.mid(open + 1, e.size() - open - 2);
            if (fn.compare(QLatin1String("Capital"), Qt::CaseInsensitive) == 0) {
                const auto m = asMoney(evaluate(arg));
                return m ? ChineseCapitalAmount(*m) : QString();
            }
            if (fn.compare(QLatin1String("Sum"), Qt::CaseInsensitive) == 0)
                return sum(arg);
            unknown(fn);
            return {};
        }
        const auto f = field(e);
        if (!f)
            return {};
        const QString name = e.left(e.indexOf(QLatin1Char('.'))).trimmed();
        return f->first->value(currentRow(name), f->second);
    }

    QVariant sum(const QString& ref)
    {
        const auto f = field(ref);
        if (!f)
            return {};
        const QString name = ref.left(ref.indexOf(QLatin1Char('.'))).trimmed();
        Money total;
        for (int r : detailRows(name))
            if (const auto m = asMoney(f->first->value(r, f->second)))
                total += *m;
        return QVariant::fromValue(total);
    }

    QString expand(const ReportObject& o)
    {
        const QString& s = o.text;
        QString out;
        for (int i = 0; i < s.size(); ++i) {
            const QChar c = s.at(i);
            if (c != QLatin1Char('[')) {
                out += c;
                continue;
            }
            if (i + 1 < s.size() && s.at(i + 1) == QLatin1Char('[')) {
                out += c;
                ++i;
                continue;
            }
            // the matching bracket, allowing brackets nested in the expression
            int depth = 0, j = i;
            for (; j < s.size(); ++j) {
                if (s.at(j) == QLatin1Char('['))
                    ++depth;
                else if (s.at(j) == QLatin1Char(']') && --depth == 0)
                    break;
            }
            if (j >= s.size()) {
                out += s.mid(i);
                break;
            }
            out += formatValue(evaluate(s.mid(i + 1, j - i - 1)), o.format);
            i = j;
        }
        return out;
    }

    double bottomLimit() const
    {
        return t.page.height - t.page.bottom - (footer ? footer->height : 0);
    }

    void startPage()
    {
        doc.pages.append(ReportPage{});
        y = t.page.top;
        if (header)
            draw(*header);
        contentStart = y;
    }

    void finishPage()
    {
        if (!footer)
            return;
        y = t.page.height - t.page.bottom - footer->height;
        draw(*footer);
    }

    // Places a band at the current position, first moving to a new page when it does not fit
    // (a band taller than an empty page is placed all the same).
    void place(const ReportBand& b)
    {
        if (y + b.height > bottomLimit() + Epsilon && y > contentStart + Epsilon) {
            finishPage();
            startPage();
            if (inDetail && detailHeader && &b != detailHeader)
                draw(*detailHeader);
        }
        draw(b);
    }

    void draw(const ReportBand& b)
    {
        auto& ops = doc.pages.last().ops;
        for (const auto& o : b.objects) {
            ReportDrawOp op;
            op.kind = o.kind;
            op.name = o.name;
            op.rect = o.rect.translated(t.page.left, y);
            op.font = o.font;
            op.align = o.align;
            op.frame = o.frame;
            op.lineWidth = o.lineWidth;
            if (o.kind == ReportObjectKind::Text)
                op.text = expand(o);
            ops << op;
        }
        y += b.height;
    }

    const ReportTemplate& t;
    const ReportData& data;
    ReportDocument doc;
    const ReportBand* master = nullptr;
    const ReportBand* detail = nullptr;
    const ReportBand* header = nullptr;
    const ReportBand* footer = nullptr;
    const ReportBand* detailHeader = nullptr;
    double y = 0;
    double contentStart = 0;
    int masterRow = 0;
    int detailRow = -1;
    bool inDetail = false;
};

QString mm(double v)
{
    return QString::number(v, 'f', 1);
}
} // namespace

ReportDocument LayoutReport(const ReportTemplate& report, const ReportData& data)
{
    return Layout(report, data).run();
}

QString ReportDocument::toText() const
{
    QString out;
    for (int i = 0; i < pages.size(); ++i) {
        out += QStringLiteral("page %1 of %2 (%3 x %4 mm)\n")
                   .arg(i + 1)
                   .arg(pages.size())
                   .arg(mm(page.width), mm(page.height));
        for (const auto& op : pages.at(i).ops) {
            const QString at = mm(op.rect.x()) + QLatin1Char(',') + mm(op.rect.y());
            const QString size = mm(op.rect.width()) + QLatin1Char('x') + mm(op.rect.height());
            switch (op.kind) {
            case ReportObjectKind::Line:
                out += QStringLiteral("  line %1 %2\n").arg(at, size);
                break;
            case ReportObjectKind::Rect:
                out += QStringLiteral("  rect %1 %2\n").arg(at, size);
                break;
            case ReportObjectKind::Text: {
                QString style = QString::number(op.font.size);
                if (op.font.bold)
                    style += QStringLiteral(" bold");
                if (op.align == ReportHAlign::Center)
                    style += QStringLiteral(" center");
                else if (op.align == ReportHAlign::Right)
                    style += QStringLiteral(" right");
                if (op.frame)
                    style += QStringLiteral(" frame");
                out += QStringLiteral("  text %1 %2 %3 |%4|%5\n")
                           .arg(at, size, style, op.text,
                                op.name.isEmpty() ? QString() : QStringLiteral(" ") + op.name);
                break;
            }
            }
        }
    }
    if (!unknownNames.isEmpty())
        out += QStringLiteral("unknown: %1\n").arg(unknownNames.join(QStringLiteral(", ")));
    return out;
}

QStringList ReportDocument::texts() const
{
    QStringList t;
    for (const auto& p : pages)
        for (const auto& op : p.ops)
            if (op.kind == ReportObjectKind::Text)
                t << op.text;
    return t;
}
