#include "ui/GridHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setDefaultAlignment(Qt::AlignCenter);
}

void GridHeader::setTwoLevel(bool twoLevel)
{
    if (m_twoLevel == twoLevel)
        return;
    m_twoLevel = twoLevel;
    updateGeometry();
    viewport()->update();
}

QPair<QString, QString> GridHeader::splitTitle(const QString& title)
{
    const qsizetype bar = title.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {QString(), title};
    return {title.left(bar), title.mid(bar + 1)};
}

QString GridHeader::titleAt(int logical) const
{
    return model() ? model()->headerData(logical, Qt::Horizontal).toString() : QString();
}

QPair<int, int> GridHeader::groupSpan(int visual) const
{
    const QString group = splitTitle(titleAt(logicalIndex(visual))).first;
    int first = visual;
    int last = visual;
    if (group.isEmpty())
        return {first, last};
    auto sameGroup = [&](int v) {
        const int l = logicalIndex(v);
        return !isSectionHidden(l) && splitTitle(titleAt(l)).first == group;
    };
    for (int v = visual - 1; v >= 0; --v) {
        if (isSectionHidden(logicalIndex(v)))
            continue;
        if (!sameGroup(v))
            break;
        first = v;
    }
    for (int v = visual + 1; v < count(); ++v) {
        if (isSectionHidden(logicalIndex(v)))
            continue;
        if (!sameGroup(v))
            break;
        last = v;
    }
    return {first, last};
}

QSize GridHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    if (m_twoLevel)
        s.setHeight(2 * (fontMetrics().height() + 6));
    return s;
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!m_twoLevel) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const auto [group, own] = splitTitle(titleAt(logicalIndex));
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.section = logicalIndex;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex)
        opt.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder
                                ? QStyleOptionHeader::SortDown
                                : QStyleOptionHeader::SortUp;
    painter->save();
    painter->setClipRect(rect);
    QRect lower = rect;
    if (!group.isEmpty()) {
        // The group cell spans its columns; each section paints its own slice of it.
        const auto [first, last] = groupSpan(visualIndex(logicalIndex));
        const int left = sectionViewportPosition(this->logicalIndex(first));
        const int right = sectionViewportPosition(this->logicalIndex(last)) +
                          sectionSize(this->logicalIndex(last));
        QStyleOptionHeader top = opt;
        top.rect = QRect(left, rect.top(), right - left, rect.height() / 2);
        top.text = group;
        top.sortIndicator = QStyleOptionHeader::None;
        style()->drawControl(QStyle::CE_Header, &top, painter, this);
        lower.setTop(rect.top() + rect.height() / 2);
    }
    opt.rect = lower;
    opt.text = own;
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
}
