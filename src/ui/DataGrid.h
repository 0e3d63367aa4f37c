#pragma once

#include "platform/SqlListModel.h"

#include <QWidget>

class QTableView;
class FooterBar;

// The list of every screen: a view on a SqlListModel with whole-row selection, striped cells,
// title-click sorting in the database and a footer with the row count and column sums over the
// whole result. Enter and double-click report the row.
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    SqlListModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }

    // Shows the result of the query; false after reporting a database failure.
    bool setQuery(const QString& sql, const QVariantList& values, const QList<GridColumn>& columns);
    void refresh();

    // The current row, -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);
    QVariant currentValue(const QString& field) const;

    // Title clicks: ascending unless the column is already sorted ascending, then descending.
    void sortByTitle(int column);
    // Text of the footer's first cell, e.g. "共 12 条".
    QString footerText(int column) const;

Q_SIGNALS:
    void rowActivated(int row);
    void currentRowChanged(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SqlListModel* m_model;
    QTableView* m_view;
    FooterBar* m_footer;
};
