#pragma once

#include "data/Database.h"
#include "data/DatabaseSetup.h"

#include <QTemporaryDir>
#include <cstdio>

// Opens a freshly installed SQLite database in `dir` for a benchmark; false after saying why.
inline bool openBenchDatabase(const QTemporaryDir& dir)
{
    QString why;
    if (!DatabaseSetup::createDataFolder(
            dir.path(), {QStringLiteral("测"), 2026, QStringLiteral("pw")}, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return false;
    }
    ConnectionSettings s;
    s.sqliteFile = dir.filePath(QStringLiteral("js.db"));
    if (!Database::open(s, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return false;
    }
    return true;
}
