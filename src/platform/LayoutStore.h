#pragma once

#include <QList>
#include <QString>
#include <optional>

// The stored layout of one grid column, identified by its field name.
struct ColumnLayout
{
    QString field;
    int width = 90;
    bool visible = true;
    QString title;
    QString footerField;
    QString footerValue;
    int footerType = 0;  // 0 none, 1 sum, 2 average, 3 count, 4 field value, 5 static text
    int footerAlign = 0; // 0 left, 1 right, 2 centre
    bool readOnly = false;
    QString colour;
    QString displayFormat;

    bool operator==(const ColumnLayout&) const = default;
};

// Column layouts kept by column name in visual order, in two stores: a section of a screen's
// settings file (Grid.ini, list.ini in the data folder), and the per-user store of the grid
// options menu (one key per grid, one thirteen-field value per column).
namespace LayoutStore {
// The designed columns rearranged by a stored layout: stored columns in their stored order,
// those whose field is gone dropped, designed columns the store does not know kept as
// designed after them. Each stored field that does not make sense keeps its designed value.
QList<ColumnLayout> merge(const QList<ColumnLayout>& designed, const QList<ColumnLayout>& stored);

// A section of a settings file (compared without regard to case); nothing when the file or
// the section is missing or unreadable.
std::optional<QList<ColumnLayout>> readSection(const QString& file, const QString& section);
// Replaces the whole section; false when the file could not be written.
bool writeSection(const QString& file, const QString& section, const QList<ColumnLayout>& columns);

// The per-user store: a settings file with one group per grid key.
QString userStoreFile();
// Overrides the per-user file (tests); empty restores the default.
void setUserStoreFile(const QString& file);
QString encodeUserValue(const ColumnLayout& column);
ColumnLayout decodeUserValue(const QString& value);
std::optional<QList<ColumnLayout>> readUser(const QString& gridKey);
bool hasUser(const QString& gridKey);
bool writeUser(const QString& gridKey, const QList<ColumnLayout>& columns);
} // namespace LayoutStore
