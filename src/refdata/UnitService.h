#pragma once

#include "platform/SqlListModel.h"

#include <QString>
#include <QVariantList>
#include <optional>

// A unit (employer or department) of table dwxx.
struct Unit
{
    qint64 idbh = 0;
    QString dwmc, dwjc, dwdz, khyhmc, khyhzh, fddbr, frsfzhm, lxr, lxdz, lxdh, bzxx;
};

// The units list and its changes. Every change writes its operation log line.
namespace UnitService {
struct ListQuery
{
    QString sql;
    QVariantList values;
};

// The list's columns in their designed order.
const QList<GridColumn>& columns();

ListQuery all();
// Nothing when the text is not a unit number.
std::optional<ListQuery> byNumber(const QString& text);
// Units whose name contains the text.
ListQuery byName(const QString& text);

// Writes the log line of opening the screen.
void logOpened();
std::optional<Unit> load(qint64 idbh);
// Inserts the unit and returns its new number. Failures throw DatabaseError.
qint64 add(const Unit& unit);
// Stores the unit's fields under its number. Failures throw DatabaseError.
void edit(const Unit& unit);

enum class DeleteResult
{
    Deleted,
    HasPersons
};
// Deletes the unit with that number unless a person belongs to it.
DeleteResult remove(qint64 idbh);
} // namespace UnitService
