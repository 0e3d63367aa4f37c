#pragma once

#include "refdata/UnitService.h"

#include <QDialog>
#include <QMap>

class QLineEdit;

// The unit editor: adds units one after the other, or edits one unit.
class TFrmSjlrDwxx : public QDialog
{
    Q_OBJECT
public:
    // idbh 0: a new unit.
    explicit TFrmSjlrDwxx(qint64 idbh, QWidget* parent = nullptr);
    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    // Stores the shown unit; false when refused (messages shown).
    bool save();
    qint64 currentId() const { return m_unit.idbh; }

private:
    void show(const Unit& unit);
    Unit m_unit;
    QMap<QString, QLineEdit*> m_edits;
};
