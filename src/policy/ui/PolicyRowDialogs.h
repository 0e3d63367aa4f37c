#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The row dialogs of the deductible and ratio band lists: "确定" stores the row, "取消" leaves it.
class Tfrmsetqfbz : public QDialog
{
    Q_OBJECT
public:
    Tfrmsetqfbz(int bh, const QString& expenseType, int amount, QWidget* parent = nullptr);
    QLineEdit* amountEdit() const { return m_amount; }
    QPushButton* okButton() const { return m_ok; }

private:
    int m_bh;
    QLineEdit* m_amount;
    QPushButton* m_ok;
};

class Tfrmsetbxbl : public QDialog
{
    Q_OBJECT
public:
    Tfrmsetbxbl(const QString& expenseType, int bound, double ratio, QWidget* parent = nullptr);
    QLineEdit* boundEdit() const { return m_bound; }
    QLineEdit* ratioEdit() const { return m_ratio; }
    QPushButton* okButton() const { return m_ok; }

private:
    QString m_type;
    int m_oldBound;
    QLineEdit* m_bound;
    QLineEdit* m_ratio;
    QPushButton* m_ok;
};
