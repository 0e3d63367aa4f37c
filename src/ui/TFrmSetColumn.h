#pragma once

#include <QDialog>
#include <QStringList>

class DataGrid;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The column dialog of the grid options menu: one checkable line per column (its field name,
// checked when shown), the selected column's title, "自动存盘" to save the layout in the
// per-user store on OK, and OK / apply / cancel.
class TFrmSetColumn : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmSetColumn(DataGrid* grid, QWidget* parent = nullptr);

    QListWidget* columnList() const { return m_list; }
    QLineEdit* titleEdit() const { return m_title; }
    QCheckBox* autoSave() const { return m_autoSave; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* applyButton() const { return m_apply; }

    void apply();
    void confirm();

private:
    void storeTitle();
    void changed();

    DataGrid* m_grid;
    QStringList m_fields;
    QStringList m_titles;
    QListWidget* m_list;
    QLineEdit* m_title;
    QCheckBox* m_autoSave;
    QPushButton* m_ok;
    QPushButton* m_apply;
    int m_titleRow = -1;
};
