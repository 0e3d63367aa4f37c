#include "platform/LayoutStore.h"

#include "data/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString g_userFile;

const QString UserBase = QStringLiteral("Software/Microsoft/Velsorin/GridSave/");
const QString UpdatedName = QStringLiteral("最后更新时间");
constexpr int FieldWidths[13] = {12, 4, 2, 80, 12, 20, 2, 2, 5, 12, 5, 2, 15};

QString groupFor(QSettings& s, const QString& section)
{
    for (const QString& g : s.childGroups())
        if (g.compare(section, Qt::CaseInsensitive) == 0)
            return g;
    return {};
}

std::optional<int> number(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}
} // namespace

QList<ColumnLayout> LayoutStore::merge(const QList<ColumnLayout>& designed,
                                       const QList<ColumnLayout>& stored)
{
    QHash<QString, int> at;
    for (int i = 0; i < designed.size(); ++i)
        at.insert(designed.at(i).field.toLower(), i);
    QList<ColumnLayout> out;
    QList<bool> used(designed.size(), false);
    for (const ColumnLayout& s : stored) {
        const int i = at.value(s.field.toLower(), -1);
        if (i < 0 || used.at(i))
            continue;
        used[i] = true;
        ColumnLayout c = designed.at(i);
        if (s.width > 0 && s.width <= 10000)
            c.width = s.width;
        c.visible = s.visible;
        if (!s.title.trimmed().isEmpty())
            c.title = s.title;
        out << c;
    }
    for (int i = 0; i < designed.size(); ++i)
        if (!used.at(i))
            out << designed.at(i);
    return out;
}

std::optional<QList<ColumnLayout>> LayoutStore::readSection(const QString& file,
                                                            const QString& section)
{
    if (!QFileInfo(file).isReadable())
        return std::nullopt;
    QSettings s(file, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return std::nullopt;
    const QString group = groupFor(s, section);
    if (group.isEmpty())
        return std::nullopt;
    s.beginGroup(group);
    QList<ColumnLayout> out;
    const int n = s.beginReadArray(QStringLiteral("columns"));
    for (int i = 0; i < n && i < 10000; ++i) {
        s.setArrayIndex(i);
        ColumnLayout c;
        c.field = s.value(QStringLiteral("field")).toString().trimmed();
        if (c.field.isEmpty())
            continue;
        c.width = number(s.value(QStringLiteral("width")).toString()).value_or(0);
        c.visible = s.value(QStringLiteral("visible"), QStringLiteral("T"))
                        .toString()
                        .trimmed()
                        .toUpper() != QLatin1String("F");
        c.title = s.value(QStringLiteral("title")).toString();
        out << c;
    }
    s.endArray();
    return out;
}

bool LayoutStore::writeSection(const QString& file, const QString& section,
                               const QList<ColumnLayout>& columns)
{
    QSettings s(file, QSettings::IniFormat);
    const QString existing = groupFor(s, section);
    if (!existing.isEmpty())
        s.remove(existing);
    s.beginGroup(section);
    s.beginWriteArray(QStringLiteral("columns"), int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        const ColumnLayout& c = columns.at(i);
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("field"), c.field);
        s.setValue(QStringLiteral("width"), c.width);
        s.setValue(QStringLiteral("visible"),
                   c.visible ? QStringLiteral("T") : QStringLiteral("F"));
        s.setValue(QStringLiteral("title"), c.title);
    }
    s.endArray();
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

QString LayoutStore::userStoreFile()
{
    if (!g_userFile.isEmpty())
        return g_userFile;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("GridSave.ini"));
}

void LayoutStore::setUserStoreFile(const QString& file)
{
    g_userFile = file;
}

QString LayoutStore::encodeUserValue(const ColumnLayout& c)
{
    const QString fields[13] = {c.field,
                                QString::number(c.width),
                                c.visible ? QStringLiteral("T") : QStringLiteral("F"),
                                c.title,
                                c.footerField,
                                c.footerValue,
                                QString::number(c.footerType),
                                QString::number(c.footerAlign),
                                c.readOnly ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                                c.colour,
                                QStringLiteral("False"),
                                QStringLiteral("0"),
                                c.displayFormat};
    QStringList parts;
    for (int i = 0; i < 13; ++i) {
        // Padded to the field's width; a longer text is kept whole.
        parts << fields[i].trimmed().leftJustified(FieldWidths[i], QLatin1Char(' '), false);
    }
    return parts.join(QLatin1Char('@'));
}

ColumnLayout LayoutStore::decodeUserValue(const QString& value)
{
    const QStringList f = value.split(QLatin1Char('@'));
    auto at = [&f](int k) { return f.value(k).trimmed(); };
    ColumnLayout c;
    c.field = at(0);
    c.width = number(at(1)).value_or(60);
    c.visible = at(2).toUpper() == QLatin1String("T");
    c.title = at(3).isEmpty() ? c.field : at(3);
    c.footerField = at(4);
    c.footerValue = at(5);
    c.footerType = number(at(6)).value_or(0);
    c.footerAlign = number(at(7)).value_or(0);
    c.readOnly = at(8).toUpper().contains(QLatin1String("TRUE"));
    c.colour = number(at(9)).value_or(0) != 0 ? at(9) : QString();
    c.displayFormat = at(12);
    return c;
}

std::optional<QList<ColumnLayout>> LayoutStore::readUser(const QString& gridKey)
{
    const QString file = userStoreFile();
    if (!QFileInfo(file).isReadable())
        return std::nullopt;
    QSettings s(file, QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return std::nullopt;
    s.beginGroup(UserBase + gridKey);
    QList<ColumnLayout> out;
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        if (!s.contains(name))
            break;
        ColumnLayout c = decodeUserValue(s.value(name).toString());
        if (!c.field.isEmpty())
            out << c;
    }
    if (out.isEmpty())
        return std::nullopt;
    return out;
}

bool LayoutStore::hasUser(const QString& gridKey)
{
    QSettings s(userStoreFile(), QSettings::IniFormat);
    return s.childGroups().size() > 0 &&
           s.contains(UserBase + gridKey + QLatin1Char('/') + UpdatedName);
}

bool LayoutStore::writeUser(const QString& gridKey, const QList<ColumnLayout>& columns)
{
    const QString file = userStoreFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    s.remove(UserBase + gridKey);
    s.beginGroup(UserBase + gridKey);
    s.setValue(UpdatedName, Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    for (int i = 0; i < columns.size(); ++i)
        s.setValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')),
                   encodeUserValue(columns.at(i)));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}
