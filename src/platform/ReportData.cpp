#include "platform/ReportData.h"

#include "data/Money.h"
#include "data/Schema.h"

#include <QSqlQuery>
#include <QSqlRecord>

ReportDataset::ReportDataset(QStringList columns, QList<QVariantList> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

ReportDataset ReportDataset::fromQuery(QSqlQuery& query, const QStringList& tables)
{
    const QSqlRecord rec = query.record();
    QStringList columns;
    QList<const ColumnDef*> defs;
    for (int i = 0; i < rec.count(); ++i) {
        const QString name = rec.fieldName(i).toLower();
        columns << name;
        const ColumnDef* def = nullptr;
        for (const auto& t : tables) {
            const TableDef* table = Schema::table(t);
            if (table && (def = table->column(name)))
                break;
        }
        defs << def;
    }
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(rec.count());
        for (int i = 0; i < rec.count(); ++i) {
            QVariant v = query.value(i);
            const ColumnDef* def = defs.at(i);
            if (def && def->type == ColumnType::Decimal && !v.isNull()) {
                if (def->isMoney())
                    v = QVariant::fromValue(Money::fromStored(v));
                else
                    v = v.toDouble() / double(Schema::scaleFactor(*def));
            }
            row << v;
        }
        rows << row;
    }
    return ReportDataset(columns, rows);
}

int ReportDataset::columnIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant ReportDataset::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows.at(row).size())
        return {};
    return m_rows.at(row).at(column);
}

void ReportData::bind(const QString& name, ReportDataset dataset)
{
    m_sets.insert(name.toLower(), std::move(dataset));
    m_names.insert(name.toLower(), name);
}

void ReportData::link(const QString& detail, const QString& master, const QString& masterKey,
                      const QString& detailKey)
{
    m_links.insert(detail.toLower(), {master, masterKey, detailKey});
}

void ReportData::clear()
{
    m_sets.clear();
    m_names.clear();
    m_links.clear();
}

const ReportDataset* ReportData::dataset(const QString& name) const
{
    const auto it = m_sets.constFind(name.toLower());
    return it == m_sets.constEnd() ? nullptr : &*it;
}

QStringList ReportData::names() const
{
    QStringList n = m_names.values();
    n.sort();
    return n;
}

const ReportData::Link* ReportData::linkOf(const QString& detail) const
{
    const auto it = m_links.constFind(detail.toLower());
    return it == m_links.constEnd() ? nullptr : &*it;
}
