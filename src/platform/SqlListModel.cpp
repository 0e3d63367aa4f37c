#include "platform/SqlListModel.h"

#include "data/Database.h"
#include "data/Money.h"

#include <QSqlRecord>

namespace {
GridColumn make(const char* f, const char* t, GridColumn::Kind kind, int w)
{
    GridColumn c;
    c.field = QString::fromLatin1(f);
    c.title = QString::fromUtf8(t);
    c.kind = kind;
    c.width = w;
    return c;
}
} // namespace

GridColumn GridColumn::text(const char* f, const char* t, int w)
{
    return make(f, t, Kind::Text, w);
}

GridColumn GridColumn::integer(const char* f, const char* t, int w)
{
    return make(f, t, Kind::Integer, w);
}

GridColumn GridColumn::money(const char* f, const char* t, bool sum)
{
    GridColumn c = make(f, t, Kind::Money, 100);
    return sum ? c.withSum() : c;
}

GridColumn GridColumn::number(const char* f, const char* t, int w)
{
    return make(f, t, Kind::Float, w);
}

GridColumn GridColumn::date(const char* f, const char* t, int w)
{
    return make(f, t, Kind::Date, w);
}

GridColumn GridColumn::withSum() const
{
    GridColumn c = *this;
    c.footer = Footer::Sum;
    return c;
}

GridColumn GridColumn::withCount() const
{
    GridColumn c = *this;
    c.footer = Footer::Count;
    return c;
}

GridColumn GridColumn::withFooterText(const char* text) const
{
    GridColumn c = *this;
    c.footer = Footer::Static;
    c.footerText = QString::fromUtf8(text);
    return c;
}

QString GridColumn::displayText(const QVariant& v) const
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (kind) {
    case Kind::Money:
        return Money::fromStored(v).toText();
    case Kind::Ratio:
        return QString::number(v.toDouble() / 10000.0, 'f', 4);
    case Kind::Float:
        return QString::number(v.toDouble(), 'g', 15);
    case Kind::Integer:
    case Kind::Text:
    case Kind::Date:
        break;
    }
    return v.toString();
}

SqlListModel::SqlListModel(QObject* parent) : QAbstractTableModel(parent) {}

void SqlListModel::setQuery(const QString& sql, const QVariantList& values,
                            const QList<GridColumn>& columns, const QString& keyOrder)
{
    m_sql = sql;
    m_values = values;
    m_columns = columns;
    m_keyOrder = keyOrder;
    m_sortColumn = -1;
    reload();
}

void SqlListModel::refresh()
{
    reload();
}

void SqlListModel::reload()
{
    beginResetModel();
    m_rows.clear();
    m_sums.clear();
    m_total = 0;
    endResetModel();
    if (m_sql.isEmpty())
        return;
    // Count and sums over the whole result, in one statement.
    QStringList aggregates{QStringLiteral("count(*)")};
    for (const auto& c : m_columns)
        aggregates << (c.footer == GridColumn::Footer::Sum ? QStringLiteral("sum(%1)").arg(c.field)
                                                           : QStringLiteral("null"));
    QSqlQuery q = OpenQuerySql(QStringLiteral("select ") + aggregates.join(QStringLiteral(", ")) +
                                   QStringLiteral(" from (") + m_sql + QStringLiteral(") list_all"),
                               m_values);
    if (q.next()) {
        m_total = q.value(0).toInt();
        for (int i = 0; i < m_columns.size(); ++i)
            m_sums << q.value(i + 1);
    }
    fetchPage();
}

void SqlListModel::fetchPage()
{
    if (m_rows.size() >= m_total)
        return;
    const QString sql = QStringLiteral("select * from (") + m_sql +
                        QStringLiteral(") list_page order by ") + orderClause() +
                        QStringLiteral(" limit ? offset ?");
    QVariantList values = m_values;
    // Each page re-runs the ordered query; growing pages keep the number of runs logarithmic
    // while the operator scrolls far down a large list.
    values << std::max(PageSize, int(m_rows.size())) << int(m_rows.size());
    QSqlQuery q = OpenQuerySql(sql, values);
    QList<QVariantList> page;
    readRows(q, [&page](const QVariantList& row) {
        page << row;
        return true;
    });
    if (page.isEmpty()) {
        m_total = int(m_rows.size()); // rows vanished meanwhile
        return;
    }
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    m_rows += page;
    endInsertRows();
}

QString SqlListModel::orderClause() const
{
    // A total order, so that pages neither repeat nor skip rows: the sorted column first, then
    // the key (or every other column) to break ties.
    QStringList order;
    if (m_sortColumn >= 0)
        order << m_columns.at(m_sortColumn).field + (m_sortOrder == Qt::AscendingOrder
                                                         ? QStringLiteral(" asc")
                                                         : QStringLiteral(" desc"));
    if (!m_keyOrder.isEmpty())
        order << m_keyOrder;
    else
        for (int i = 0; i < m_columns.size(); ++i)
            if (i != m_sortColumn)
                order << m_columns.at(i).field;
    return order.join(QStringLiteral(", "));
}

void SqlListModel::forEachRow(const std::function<bool(const QVariantList& row)>& f) const
{
    QSqlQuery q = OpenQuerySql(QStringLiteral("select * from (") + m_sql +
                                   QStringLiteral(") list_all order by ") + orderClause(),
                               m_values);
    readRows(q, f);
}

void SqlListModel::readRows(QSqlQuery& q,
                            const std::function<bool(const QVariantList& row)>& f) const
{
    // the columns' fields, found once by name in the result
    QList<int> positions;
    for (const auto& c : m_columns)
        positions << q.record().indexOf(c.field.toLower());
    QVariantList row;
    while (q.next()) {
        row.clear();
        for (int p : positions)
            row << (p >= 0 ? q.value(p) : QVariant());
        if (!f(row))
            return;
    }
}

int SqlListModel::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant SqlListModel::value(int row, const QString& field) const
{
    const int c = columnOf(field);
    if (row < 0 || row >= m_rows.size() || c < 0)
        return {};
    return m_rows.at(row).at(c);
}

QString SqlListModel::displayText(int column, const QVariant& v) const
{
    return m_columns.at(column).displayText(v);
}

int SqlListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SqlListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SqlListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QVariant v = m_rows.at(index.row()).at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.column(), v);
    case ValueRole:
        return v;
    case Qt::TextAlignmentRole:
        return !m_columns.at(index.column()).isNumeric()
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant SqlListModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    if (o == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

bool SqlListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_rows.size() < m_total;
}

void SqlListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    try {
        fetchPage();
    } catch (const DatabaseError&) {
        m_total = int(m_rows.size());
    }
}

void SqlListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    reload();
}

void SqlListModel::clearSort()
{
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    reload();
}
