#include "platform/ReportTemplate.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <optional>

namespace {
struct BandName
{
    ReportBandType type;
    const char* name;
};
constexpr BandName BandNames[] = {
    {ReportBandType::PageHeader, "pageHeader"}, {ReportBandType::MasterHeader, "masterHeader"},
    {ReportBandType::Master, "master"},         {ReportBandType::DetailHeader, "detailHeader"},
    {ReportBandType::Detail, "detail"},         {ReportBandType::PageFooter, "pageFooter"},
    {ReportBandType::Summary, "summary"},
};

std::optional<ReportBandType> bandType(QStringView name)
{
    for (const auto& b : BandNames)
        if (name == QLatin1String(b.name))
            return b.type;
    return std::nullopt;
}

const char* kindName(ReportObjectKind k)
{
    switch (k) {
    case ReportObjectKind::Line:
        return "line";
    case ReportObjectKind::Rect:
        return "rect";
    case ReportObjectKind::Text:
        break;
    }
    return "text";
}

QString number(double v)
{
    return QString::number(v, 'g', 8);
}

QString frameText(int frame)
{
    if (frame == FrameAll)
        return QStringLiteral("all");
    QString s;
    if (frame & FrameLeft)
        s += QLatin1Char('l');
    if (frame & FrameTop)
        s += QLatin1Char('t');
    if (frame & FrameRight)
        s += QLatin1Char('r');
    if (frame & FrameBottom)
        s += QLatin1Char('b');
    return s;
}

std::optional<int> parseFrame(const QString& s)
{
    if (s == QLatin1String("all"))
        return int(FrameAll);
    int f = FrameNone;
    for (QChar c : s) {
        switch (c.unicode()) {
        case 'l':
            f |= FrameLeft;
            break;
        case 't':
            f |= FrameTop;
            break;
        case 'r':
            f |= FrameRight;
            break;
        case 'b':
            f |= FrameBottom;
            break;
        default:
            return std::nullopt;
        }
    }
    return f;
}

class Parser
{
public:
    explicit Parser(const QByteArray& xml) : r(xml) {}

    bool parse(ReportTemplate* t, QString* error)
    {
        if (!r.readNextStartElement() || r.name() != QLatin1String("report"))
            return fail(error, QStringLiteral("the root element is not <report>"));
        bool ok = false;
        const int version = r.attributes().value(QLatin1String("version")).toInt(&ok);
        if (!ok || version < 1 || version > ReportTemplate::FormatVersion)
            return fail(error, QStringLiteral("unsupported template version \"%1\"")
                                   .arg(r.attributes().value(QLatin1String("version"))));
        while (m_error.isEmpty() && r.readNextStartElement()) {
            if (r.name() == QLatin1String("page"))
                readPage(&t->page);
            else if (r.name() == QLatin1String("band"))
                readBand(t);
            else
                m_error = QStringLiteral("unknown element <%1>").arg(r.name());
        }
        if (m_error.isEmpty() && r.hasError())
            m_error = r.errorString();
        if (!m_error.isEmpty())
            return fail(error, QStringLiteral("line %1: %2").arg(r.lineNumber()).arg(m_error));
        return true;
    }

private:
    static bool fail(QString* error, const QString& text)
    {
        if (error)
            *error = text;
        return false;
    }

    double num(const char* attr, double fallback)
    {
        const auto v = r.attributes().value(QLatin1String(attr));
        if (v.isNull())
            return fallback;
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok && m_error.isEmpty())
            m_error =
                QStringLiteral("attribute %1 is not a number: \"%2\"").arg(QLatin1String(attr), v);
        return ok ? d : fallback;
    }

    QString str(const char* attr, const QString& fallback = QString())
    {
        const auto v = r.attributes().value(QLatin1String(attr));
        return v.isNull() ? fallback : v.toString();
    }

    void readPage(ReportPageSetup* p)
    {
        p->width = num("width", p->width);
        p->height = num("height", p->height);
        p->left = num("left", p->left);
        p->top = num("top", p->top);
        p->right = num("right", p->right);
        p->bottom = num("bottom", p->bottom);
        r.skipCurrentElement();
    }

    void readBand(ReportTemplate* t)
    {
        ReportBand b;
        const auto type = bandType(r.attributes().value(QLatin1String("type")));
        if (!type) {
            m_error = QStringLiteral("unknown band type \"%1\"")
                          .arg(r.attributes().value(QLatin1String("type")));
            return;
        }
        b.type = *type;
        b.height = num("height", b.height);
        b.dataset = str("dataset");
        while (m_error.isEmpty() && r.readNextStartElement())
            readObject(&b);
        t->bands.append(b);
    }

