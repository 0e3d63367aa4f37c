#pragma once

#include <QDialog>

class DataGrid;
class QLineEdit;

// The units screen: the unit list with searches by number and name, add, edit and delete
// through the unit editor, print and layout save.
class TdwFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TdwFrm(QWidget* parent = nullptr);
    DataGrid* grid() const { return m_grid; }
    QLineEdit* numberEdit() const { return m_number; }
    QLineEdit* nameEdit() const { return m_name; }

    void searchByNumber();
    void searchByName();
    void showAll();
    void addUnits();
    void editUnit();
    void deleteUnit();
    void saveLayout();
    void print();

private:
    void load(const QString& sql, const QVariantList& values);
    DataGrid* m_grid;
    QLineEdit* m_number;
    QLineEdit* m_name;
};

QDialog* createTdwFrm(QWidget* parent);
