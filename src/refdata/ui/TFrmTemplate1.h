#pragma once

#include <QColor>
#include <QDialog>

// The plain window the list templates start from: fixed size, grey-blue background, centred on
// the screen.
class TFrmTemplate1 : public QDialog
{
    Q_OBJECT
public:
    static inline const QColor Background = QColor(204, 207, 217);

    explicit TFrmTemplate1(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

private:
    bool m_placed = false;
};