    void readObject(ReportBand* b)
    {
        ReportObject o;
        const auto n = r.name();
        if (n == QLatin1String("line"))
            o.kind = ReportObjectKind::Line;
        else if (n == QLatin1String("rect"))
            o.kind = ReportObjectKind::Rect;
        else if (n != QLatin1String("text")) {
            m_error = QStringLiteral("unknown object <%1>").arg(n);
            return;
        }
        o.name = str("name");
        o.rect = QRectF(num("x", 0), num("y", 0), num("w", 0), num("h", 0));
        o.font.family = str("font", o.font.family);
        o.font.size = num("size", o.font.size);
        o.font.bold = str("bold") == QLatin1String("1");
        const QString align = str("align", QStringLiteral("left"));
        if (align == QLatin1String("center"))
            o.align = ReportHAlign::Center;
        else if (align == QLatin1String("right"))
            o.align = ReportHAlign::Right;
        else if (align != QLatin1String("left"))
            m_error = QStringLiteral("unknown alignment \"%1\"").arg(align);
        const auto frame = parseFrame(str("frame"));
        if (!frame)
            m_error = QStringLiteral("unknown frame \"%1\"").arg(str("frame"));
        else
            o.frame = *frame;
        o.lineWidth = num("lineWidth", o.lineWidth);
        o.format = str("format");
        o.text = r.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        b->objects.append(o);
    }

    QXmlStreamReader r;
    QString m_error;
};
} // namespace

QString ReportFont::defaultFamily()
{
    return QStringLiteral("WenQuanYi Zen Hei");
}

ReportObject* ReportTemplate::findObject(const QString& name)
{
    for (auto& b : bands)
        for (auto& o : b.objects)
            if (o.name == name)
                return &o;
    return nullptr;
}

const ReportObject* ReportTemplate::findObject(const QString& name) const
{
    return const_cast<ReportTemplate*>(this)->findObject(name);
}

const ReportBand* ReportTemplate::band(ReportBandType type) const
{
    for (const auto& b : bands)
        if (b.type == type)
            return &b;
    return nullptr;
}

QString ReportTemplate::bandTypeName(ReportBandType type)
{
    for (const auto& b : BandNames)
        if (b.type == type)
            return QLatin1String(b.name);
    return {};
}

QByteArray ReportTemplate::toXml() const
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("report"));
    w.writeAttribute(QStringLiteral("version"), QString::number(FormatVersion));
    const ReportPageSetup dp;
    if (!(page == dp)) {
        w.writeEmptyElement(QStringLiteral("page"));
        auto attr = [&](const char* name, double v, double def) {
            if (v != def)
                w.writeAttribute(QLatin1String(name), number(v));
        };
        attr("width", page.width, dp.width);
        attr("height", page.height, dp.height);
        attr("left", page.left, dp.left);
        attr("top", page.top, dp.top);
        attr("right", page.right, dp.right);
        attr("bottom", page.bottom, dp.bottom);
    }
    const ReportBand db;
    const ReportObject dobj;
    for (const auto& b : bands) {
        w.writeStartElement(QStringLiteral("band"));
        w.writeAttribute(QStringLiteral("type"), bandTypeName(b.type));
        if (b.height != db.height)
            w.writeAttribute(QStringLiteral("height"), number(b.height));
        if (!b.dataset.isEmpty())
            w.writeAttribute(QStringLiteral("dataset"), b.dataset);
        for (const auto& o : b.objects) {
            w.writeStartElement(QLatin1String(kindName(o.kind)));
            if (!o.name.isEmpty())
                w.writeAttribute(QStringLiteral("name"), o.name);
            w.writeAttribute(QStringLiteral("x"), number(o.rect.x()));
            w.writeAttribute(QStringLiteral("y"), number(o.rect.y()));
            w.writeAttribute(QStringLiteral("w"), number(o.rect.width()));
            w.writeAttribute(QStringLiteral("h"), number(o.rect.height()));
            if (o.font.family != dobj.font.family)
                w.writeAttribute(QStringLiteral("font"), o.font.family);
            if (o.font.size != dobj.font.size)
                w.writeAttribute(QStringLiteral("size"), number(o.font.size));
            if (o.font.bold)
                w.writeAttribute(QStringLiteral("bold"), QStringLiteral("1"));
            if (o.align == ReportHAlign::Center)
                w.writeAttribute(QStringLiteral("align"), QStringLiteral("center"));
            else if (o.align == ReportHAlign::Right)
                w.writeAttribute(QStringLiteral("align"), QStringLiteral("right"));
            if (o.frame != FrameNone)
                w.writeAttribute(QStringLiteral("frame"), frameText(o.frame));
            if (o.lineWidth != dobj.lineWidth)
                w.writeAttribute(QStringLiteral("lineWidth"), number(o.lineWidth));
            if (!o.format.isEmpty())
                w.writeAttribute(QStringLiteral("format"), o.format);
            if (!o.text.isEmpty())
                w.writeCharacters(o.text);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

bool ReportTemplate::fromXml(const QByteArray& xml, QString* error)
{
    ReportTemplate t;
    if (!Parser(xml).parse(&t, error))
        return false;
    *this = t;
    return true;
}
