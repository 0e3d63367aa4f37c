#pragma once

#include <QString>

// Who is logged in and the policy settings read at login. Written only by the login;
// read everywhere. Changes of the year or limits in the database reach it at the next login.
struct OperatorContext
{
    QString operatorNo;           // the number as typed, trimmed
    int operatorId = 0;           // yh.idbh of the logged-in operator (0 before a login)
    QString operatorName;         // yh.xm, trimmed
    QString operatorPassword;     // yh.mm, the stored hash
    QString currentYear;          // gdxtcs.xtnd as text
    QString organizationName;     // gdxtcs.zcmc
    int outpatientLimit = 0;      // ndxtcs.mzzfxe of the current year, rounded half to even
    int generalLimit = 0;         // ndxtcs.zyzfxe, rounded the same way
    double outpatientRatio = 0.0; // ndxtcs.mzbl of the current year

    // Cleared whenever the login dialog is shown; limits and organisation keep their values.
    void clearForLogin()
    {
        operatorNo.clear();
        operatorId = 0;
        operatorName.clear();
        operatorPassword.clear();
        currentYear.clear();
    }

    static OperatorContext& current();
};
