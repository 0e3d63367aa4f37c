#include "ui/DataGrid.h"

#include "app/DataFolder.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "platform/Prompter.h"
#include "platform/SheetExport.h"
#include "ui/GridHeader.h"
#include "ui/TFrmExcelFileEdit.h"
#include "ui/TFrmSetColumn.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

// Paints each cell with the colours of the grid's style hook.
class StyledCellDelegate : public QStyledItemDelegate
{
public:
    StyledCellDelegate(const DataGrid* grid, QObject* parent)
        : QStyledItemDelegate(parent), m_grid(grid)
    {
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const bool selected = o.state & QStyle::State_Selected;
        const DataGrid::CellColours c = m_grid->cellStyle()(index, selected, o.palette);
        p->fillRect(o.rect, c.background);
        o.state &= ~QStyle::State_Selected;
        o.backgroundBrush = c.background;
        o.palette.setColor(QPalette::Text, c.text);
        QStyledItemDelegate::paint(p, o, index);
    }

private:
    const DataGrid* m_grid;
};

// The footer row under the list, its cells aligned with the columns above (frozen ones stay
// in place).
class FooterBar : public QWidget
{
public:
    FooterBar(DataGrid* grid) : QWidget(grid), m_grid(grid)
    {
        setFixedHeight(fontMetrics().height() + 8);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(236, 236, 236));
        const QTableView* view = m_grid->view();
        const QTableView* frozen = m_grid->frozenView();
        const QHeaderView* h = view->horizontalHeader();
        const int offset =
            (view->verticalHeader()->isVisible() ? view->verticalHeader()->width() : 0) +
            view->frameWidth();
        auto cell = [&](int c, int x) {
            const QRect r(x, 0, h->sectionSize(c), height());
            p.setPen(QColor(200, 200, 200));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(Qt::black);
            const bool right = m_grid->model()->columns().at(c).isNumeric();
            p.drawText(r.adjusted(4, 0, -4, 0),
                       Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft),
                       m_grid->footerText(c));
        };
        QList<int> frozenColumns;
        for (int c = 0; c < m_grid->model()->columnCount(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            if (frozen && frozen->isVisible() && !frozen->isColumnHidden(c)) {
                frozenColumns << c;
                continue;
            }
            cell(c, offset + h->sectionViewportPosition(c));
        }
        for (int c : frozenColumns) {
            p.fillRect(QRect(offset + frozen->horizontalHeader()->sectionViewportPosition(c), 0,
                             h->sectionSize(c), height()),
                       QColor(236, 236, 236));
            cell(c, offset + frozen->horizontalHeader()->sectionViewportPosition(c));
        }
    }

private:
    DataGrid* m_grid;
};

namespace {
int footerTypeOf(GridColumn::Footer f)
{
    switch (f) {
    case GridColumn::Footer::Sum:
        return 1;
    case GridColumn::Footer::Count:
        return 3;
    case GridColumn::Footer::Static:
        return 5;
    case GridColumn::Footer::None:
        break;
    }
    return 0;
}

GridColumn::Footer footerFromType(int type)
{
    switch (type) {
    case 1:
        return GridColumn::Footer::Sum;
    case 3:
        return GridColumn::Footer::Count;
    case 5:
        return GridColumn::Footer::Static;
    default:
        return GridColumn::Footer::None;
    }
}

void setUpView(QTableView* v, const DataGrid* grid)
{
    v->setItemDelegate(new StyledCellDelegate(grid, v));
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::ExtendedSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 6);
    v->horizontalHeader()->setSectionsClickable(true);
    v->horizontalHeader()->setSortIndicatorShown(true);
}
} // namespace

DataGrid::CellColours DataGrid::stripedCell(const QModelIndex& index, bool selected,
                                            const QPalette& palette)
{
    if (selected)
        return {palette.color(QPalette::ToolTipBase), QColor(Qt::red)};
    // record numbers count from 1: the first row is odd, white
    return {index.row() % 2 == 0 ? QColor(Qt::white) : QColor(244, 241, 255), QColor(Qt::black)};
}

