#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

// Enter moves the focus to the next field of a dialog; Enter in the last field (or in a field
// listed as a confirming field) presses the confirming button. Multi-line editors and buttons
// keep their own Enter; Ctrl+Enter moves on from a multi-line editor. Install once per dialog:
// EnterToNextFilter::install(dialog, okButton).
class EnterToNextFilter : public QObject
{
    Q_OBJECT
public:
    static EnterToNextFilter* install(QWidget* dialog, QAbstractButton* confirm = nullptr);
    // Enter in this field presses the confirming button instead of moving on.
    void addConfirmingField(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterToNextFilter(QWidget* dialog, QAbstractButton* confirm);
    QWidget* nextField(QWidget* field) const;
    bool isLastField(QWidget* field) const;

    QWidget* m_dialog;
    QPointer<QAbstractButton> m_confirm;
    QList<QPointer<QWidget>> m_confirmingFields;
};
