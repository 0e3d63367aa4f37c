#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

// The export file dialog: file name and folder, with a folder choice through the prompt
// service. The chosen path is folder + name, with ".xlsx" added unless the name already ends
// in ".xlsx" or ".csv".
class TFrmExcelFileEdit : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmExcelFileEdit(const QString& defaultName, QWidget* parent = nullptr);
    QString chosenPath() const;

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* folderEdit() const { return m_folder; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* browseButton() const { return m_browse; }

private:
    void browse();
    void confirm();

    QLineEdit* m_name;
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QPushButton* m_ok;
};

// Asks for the export file; nothing when cancelled.
std::optional<QString> AskExportFile(const QString& defaultName, QWidget* parent = nullptr);
