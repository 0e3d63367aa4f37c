#include "ui/TMyStatusBar.h"

#include <QLabel>

TMyStatusBar::TMyStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

QLabel* TMyStatusBar::addPanel(const QString& text, int width)
{
    auto* label = new QLabel(text, this);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    if (width > 0)
        label->setFixedWidth(width);
    addWidget(label);
    return label;
}

void TMyStatusBar::setFillingControl(QWidget* control)
{
    control->setParent(this);
    addWidget(control, 1);
}
