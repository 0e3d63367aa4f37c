#include "ui/DataGrid.h"

#include "data/Database.h"
#include "platform/Prompter.h"

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
