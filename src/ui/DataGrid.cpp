#include "ui/DataGrid.h"

#include "app/DataFolder.h"
#include "data/Database.h"
#include "platform/Prompter.h"
#include "platform/SheetExport.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

// Odd record numbers white, even ones lavender; a selected cell has the tooltip colour and red
// text.
class StripedDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const bool selected = o.state & QStyle::State_Selected;
        const QColor back = selected               ? o.palette.color(QPalette::ToolTipBase)
                            : index.row() % 2 == 0 ? QColor(Qt::white)
                                                   : QColor(244, 241, 255);
        p->fillRect(o.rect, back);
        o.state &= ~QStyle::State_Selected;
        o.backgroundBrush = back;
        o.palette.setColor(QPalette::Text, selected ? QColor(Qt::red) : QColor(Qt::black));
        QStyledItemDelegate::paint(p, o, index);
    }
};

// The footer row under the list, its cells aligned with the columns above.
class FooterBar : public QWidget
{
public:
    FooterBar(DataGrid* grid, QTableView* view) : QWidget(grid), m_grid(grid), m_view(view)
    {
        setFixedHeight(fontMetrics().height() + 8);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(236, 236, 236));
        QHeaderView* h = m_view->horizontalHeader();
        const int offset =
            m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0;
        for (int c = 0; c < m_grid->model()->columnCount(); ++c) {
            if (h->isSectionHidden(c))
                continue;
            const QRect cell(offset + h->sectionViewportPosition(c) + m_view->frameWidth(), 0,
                             h->sectionSize(c), height());
            p.setPen(QColor(200, 200, 200));
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            p.setPen(Qt::black);
            const bool text = m_grid->model()->columns().at(c).kind == GridColumn::Kind::Text;
            p.drawText(cell.adjusted(4, 0, -4, 0),
                       Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight),
                       m_grid->footerText(c));
        }
    }

private:
    DataGrid* m_grid;
    QTableView* m_view;
};

DataGrid::DataGrid(QWidget* parent) : QWidget(parent)
{
    m_model = new SqlListModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("DBGridEh1"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new StripedDelegate(m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionsMovable(true);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->horizontalHeader()->setSortIndicatorShown(true);
    m_view->installEventFilter(this);
    m_footer = new FooterBar(this, m_view);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::sortByTitle);
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { Q_EMIT rowActivated(i.row()); });
    auto repaintFooter = [this] { m_footer->update(); };
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this, repaintFooter);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionMoved, this, repaintFooter);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaintFooter);
    connect(m_model, &QAbstractItemModel::modelReset, this, repaintFooter);
}

bool DataGrid::setQuery(const QString& sql, const QVariantList& values,
                        const QList<GridColumn>& columns)
{
    try {
        m_model->setQuery(sql, values, columns);
    } catch (const DatabaseError& e) {
        ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
        return false;
    }
    for (int i = 0; i < columns.size(); ++i)
        m_view->setColumnWidth(i, columns.at(i).width);
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(
        m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& i) { Q_EMIT currentRowChanged(i.row()); }, Qt::UniqueConnection);
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

void DataGrid::sortByTitle(int column)
{
    if (m_model->totalRows() == 0)
        return;
    const bool ascendingNow =
        m_model->sortColumn() == column && m_model->sortOrder() == Qt::AscendingOrder;
    const Qt::SortOrder order = ascendingNow ? Qt::DescendingOrder : Qt::AscendingOrder;
    try {
        m_model->sort(column, order);
    } catch (const DatabaseError& e) {
        ShowErrorBox(QStringLiteral("数据读取失败：") + e.text(), QStringLiteral("错误信息"));
        return;
    }
    m_view->horizontalHeader()->setSortIndicator(column, order);
    setCurrentRow(0);
}

QString DataGrid::footerText(int column) const
{
    if (column == 0)
        return QStringLiteral("共 %1 条").arg(m_model->totalRows());
    if (!m_model->columns().at(column).sum)
        return {};
    return m_model->displayText(
        column, m_model->footerSum(column).isNull() ? QVariant(0) : m_model->footerSum(column));
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && currentRow() >= 0) {
            Q_EMIT rowActivated(currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QList<ColumnLayout> DataGrid::layout() const
{
    const QHeaderView* h = m_view->horizontalHeader();
    QList<ColumnLayout> out;
    for (int v = 0; v < h->count(); ++v) {
        const int i = h->logicalIndex(v);
        const GridColumn& c = m_model->columns().at(i);
        ColumnLayout l;
        l.field = c.field;
        l.title = m_model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        l.visible = !h->isSectionHidden(i);
        l.width = l.visible ? h->sectionSize(i) : c.width;
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
    QHeaderView* h = m_view->horizontalHeader();
    for (int v = 0; v < merged.size(); ++v) {
        const ColumnLayout& l = merged.at(v);
        const int i = m_model->columnOf(l.field);
        if (i < 0)
            continue;
        h->moveSection(h->visualIndex(i), v);
        m_view->setColumnWidth(i, l.width);
        m_view->setColumnHidden(i, !l.visible);
        m_model->setColumnTitle(i, l.title);
    }
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

bool DataGrid::exportTo(const QString& path, QString* error) const
{
    QList<GridColumn> columns;
    QList<int> at;
    const QHeaderView* h = m_view->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int i = h->logicalIndex(v);
        if (h->isSectionHidden(i))
            continue;
        GridColumn c = m_model->columns().at(i);
        c.title = m_model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        columns << c;
        at << i;
    }
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
    QString order;
    if (m_model->sortColumn() >= 0)
        order = m_model->columns().at(m_model->sortColumn()).field +
                (m_model->sortOrder() == Qt::DescendingOrder ? QStringLiteral(" desc")
                                                             : QStringLiteral(""));
    return SheetExport::writeQuery(path, m_model->sql(), m_model->values(), columns, order, error);
}
