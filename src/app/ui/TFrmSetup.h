#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Offered when the data folder has no database: organisation, current year and the
// administrator's password (twice); creates the database as `quenloctl init` does.
class TFrmSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmSetup(const QString& folder, QWidget* parent = nullptr);

    QLineEdit* organizationEdit() const { return m_org; }
    QLineEdit* yearEdit() const { return m_year; }
    QLineEdit* passwordEdit() const { return m_password; }
    QLineEdit* repeatEdit() const { return m_repeat; }
    QPushButton* okButton() const { return m_ok; }

private:
    void create();

    QString m_folder;
    QLineEdit* m_org;
    QLineEdit* m_year;
    QLineEdit* m_password;
    QLineEdit* m_repeat;
    QPushButton* m_ok;
};
