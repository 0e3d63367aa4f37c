#pragma once

#include "platform/LayoutStore.h"
#include "platform/ListPrint.h"
#include "platform/SqlListModel.h"

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;
class QTableView;
class FooterBar;
class GridHeader;

// The list of every screen: a view on a SqlListModel with whole-row and multi-row selection,
// cell colours through one style hook (striped by default), frozen leading columns, one- or
// two-level titles ("门诊费用|医疗费用累计"), title-click sorting in the database, and a footer
// with static texts, the row count and column sums over the whole result. Enter and
// double-click report the row.
//
// Its options menu (right button released over the titles, or left button over the corner
// cell) prints the grid, saves and restores its layout in the per-user store and opens the
// column dialog; its column chooser (right button over the cells, once prepared) shows and
// hides columns. Layouts are kept by column name, never as an opaque header state.
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    // Title clicks: the grid's own cycle (ascending, descending, designed order), or the rule
    // of the simple lists (ascending unless the column is already sorted ascending, then
    // descending).
    enum class SortRule
    {
        Cycle,
        AscendingThenDescending
    };
    struct CellColours
    {
        QColor background;
        QColor text;
    };
    // Colours of one cell; `palette` is the grid's.
    using CellStyle = std::function<CellColours(const QModelIndex& index, bool selected,
                                                const QPalette& palette)>;
    // Odd record numbers white, even ones lavender; a selected cell has the tooltip colour and
    // red text.
    static CellColours stripedCell(const QModelIndex& index, bool selected,
                                   const QPalette& palette);

    explicit DataGrid(QWidget* parent = nullptr);

    SqlListModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }

    // Shows the result of the query (see SqlListModel::setQuery); false after reporting a
    // database failure.
    bool setQuery(const QString& sql, const QVariantList& values, const QList<GridColumn>& columns,
                  const QString& keyOrder = QString());
    void refresh();

    // The current row, -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);
    QVariant currentValue(const QString& field) const;

    void setSortRule(SortRule rule) { m_sortRule = rule; }
    void setCellStyle(CellStyle style);
    const CellStyle& cellStyle() const { return m_cellStyle; }
    // The first `count` visible columns stay in place while the others scroll.
    void setFrozenColumns(int count);
    int frozenColumns() const { return m_frozenCount; }
    QTableView* frozenView() const { return m_frozen; }
    // A read-only grid does not save its layout in the per-user store.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // Numeric columns that restoring a per-user layout must not turn into sums.
    void setSumExcludedFields(const QStringList& fields) { m_sumExcluded = fields; }

    void sortByTitle(int column);

    // The columns as shown: visual order, widths, visibility, titles and footers.
    QList<ColumnLayout> layout() const;
    // Rearranges the columns by a stored layout (see LayoutStore::merge).
    void applyLayout(const QList<ColumnLayout>& stored);
    void setColumnVisible(int column, bool visible);
    void setColumnTitle(int column, const QString& title);
    // A section of a settings file in the data folder (Grid.ini, list.ini); a missing or
    // unreadable section leaves the designed layout.
    void restoreLayout(const QString& fileName, const QString& section);
    bool saveLayout(const QString& fileName, const QString& section) const;
    // Restores the section and gives the grid its column chooser.
    void prepareColumns(const QString& fileName, const QString& section);
    QMenu* columnChooser() const { return m_chooser; }

    // The per-user store, under the grid's key: the class of its window followed by the
    // grid's object name.
    QString gridKey() const;
    bool saveUserLayout();
    bool restoreUserLayout();

    QMenu* optionsMenu() const { return m_options; }
    // Opens the column dialog (modal).
    void showColumnDialog();

    // Writes the visible columns in visual order to .xlsx or .csv: the selected rows when two
    // or more are selected, else the whole result in the shown order. False with a reason.
    bool exportTo(const QString& path, QString* error = nullptr) const;
    // Asks for the file (AskExportFile) and exports; false when cancelled, when the list is
    // empty or when writing failed (the reason in `error`). The caller shows its messages.
    bool exportToSheet(const QString& defaultName, QString* error = nullptr);

    // The visible columns in visual order, at their widths, and every row in the shown order,
    // added to a job that already holds the heading, style and texts.
    ListPrintJob printJob(ListPrintJob job) const;
    // The print preview of a job (modal).
    void printPreview(const ListPrintJob& job);

    // Text of a footer cell: the static text, the count or the sum; a grid without any footer
    // shows "共 N 条" in its first column.
    QString footerText(int column) const;

Q_SIGNALS:
    void rowActivated(int row);
    void currentRowChanged(int row);
    // An entry of the options menu was carried out; its caption.
    void menuAction(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildOptionsMenu();
    // Logical indexes of the shown columns, in the order shown.
    QList<int> shownColumns() const;
    void rebuildChooser();
    void syncFrozen();
    void updateFrozenGeometry();
    void updateTitleLevels();

    SqlListModel* m_model;
    QTableView* m_view;
    GridHeader* m_header;
    QTableView* m_frozen = nullptr;
    FooterBar* m_footer;
    QMenu* m_options = nullptr;
    QAction* m_saveEntry = nullptr;
    QMenu* m_chooser = nullptr;
    CellStyle m_cellStyle;
    SortRule m_sortRule = SortRule::Cycle;
    int m_frozenCount = 0;
    bool m_readOnly = false;
    bool m_syncing = false; // the frozen part is being made to follow the list
    QStringList m_sumExcluded;
};
