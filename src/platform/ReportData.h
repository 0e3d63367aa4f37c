#pragma once

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// A small in-memory table offered to a report under a name. Column names are matched without
// regard to case. Amount columns hold Money values, so that they print exactly.
class ReportDataset
{
public:
    ReportDataset() = default;
    ReportDataset(QStringList columns, QList<QVariantList> rows);

    // Reads every row of an executed query. Columns found in one of the named tables of the
    // schema are converted from their stored form: amounts to Money, other decimals to double.
    static ReportDataset fromQuery(QSqlQuery& query, const QStringList& tables);

    const QStringList& columns() const { return m_columns; }
    const QList<QVariantList>& rows() const { return m_rows; }
    int rowCount() const { return int(m_rows.size()); }
    // The column's index, -1 when there is none.
    int columnIndex(const QString& name) const;
    QVariant value(int row, int column) const;

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
};

// The datasets a report reads, by name (matched without regard to case), with the
// master–detail links between them.
class ReportData
{
public:
    void bind(const QString& name, ReportDataset dataset);
    // The detail dataset's rows that belong to a master row are those whose detailKey equals
    // the master's masterKey.
    void link(const QString& detail, const QString& master, const QString& masterKey,
              const QString& detailKey);
    void clear();

    const ReportDataset* dataset(const QString& name) const;
    QStringList names() const;

    struct Link
    {
        QString master;
        QString masterKey;
        QString detailKey;
    };
    const Link* linkOf(const QString& detail) const;

private:
    QHash<QString, ReportDataset> m_sets; // keyed by lower-case name
    QHash<QString, QString> m_names;      // lower-case name -> name as bound
    QHash<QString, Link> m_links;
};
