#pragma once

#include <QDialog>
#include <functional>

class DataGrid;
class QLineEdit;
class QProgressBar;
class TMyStatusBar;
struct ListPrintJob;

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
    // The print of the list (heading, operator and date line, page text).
    ListPrintJob printJob() const;
    void print();
    TMyStatusBar* statusBar() const { return m_status; }

private:
    void load(const QString& sql, const QVariantList& values);
    // Runs a toolbar action; a failure inside it gets the screen's error message.
    void guarded(const std::function<void()>& action);
    DataGrid* m_grid;
    QLineEdit* m_number;
    QLineEdit* m_name;
    TMyStatusBar* m_status;
    QProgressBar* m_progress;
};

QDialog* createTdwFrm(QWidget* parent);
