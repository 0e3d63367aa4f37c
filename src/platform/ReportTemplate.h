#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A banded report template: page, bands and the objects on them. Lengths are millimetres;
// positions of objects are relative to the top left corner of their band.
enum class ReportBandType
{
    PageHeader,   // top of every page
    MasterHeader, // once, before the first master row
    Master,       // once per row of its dataset (once when it names none)
    DetailHeader, // before the detail rows of a master row, repeated on every page they span
    Detail,       // once per row of its dataset that belongs to the current master row
    PageFooter,   // bottom of every page
    Summary,      // once, after the last master row
};

enum class ReportObjectKind
{
    Text,
    Line,
    Rect,
};

// Frame sides of a text object.
enum ReportFrame
{
    FrameNone = 0,
    FrameLeft = 1,
    FrameTop = 2,
    FrameRight = 4,
    FrameBottom = 8,
    FrameAll = 15,
};

enum class ReportHAlign
{
    Left,
    Center,
    Right
};

struct ReportFont
{
    static QString defaultFamily();
    QString family = defaultFamily();
    double size = 10; // points
    bool bold = false;
    bool operator==(const ReportFont&) const = default;
};

struct ReportObject
{
    ReportObjectKind kind = ReportObjectKind::Text;
    QString name;
    // Text and Rect: the box. Line: from (x, y) to (x + w, y + h).
    QRectF rect;
    // Text: literals mixed with field expressions in brackets, e.g. "姓名：[RMzyzz.xm]".
    QString text;
    ReportFont font;
    ReportHAlign align = ReportHAlign::Left;
    int frame = FrameNone;
    double lineWidth = 0.2; // mm, for frames, lines and rectangles
    // Display format of the values of the text's fields: "0.00", or a date format such as
    // "yyyy-MM-dd"; empty shows values as they are (amounts always with two decimals).
    QString format;
    bool operator==(const ReportObject&) const = default;
};

struct ReportBand
{
    ReportBandType type = ReportBandType::Master;
    double height = 10;
    QString dataset; // Master and Detail: the dataset the band runs over
    QList<ReportObject> objects;
    bool operator==(const ReportBand&) const = default;
};

struct ReportPageSetup
{
    double width = 210; // mm, A4 portrait by default
    double height = 297;
    double left = 10, top = 10, right = 10, bottom = 10;
    bool operator==(const ReportPageSetup&) const = default;
};

class ReportTemplate
{
public:
    static constexpr int FormatVersion = 1;

    ReportPageSetup page;
    QList<ReportBand> bands;

    bool operator==(const ReportTemplate&) const = default;

    // The first object of that name, searched band by band in order; nullptr when none.
    ReportObject* findObject(const QString& name);
    const ReportObject* findObject(const QString& name) const;
    // The first band of the type; nullptr when none.
    const ReportBand* band(ReportBandType type) const;

    // The XML form: only what differs from the defaults is written.
    QByteArray toXml() const;
    // Parses the XML form; false with a reason (and this template unchanged) when it is not a
    // template of a version this program reads.
    bool fromXml(const QByteArray& xml, QString* error);

    static QString bandTypeName(ReportBandType type);
};