DataGrid::DataGrid(QWidget* parent) : QWidget(parent), m_cellStyle(&DataGrid::stripedCell)
{
    setObjectName(QStringLiteral("DBGridEh1"));
    m_model = new SqlListModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("DBGridEh1"));
    m_header = new GridHeader(m_view);
    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_model);
    setUpView(m_view, this);
    m_header->setSectionsMovable(true);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_header->viewport()->installEventFilter(this);
    if (auto* corner = m_view->findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    m_footer = new FooterBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);
    buildOptionsMenu();

    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::sortByTitle);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { Q_EMIT rowActivated(i.row()); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) { Q_EMIT currentRowChanged(i.row()); });
    auto columnsChanged = [this] {
        syncFrozen();
        m_footer->update();
    };
    connect(m_header, &QHeaderView::sectionResized, this, columnsChanged);
    connect(m_header, &QHeaderView::sectionMoved, this, columnsChanged);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    connect(m_model, &QAbstractItemModel::modelReset, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this] {
        updateTitleLevels();
        syncFrozen();
    });
}

void DataGrid::buildOptionsMenu()
{
    m_options = new QMenu(this);
    m_options->setObjectName(QStringLiteral("OptionsMenu"));
    auto entry = [this](const char* caption, std::function<void()> action) {
        const QString text = QString::fromUtf8(caption);
        QAction* a = m_options->addAction(text);
        connect(a, &QAction::triggered, this, [this, text, action] {
            action();
            Q_EMIT menuAction(text);
        });
        return a;
    };
    entry("打印表格", [this] {
        try {
            ListPrintJob job;
            job.heading = window()->windowTitle();
            job.operatorLine =
                QStringLiteral("日期：") + Clock::today().toString(QStringLiteral("yyyy-MM-dd"));
            printPreview(printJob(job));
        } catch (const DatabaseError& e) {
            ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
        }
    });
    m_options->addSeparator();
    entry("恢复表格格式", [this] { restoreUserLayout(); });
    m_saveEntry = entry("保存表格格式", [this] { saveUserLayout(); });
    m_options->addSeparator();
    entry("显示/隐藏列", [this] { showColumnDialog(); });
    m_options->addSeparator();
    entry("导出表格", [this] {
        QString error;
        if (exportToSheet(window()->windowTitle(), &error))
            ShowInfo(QStringLiteral("导出EXCEL文件成功！"));
        else // with the reason when writing failed
            ShowInfo(QStringLiteral("导出EXCEL文件操作被用户取消或发生错误！") +
                     (error.isEmpty() ? QString() : QLatin1Char('\n') + error));
    });
}

bool DataGrid::setQuery(const QString& sql, const QVariantList& values,
                        const QList<GridColumn>& columns, const QString& keyOrder)
{
    const bool sameColumns = [&] {
        if (columns.size() != m_model->columns().size())
            return false;
        for (int i = 0; i < columns.size(); ++i)
            if (columns.at(i).field != m_model->columns().at(i).field)
                return false;
        return true;
    }();
    // A new search on the same columns keeps the operator's layout and titles.
    QList<GridColumn> shown = columns;
    if (sameColumns)
        for (int i = 0; i < shown.size(); ++i) {
            shown[i].title = m_model->columns().at(i).title;
            shown[i].footer = m_model->columns().at(i).footer;
            shown[i].footerText = m_model->columns().at(i).footerText;
        }
    try {
        m_model->setQuery(sql, values, shown, keyOrder);
    } catch (const DatabaseError& e) {
        ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
        return false;
    }
    if (!sameColumns)
        for (int i = 0; i < columns.size(); ++i)
            m_view->setColumnWidth(i, columns.at(i).width);
    updateTitleLevels();
    syncFrozen();
    m_header->setSortIndicator(-1, Qt::AscendingOrder);
    if (m_frozen)
        m_frozen->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
    return true;
}

void DataGrid::refresh()
{
    const int row = currentRow();
    try {
        m_model->refresh();
    } catch (const DatabaseError& e) {
        ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
        return;
    }
    // keep the row the operator was on, or the nearest one
    setCurrentRow(std::min(std::max(row, 0), m_model->rowCount() - 1));
}

int DataGrid::currentRow() const
{
    const QModelIndex i = m_view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (row < 0) {
        m_view->setCurrentIndex({});
        Q_EMIT currentRowChanged(-1);
        return;
    }
    while (row >= m_model->rowCount() && m_model->canFetchMore({}))
        m_model->fetchMore({});
    m_view->selectRow(row);
    m_view->setCurrentIndex(m_model->index(row, 0));
}

QVariant DataGrid::currentValue(const QString& field) const
{
    return m_model->value(currentRow(), field);
}

void DataGrid::setCellStyle(CellStyle style)
{
    m_cellStyle = style ? std::move(style) : CellStyle(&DataGrid::stripedCell);
    m_view->viewport()->update();
    if (m_frozen)
        m_frozen->viewport()->update();
}

void DataGrid::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    // a read-only grid keeps no per-user layout, so its entry is not offered
    m_saveEntry->setEnabled(!readOnly);
}

