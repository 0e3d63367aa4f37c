#pragma once

#include <QStatusBar>

class QLabel;

// A status bar whose panels can hold controls: fixed-width text panels from the left, and one
// control (a progress bar) that fills the rest of the bar and follows its width.
class TMyStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit TMyStatusBar(QWidget* parent = nullptr);
    // A text panel of a fixed width (0: as wide as its text).
    QLabel* addPanel(const QString& text, int width);
    // The control filling the rest of the bar.
    void setFillingControl(QWidget* control);
};
