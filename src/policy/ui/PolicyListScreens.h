#pragma once

#include <QDialog>

class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;

// The yearly parameters: the list of years with add and modify.
class TNdxtcs : public QDialog
{
    Q_OBJECT
public:
    explicit TNdxtcs(QWidget* parent = nullptr);
    DataGrid* grid() const { return m_grid; }
    void insertYear();
    void updateYear();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCurrent(int row);
    DataGrid* m_grid;
    QList<QLineEdit*> m_current;
};

// Deductibles: one per expense type, added, deleted and changed in the row dialog.
class TfrmQfbz : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmQfbz(QWidget* parent = nullptr);
    DataGrid* grid() const { return m_grid; }
    QComboBox* typeBox() const { return m_type; }
    QLineEdit* amountEdit() const { return m_amount; }
    void add();
    void remove();
    void editRow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DataGrid* m_grid;
    QComboBox* m_type;
    QLineEdit* m_amount;
};

// Ratio bands of each expense type.
class Tfrmbxbl : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmbxbl(QWidget* parent = nullptr);
    DataGrid* grid() const { return m_grid; }
    QComboBox* typeBox() const { return m_type; }
    QLineEdit* boundEdit() const { return m_bound; }
    QLineEdit* ratioEdit() const { return m_ratio; }
    void add();
    void remove();
    void editRow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DataGrid* m_grid;
    QComboBox* m_type;
    QLineEdit* m_bound;
    QLineEdit* m_ratio;
};
