#pragma once

#include "platform/Report.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;

// The template editor: the templates of the data folder's reports/ as large icons, in the
// order the folder lists them; a double-click opens the designer on one.
class Tfrmdesignreport : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmdesignreport(QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // Lists the folder anew (done each time the screen is shown).
    void FormShow();
    // Opens the designer on the selected template; nothing without a selection.
    void ListView1DblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_list;
    Report m_report; // the screen's own report object
};
