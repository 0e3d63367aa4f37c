#pragma once

#include "app/LoginService.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QToolButton;

// The main window: organisation and product labels, four big buttons firing menu items, the
// main menu built from the menu catalogue, and a status bar of four panels.
class TMain : public QMainWindow, public MenuHost
{
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);

    QAction* menuAction(const QString& name) const;
    // Status bar after a login: operator and host address.
    void showOperatorStatus();
    // Organisation label and caption; done once, when the window is first shown.
    void showOrganization();
    // The login dialog; the result is not used (re-login, after menu initialisation).
    void runLogin();

    void enableAllItems() override;
    bool setItemEnabled(const QString& name, bool enabled) override;

    QLabel* statusPanel(int i) const { return m_panels.at(i); }

Q_SIGNALS:
    // Menu initialisation failed: the program must end.
    void fatalError();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildBody();
    void onAction(const QString& name, const QString& opens);
    void confirmExit();
    void initialiseMenu();

    QLabel* m_organization = nullptr;
    QHash<QString, QAction*> m_actions; // lower-case component name -> action
    QList<QLabel*> m_panels;
    bool m_organizationShown = false;
};
