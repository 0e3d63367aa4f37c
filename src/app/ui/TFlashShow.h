#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

// The splash window of the start-up: the product title and the current step.
class TFlashShow : public QWidget
{
    Q_OBJECT
public:
    explicit TFlashShow(QWidget* parent = nullptr);

    // Shows the step text at once, waits `delayMs`, then lets pending events run.
    void ShowProgress(const QString& text, int delayMs);
    // Fades out: opacity from 255 down by 20 while above 15 (12 steps).
    void fadeOut();

    // What was shown, in order (the start-up test reads it).
    const QStringList& history() const { return m_history; }
    const QList<int>& fadeSteps() const { return m_fadeSteps; }

private:
    QLabel* m_process;
    QStringList m_history;
    QList<int> m_fadeSteps;
};