void DataGrid::sortByTitle(int column)
{
    auto showMarker = [this] {
        const int c = m_model->sortColumn();
        m_header->setSortIndicator(c, m_model->sortOrder());
        if (m_frozen)
            m_frozen->horizontalHeader()->setSortIndicator(c, m_model->sortOrder());
    };
    if (m_model->sql().isEmpty() || m_model->totalRows() == 0 || column < 0) {
        showMarker(); // the header may have flipped its marker on the click
        return;
    }
    const bool here = m_model->sortColumn() == column;
    const bool ascending = here && m_model->sortOrder() == Qt::AscendingOrder;
    try {
        if (m_sortRule == SortRule::AscendingThenDescending || !here)
            m_model->sort(column, ascending ? Qt::DescendingOrder : Qt::AscendingOrder);
        else if (ascending)
            m_model->sort(column, Qt::DescendingOrder);
        else
            m_model->clearSort();
    } catch (const DatabaseError& e) {
        ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
    }
    showMarker();
    setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
}

QString DataGrid::footerText(int column) const
{
    const QList<GridColumn>& columns = m_model->columns();
    const bool anyFooter = std::any_of(columns.begin(), columns.end(), [](const GridColumn& c) {
        return c.footer != GridColumn::Footer::None;
    });
    if (!anyFooter)
        return column == 0 ? QStringLiteral("共 %1 条").arg(m_model->totalRows()) : QString();
    const GridColumn& c = columns.at(column);
    switch (c.footer) {
    case GridColumn::Footer::None:
        return {};
    case GridColumn::Footer::Static:
        return c.footerText;
    case GridColumn::Footer::Count:
        return QString::number(m_model->totalRows());
    case GridColumn::Footer::Sum:
        break;
    }
    const QVariant sum = m_model->footerSum(column);
    return m_model->displayText(column, sum.isNull() ? QVariant(0) : sum);
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    const bool header = watched == m_header->viewport() ||
                        (m_frozen && watched == m_frozen->horizontalHeader()->viewport());
    const bool cells =
        watched == m_view->viewport() || (m_frozen && watched == m_frozen->viewport());
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_view) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && currentRow() >= 0) {
                Q_EMIT rowActivated(currentRow());
                return true;
            }
        }
        break;
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const bool corner = qobject_cast<QAbstractButton*>(watched) &&
                            watched->parent() == m_view && e->button() == Qt::LeftButton;
        if ((header && e->button() == Qt::RightButton) || corner) {
            // the options menu, only over an open result
            if (!m_model->sql().isEmpty())
                m_options->popup(e->globalPosition().toPoint());
            return header;
        }
        break;
    }
    case QEvent::ContextMenu:
        if (header)
            return true; // the titles have the options menu instead
        if (cells && m_chooser) {
            rebuildChooser();
            m_chooser->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == m_view->viewport())
            updateFrozenGeometry();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateFrozenGeometry();
}

void DataGrid::updateTitleLevels()
{
    bool two = false;
    for (const GridColumn& c : m_model->columns())
        two = two || c.title.contains(QLatin1Char('|'));
    m_header->setTwoLevel(two);
    if (m_frozen)
        static_cast<GridHeader*>(m_frozen->horizontalHeader())->setTwoLevel(two);
}

void DataGrid::setFrozenColumns(int count)
{
    m_frozenCount = std::max(0, count);
    if (m_frozenCount > 0 && !m_frozen) {
        // An overlay view over the left part of the list showing the leading columns; it
        // shares the model and the selection, and scrolls vertically with the list.
        m_frozen = new QTableView(m_view);
        m_frozen->setObjectName(QStringLiteral("frozenColumns"));
        m_frozen->setHorizontalHeader(new GridHeader(m_frozen));
        m_frozen->setModel(m_model);
        m_frozen->setSelectionModel(m_view->selectionModel());
        setUpView(m_frozen, this);
        m_frozen->verticalHeader()->hide();
        m_frozen->setFocusPolicy(Qt::NoFocus);
        m_frozen->setFrameShape(QFrame::NoFrame);
        m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view->viewport()->stackUnder(m_frozen);
        m_frozen->viewport()->installEventFilter(this);
        m_frozen->horizontalHeader()->viewport()->installEventFilter(this);
        connect(m_frozen->verticalScrollBar(), &QScrollBar::valueChanged,
                m_view->verticalScrollBar(), &QScrollBar::setValue);
        connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged,
                m_frozen->verticalScrollBar(), &QScrollBar::setValue);
        connect(m_frozen->horizontalHeader(), &QHeaderView::sectionClicked, this,
                &DataGrid::sortByTitle);
        // resizing a frozen column resizes the list's column under it
        connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
                [this](int column, int, int size) {
                    if (!m_syncing && !m_frozen->isColumnHidden(column) &&
                        m_view->columnWidth(column) != size)
                        m_view->setColumnWidth(column, size);
                });
        connect(m_frozen, &QTableView::doubleClicked, this,
                [this](const QModelIndex& i) { Q_EMIT rowActivated(i.row()); });
        connect(m_header, &QHeaderView::geometriesChanged, this, &DataGrid::updateFrozenGeometry);
        updateTitleLevels();
    }
    syncFrozen();
    m_footer->update();
}

