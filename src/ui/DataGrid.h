#pragma once

#include "platform/LayoutStore.h"
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
    // The columns as shown: visual order, widths, visibility and titles.
    QList<ColumnLayout> layout() const;
    // Rearranges the columns by a stored layout (see LayoutStore::merge).
    void applyLayout(const QList<ColumnLayout>& stored);
    // A section of a settings file in the data folder (Grid.ini, list.ini); a missing or
    // unreadable section leaves the designed layout.
    void restoreLayout(const QString& fileName, const QString& section);
    bool saveLayout(const QString& fileName, const QString& section) const;

    // Writes the visible columns in visual order to .xlsx or .csv: the selected rows when two
    // or more are selected, else the whole result in the shown order. False with a reason.
    bool exportTo(const QString& path, QString* error = nullptr) const;

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
