#include "refdata/ui/TFrmTemplate1.h"

#include <QGuiApplication>
#include <QScreen>

TFrmTemplate1::TFrmTemplate1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFrmTemplate1"));
    // A single border that cannot be resized, and only the system menu with its close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(621, 320);
    QPalette p = palette();
    p.setColor(QPalette::Window, Background);
    setPalette(p);
    setAutoFillBackground(true);
}

void TFrmTemplate1::setVisible(bool visible)
{
    // Centred on the screen rather than over the owner, before it first appears.
    if (visible && !m_placed) {
        m_placed = true;
        QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s) {
            QRect r = rect();
            r.moveCenter(s->availableGeometry().center());
            move(r.topLeft());
        }
    }
    QDialog::setVisible(visible);
}