void DataGrid::syncFrozen()
{
    if (!m_frozen)
        return;
    QHeaderView* fh = m_frozen->horizontalHeader();
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    int shown = 0;
    for (int v = 0; v < m_header->count(); ++v) {
        const int l = m_header->logicalIndex(v);
        if (fh->visualIndex(l) != v)
            fh->moveSection(fh->visualIndex(l), v);
        const bool frozen = !m_header->isSectionHidden(l) && shown < m_frozenCount;
        m_frozen->setColumnHidden(l, !frozen);
        if (frozen) {
            ++shown;
            m_frozen->setColumnWidth(l, m_header->sectionSize(l));
        }
    }
    m_frozen->setVisible(m_frozenCount > 0 && shown > 0);
    updateFrozenGeometry();
}

void DataGrid::updateFrozenGeometry()
{
    if (!m_frozen)
        return;
    int width = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (!m_frozen->isColumnHidden(c))
            width += m_header->sectionSize(c);
    m_frozen->horizontalHeader()->setFixedHeight(m_header->height());
    m_frozen->setGeometry(m_view->verticalHeader()->width() + m_view->frameWidth(),
                          m_view->frameWidth(), width,
                          m_view->viewport()->height() + m_header->height());
}

QList<ColumnLayout> DataGrid::layout() const
{
    QList<ColumnLayout> out;
    for (int v = 0; v < m_header->count(); ++v) {
        const int i = m_header->logicalIndex(v);
        const GridColumn& c = m_model->columns().at(i);
        ColumnLayout l;
        l.field = c.field;
        l.title = c.title;
        l.visible = !m_header->isSectionHidden(i);
        l.width = l.visible ? m_header->sectionSize(i) : c.width;
        l.footerType = footerTypeOf(c.footer);
        l.footerField = c.footer == GridColumn::Footer::Sum ? c.field : QString();
        l.footerValue = c.footer == GridColumn::Footer::Static ? c.footerText : QString();
        l.footerAlign = c.isNumeric() ? 1 : 0;
        l.readOnly = m_readOnly;
        out << l;
    }
    return out;
}

void DataGrid::applyLayout(const QList<ColumnLayout>& stored)
{
    QList<ColumnLayout> designed;
    for (const GridColumn& c : m_model->columns()) {
        ColumnLayout l;
        l.field = c.field;
        l.width = c.width;
        l.title = c.title;
        designed << l;
    }
    const QList<ColumnLayout> merged = LayoutStore::merge(designed, stored);
    for (int v = 0; v < merged.size(); ++v) {
        const ColumnLayout& l = merged.at(v);
        const int i = m_model->columnOf(l.field);
        if (i < 0)
            continue;
        m_header->moveSection(m_header->visualIndex(i), v);
        m_view->setColumnWidth(i, l.width);
        m_view->setColumnHidden(i, !l.visible);
        m_model->setColumnTitle(i, l.title);
    }
    syncFrozen();
    m_footer->update();
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    m_view->setColumnHidden(column, !visible);
    syncFrozen();
    m_footer->update();
}

void DataGrid::setColumnTitle(int column, const QString& title)
{
    m_model->setColumnTitle(column, title);
}

void DataGrid::restoreLayout(const QString& fileName, const QString& section)
{
    if (const auto stored = LayoutStore::readSection(DataFolder::filePath(fileName), section))
        applyLayout(*stored);
}

bool DataGrid::saveLayout(const QString& fileName, const QString& section) const
{
    return LayoutStore::writeSection(DataFolder::filePath(fileName), section, layout());
}

void DataGrid::prepareColumns(const QString& fileName, const QString& section)
{
    restoreLayout(fileName, section);
    if (!m_chooser) {
        m_chooser = new QMenu(this);
        m_chooser->setObjectName(QStringLiteral("pmField"));
    }
    rebuildChooser();
}

