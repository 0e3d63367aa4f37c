#pragma once

#include "data/ServiceOutcome.h"

#include <QString>

// The current policy year and the yearly parameters (payment limits, outpatient ratio).
namespace YearParameterService {
// xtnd of the one gdxtcs row as text, empty when there is none.
QString currentYear();

// The list of years, in the order the database returns them.
QString listSql();

struct Entry
{
    QString year;       // as typed
    QString outpatient; // outpatient payment limit, as typed
    QString general;    // general payment limit, as typed
    QString ratio;      // outpatient ratio K, as typed (empty means 0)
};
// Field names a refusal puts the focus on.
inline const QString YearField = QStringLiteral("xtnd");
inline const QString OutpatientField = QStringLiteral("mzzfxe");
inline const QString GeneralField = QStringLiteral("zyzfxe");

// Adds a year: empty fields are refused in order; a value that cannot be stored (a year with a
// decimal point, a second row for the same year, a limit of more than six characters) gives the
// saving error. Logs "添加年度系统：" + year.
ServiceOutcome add(const Entry& entry);
// Changes the limits and ratio of an existing year (the year itself cannot change).
// Logs "修改年度系统：" + year.
ServiceOutcome modify(const Entry& entry);
} // namespace YearParameterService
