#pragma once

#include "refdata/UnitService.h"

#include <QDialog>
#include <QMap>

class DataGrid;
class EditRecord;
class QLineEdit;
class QToolButton;

// The unit editor: adds units one after the other, or edits the units of the list, moving
// through it with the navigator. Leaving a unit with unsaved changes asks first.
class TFrmSjlrDwxx : public QDialog
{
    Q_OBJECT
public:
    enum class Move
    {
        First,
        Previous,
        Next,
        Last
    };
    // idbh 0: a new unit. `list` is the unit list the navigator moves through (optional).
    explicit TFrmSjlrDwxx(qint64 idbh, DataGrid* list = nullptr, QWidget* parent = nullptr);
    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    QToolButton* navigatorButton(Move move) const { return m_navigator.value(int(move)); }

    // Stores the shown unit; false when refused (messages shown).
    bool save();
    // Puts back the values of the shown unit.
    void undo();
    // Moves to another unit of the list, asking first about unsaved changes.
    void move(Move to);
    qint64 currentId() const;
    bool isInserting() const;
    bool isModified() const;
    EditRecord* record() const { return m_record; }

    // Every way of closing: the pending database work, then unsaved changes.
    void reject() override;

private:
    void loadUnit(qint64 idbh);
    // Yes saves, No discards, Cancel stays: false to stay.
    bool askAboutChanges();
    EditRecord* m_record;
    DataGrid* m_list;
    QMap<QString, QLineEdit*> m_edits;
    QMap<int, QToolButton*> m_navigator;
};
