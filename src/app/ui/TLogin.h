#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TMain;

// The login dialog: operator number and password. Accepted only after a successful login,
// which applies the operator's menu rights to the main window and writes its status bar.
class TLogin : public QDialog
{
    Q_OBJECT
public:
    TLogin(TMain* main, QWidget* parent = nullptr);

    QLineEdit* userEdit() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void login();

    TMain* m_main;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
