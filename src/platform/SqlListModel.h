#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariantList>

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
        Float
    };
    QString field;
    QString title;
    Kind kind = Kind::Text;
    int width = 90;
    bool sum = false; // the footer shows the column's sum over the whole result

    // The value as the list shows it: money "0.00", ratios as fractions, NULL as nothing.
    QString displayText(const QVariant& value) const;

    static GridColumn text(const char* field, const char* title, int width = 90);
    static GridColumn integer(const char* field, const char* title, int width = 80);
    static GridColumn money(const char* field, const char* title, bool sum = false);
    static GridColumn number(const char* field, const char* title, int width = 90);
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

    // `sql` selects at least the columns' fields; it has no order clause. Failures throw
    // DatabaseError and leave the model empty.
    void setQuery(const QString& sql, const QVariantList& values, const QList<GridColumn>& columns);
    void refresh();

    const QList<GridColumn>& columns() const { return m_columns; }
    // The query shown, for export of the whole result.
    const QString& sql() const { return m_sql; }
    const QVariantList& values() const { return m_values; }
    // Re-titles a column (operator's layout).
    void setColumnTitle(int column, const QString& title)
    {
        m_columns[column].title = title;
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
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

private:
    void reload();
    void fetchPage();

    QString m_sql;
    QVariantList m_values;
    QList<GridColumn> m_columns;
    QList<QVariantList> m_rows;
    QVariantList m_sums;
    int m_total = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
