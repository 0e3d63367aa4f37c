#pragma once

#include <QHeaderView>

// Column titles of the data grid. A title "门诊费用|医疗费用累计" is drawn on two levels: the
// upper text spans the neighbouring columns that share it, the lower text is the column's own.
// Titles without a bar fill both levels. The header is one level high while no title has a bar.
class GridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent = nullptr);

    void setTwoLevel(bool twoLevel);
    bool isTwoLevel() const { return m_twoLevel; }
    // "门诊费用|医疗费用累计" → {"门诊费用", "医疗费用累计"}; a title without a bar has no group.
    static QPair<QString, QString> splitTitle(const QString& title);
    // The visual sections [first, last] sharing the group of the section at `visual`.
    QPair<int, int> groupSpan(int visual) const;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString titleAt(int logical) const;
    bool m_twoLevel = false;
};
