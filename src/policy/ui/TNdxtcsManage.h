#pragma once

#include "policy/YearParameterService.h"

#include <QDialog>
#include <QHash>

class QLineEdit;
class QPushButton;

// Adds a year or changes the limits of one. Refusals keep the dialog open with the focus on
// the field; a value that cannot be stored is reported and the dialog closes without change.
class TNdxtcsManage : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        Add,
        Modify
    };
    TNdxtcsManage(Mode mode, const YearParameterService::Entry& entry, QWidget* parent = nullptr);

    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    QPushButton* okButton() const { return m_ok; }

private:
    void confirm();

    Mode m_mode;
    QHash<QString, QLineEdit*> m_edits;
    QPushButton* m_ok;
};
