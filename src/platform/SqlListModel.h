#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

class QSqlQuery;

// One column of a list: the field it shows (a fixed identifier from code), its title and how
// its values are shown.
struct GridColumn
{
    enum class Kind
    {
        Text,
        Integer,
        Money,
        Ratio,
        Float,
        Date // stored as text "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"
    };
    // What the footer row shows under the column, computed over the whole result.
    enum class Footer
    {
        None,
        Sum,
        Count,
        Static
    };
    QString field;
    QString title;
    Kind kind = Kind::Text;
    int width = 90;
    Footer footer = Footer::None;
    QString footerText; // the static footer text

    // The value as the list shows it: money "0.00", ratios as fractions, NULL as nothing.
    QString displayText(const QVariant& value) const;
    bool isNumeric() const { return kind != Kind::Text && kind != Kind::Date; }

    static GridColumn text(const char* field, const char* title, int width = 90);
    static GridColumn integer(const char* field, const char* title, int width = 80);
    static GridColumn money(const char* field, const char* title, bool sum = false);
    static GridColumn number(const char* field, const char* title, int width = 90);
    static GridColumn date(const char* field, const char* title, int width = 90);
    // The same column with a footer: a sum, the row count, or a static text.
    GridColumn withSum() const;
    GridColumn withCount() const;
    GridColumn withFooterText(const char* text) const;
};

// A list bound to a query. Rows are fetched in pages as the view scrolls, sorting re-runs the
// query ordered by a column, and the footer's count and sums are computed by the database over
// the whole result, so large results never load whole.
class SqlListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int PageSize = 256;
    // The raw value of a cell, for sorting and for screens reading the current row.
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit SqlListModel(QObject* parent = nullptr);

    // `sql` selects at least the columns' fields; it has no order clause. `keyOrder` (fixed
    // identifiers from code, e.g. the key column) orders the unsorted list and breaks ties of a
    // sorted one; without it every column does. Failures throw DatabaseError and leave the
    // model empty.
    void setQuery(const QString& sql, const QVariantList& values, const QList<GridColumn>& columns,
                  const QString& keyOrder = QString());
    void refresh();

    const QList<GridColumn>& columns() const { return m_columns; }
    // The query shown, for export of the whole result.
    const QString& sql() const { return m_sql; }
    const QVariantList& values() const { return m_values; }
    // The order clause the rows are shown in (without "order by").
    QString orderClause() const;
    // Reads the whole result in the shown order, row by row, without keeping it; the callback
    // returns false to stop. Failures throw DatabaseError.
    void forEachRow(const std::function<bool(const QVariantList& row)>& f) const;
    // Re-titles a column (operator's layout).
    void setColumnTitle(int column, const QString& title)
    {
        m_columns[column].title = title;
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    }
    // Changes a column's footer (operator's layout); the sums follow at the next refresh.
    void setColumnFooter(int column, GridColumn::Footer footer, const QString& text)
    {
        m_columns[column].footer = footer;
        m_columns[column].footerText = text;
    }
    int columnOf(const QString& field) const;
    QVariant value(int row, const QString& field) const;
    // Rows in the whole result, and the footer sum of a column (0 when it has none).
    int totalRows() const { return m_total; }
    QVariant footerSum(int column) const { return m_sums.value(column); }
    QString displayText(int column, const QVariant& value) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;
    // Back to the designed order.
    void clearSort();

private:
    void reload();
    void fetchPage();
    // Each row of a result in the columns' order.
    void readRows(QSqlQuery& q, const std::function<bool(const QVariantList& row)>& f) const;

    QString m_sql;
    QVariantList m_values;
    QList<GridColumn> m_columns;
    QString m_keyOrder;
    QList<QVariantList> m_rows;
    QVariantList m_sums;
    int m_total = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
