#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The description of every table the program uses, from which the DDL of both backends is
// generated. Names are the program's own (lower case in the database; both engines resolve
// unquoted names without regard to case).
enum class ColumnType
{
    Identity, // 32-bit key assigned by the database, never reused
    Integer,  // 32-bit
    SmallInt, // 16-bit
    Decimal,  // exact: stored as an integer scaled by 10^scale (money: scale 2, cents)
    Float,    // double precision
    DateTime, // text "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"
    Text,     // at most `width` characters
};

struct ColumnDef
{
    QString name;
    ColumnType type = ColumnType::Text;
    int width = 0;      // Text: characters; Decimal: precision (digits in all)
    int scale = 0;      // Decimal: digits after the point
    QString defaultSql; // literal SQL default, empty for none
    bool primaryKey = false;

    bool isMoney() const { return type == ColumnType::Decimal && scale == 2; }
};

struct IndexDef
{
    QString name;
    QStringList columns;
    bool unique = false;
};

struct TableDef
{
    QString name;
    QList<ColumnDef> columns;
    QList<IndexDef> indexes;

    const ColumnDef* column(const QString& name) const;
};

enum class Backend
{
    Sqlite,
    Postgres
};

namespace Schema {
constexpr int Version = 1;

const QList<TableDef>& tables();
const TableDef* table(const QString& name);
// CREATE TABLE and CREATE INDEX statements for the backend, in order.
QStringList createStatements(Backend backend);
// The scale factor of a decimal column (100 for money), 1 for other columns.
qint64 scaleFactor(const ColumnDef& column);
} // namespace Schema
