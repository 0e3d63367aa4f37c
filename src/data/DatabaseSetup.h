#pragma once

#include <QString>

// Creating a new database: the schema, the one gdxtcs row, the ndxtcs row of the year,
// operator 1 "系统管理员" with the chosen password, the expense types "门诊" and "住院", the
// menu functions, all granted to operator 1.
namespace DatabaseSetup {
struct Options
{
    QString organization;
    int year = 0;
    QString adminPassword;
};

// A clear message for options that cannot be used, empty when they are fine.
QString validate(const Options& options);
// Fills the open, empty database in one transaction; failures throw DatabaseError.
void populate(const Options& options);
// Creates js.db in the folder (built under a temporary name, readable by its owner only, and
// renamed into place when complete). Refuses an existing database. The connection is left
// closed. Returns false with a message on failure; nothing half-written is left behind.
bool createDataFolder(const QString& folder, const Options& options, QString* error,
                      void (*fill)() = nullptr);
} // namespace DatabaseSetup
