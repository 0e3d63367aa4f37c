#include "app/ui/TFlashShow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QThread>

TFlashShow::TFlashShow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TFlashShow"));
    setFixedSize(392, 202);
    setStyleSheet(QStringLiteral("TFlashShow { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #1d4e89, stop:1 #0b2545); }"));
    setAttribute(Qt::WA_StyledBackground);
    auto* title = new QLabel(QStringLiteral("Quenlo"), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    title->setStyleSheet(QStringLiteral("color: lime; font-weight: bold; font-size: 24px;"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 60, 392, 40);
    m_process = new QLabel(this);
    m_process->setObjectName(QStringLiteral("LblProcess"));
    m_process->setStyleSheet(QStringLiteral("color: white; font-size: 13px; font-family: 宋体;"));
    m_process->setGeometry(12, 170, 368, 20);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TFlashShow::ShowProgress(const QString& text, int delayMs)
{
    m_history << text;
    m_process->setText(text);
    m_process->repaint();
    if (delayMs > 0)
        QThread::msleep(delayMs);
    QApplication::processEvents();
}

void TFlashShow::fadeOut()
{
    int alpha = 255;
    while (alpha > 15) {
        alpha -= 20;
        m_fadeSteps << alpha;
        setWindowOpacity(alpha / 255.0);
        QApplication::processEvents();
    }
}
