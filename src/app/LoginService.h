#pragma once

#include <QString>
#include <QStringList>

// The menu as the permissions see it: enable everything, then disable or enable one item by
// component name (false when the menu has no such item).
class MenuHost
{
public:
    virtual ~MenuHost() = default;
    virtual void enableAllItems() = 0;
    virtual bool setItemEnabled(const QString& name, bool enabled) = 0;
};

namespace LoginService {
// What the login dialog does after an attempt.
struct Outcome
{
    bool accepted = false;
    bool clearUser = false;
    bool clearPassword = false;
    bool focusUser = false;
};

// Checks the typed number and password, filling the operator context from yh, gdxtcs and
// ndxtcs, with every message and log line of a refusal. On acceptance the caller applies the
// permissions (CheckUser), writes the status bar and calls loggedIn().
Outcome attempt(const QString& userText, const QString& passwordText);
// Logs "<name>登陆系统".
void loggedIn();
// Reports a database failure after the password was accepted (as a failed login).
Outcome failed();

// Applies the grants of the logged-in operator to the menu; database failures throw.
void CheckUser(MenuHost& menu);

// Rebuilds the menu function list after both questions. Cancelled: nothing changed.
enum class MenuInitResult
{
    Cancelled,
    Done,
    Failed
};
MenuInitResult InitialiseMenuFunctions();
} // namespace LoginService