void DataGrid::rebuildChooser()
{
    m_chooser->clear();
    // one ticked item per visible column, in the order shown
    for (int v = 0; v < m_header->count(); ++v) {
        const int i = m_header->logicalIndex(v);
        QAction* a = m_chooser->addAction(m_model->columns().at(i).title);
        a->setCheckable(true);
        a->setChecked(!m_header->isSectionHidden(i));
        connect(a, &QAction::toggled, this, [this, i](bool on) { setColumnVisible(i, on); });
    }
}

QString DataGrid::gridKey() const
{
    const QWidget* form = window();
    if (form && form != this)
        return QString::fromLatin1(form->metaObject()->className()) + objectName();
    return (parentWidget() ? parentWidget()->objectName() : QString()) + objectName();
}

bool DataGrid::saveUserLayout()
{
    if (m_readOnly)
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = LayoutStore::writeUser(gridKey(), layout());
    QApplication::restoreOverrideCursor();
    return ok;
}

bool DataGrid::restoreUserLayout()
{
    auto stored = LayoutStore::readUser(gridKey());
    if (!stored)
        return false;
    const int widest = m_view->width() - 6;
    for (ColumnLayout& c : *stored)
        if (widest > 0 && c.width > widest)
            c.width = widest;
    applyLayout(*stored);
    // Footers: numeric columns become sums unless excluded, the others take the stored footer.
    for (const ColumnLayout& s : *stored) {
        const int i = m_model->columnOf(s.field);
        if (i < 0)
            continue;
        const GridColumn& c = m_model->columns().at(i);
        if (c.isNumeric() && !m_sumExcluded.contains(c.field, Qt::CaseInsensitive))
            m_model->setColumnFooter(i, GridColumn::Footer::Sum, QString());
        else
            m_model->setColumnFooter(i, footerFromType(s.footerType), s.footerValue);
    }
    refresh();
    return true;
}

void DataGrid::showColumnDialog()
{
    TFrmSetColumn dialog(this);
    dialog.exec();
}

QList<int> DataGrid::shownColumns() const
{
    QList<int> out;
    for (int v = 0; v < m_header->count(); ++v)
        if (!m_header->isSectionHidden(m_header->logicalIndex(v)))
            out << m_header->logicalIndex(v);
    return out;
}

bool DataGrid::exportTo(const QString& path, QString* error) const
{
    const QList<int> at = shownColumns();
    QList<GridColumn> columns;
    for (int i : at)
        columns << m_model->columns().at(i);
    QModelIndexList selected = m_view->selectionModel()->selectedRows();
    if (selected.size() >= 2) {
        std::sort(selected.begin(), selected.end(),
                  [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        int next = 0;
        return SheetExport::write(
            path, columns,
            [&](QVariantList& row) {
                if (next >= selected.size())
                    return false;
                const int r = selected.at(next++).row();
                row.clear();
                for (int i : at)
                    row << m_model->index(r, i).data(SqlListModel::ValueRole);
                return true;
            },
            error);
    }
    return SheetExport::writeQuery(path, m_model->sql(), m_model->values(), columns,
                                   m_model->orderClause(), error);
}

bool DataGrid::exportToSheet(const QString& defaultName, QString* error)
{
    const auto path = AskExportFile(defaultName, this);
    if (!path || m_model->totalRows() == 0)
        return false;
    return exportTo(*path, error);
}

ListPrintJob DataGrid::printJob(ListPrintJob job) const
{
    job.columns.clear();
    job.rows.clear();
    const QList<int> at = shownColumns();
    for (int i : at) {
        GridColumn c = m_model->columns().at(i);
        c.width = m_header->sectionSize(i);
        job.columns << c;
    }
    if (m_model->sql().isEmpty())
        return job;
    m_model->forEachRow([&](const QVariantList& row) {
        QStringList cells;
        for (int i : at)
            cells << m_model->displayText(i, row.value(i));
        job.rows << cells;
        return true;
    });
    return job;
}

void DataGrid::printPreview(const ListPrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(ListPrint::prefersLandscape(job) ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &job](QPrinter* p) {
        // A long list takes a while to lay out: show how far it is, and let it be stopped.
        QProgressDialog progress(QStringLiteral("正在生成打印页面……"), QStringLiteral("取消"), 0, 0,
                                 this);
        progress.setWindowTitle(QStringLiteral("提示信息"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        ListPrint::print(job, *p, nullptr, [&progress](int page, int pages) {
            progress.setMaximum(pages);
            progress.setValue(page - 1);
            return !progress.wasCanceled();
        });
    });
    preview.exec();
}
