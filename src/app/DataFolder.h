#pragma once

#include <QString>

// The folder holding js.db, Grid.ini, list.ini, js.ini and reports/.
namespace DataFolder {
// --data-dir wins, then QUENLO_DATA_DIR, then the program's folder when writable, else
// $XDG_DATA_HOME/quenlo. The result is absolute and has no trailing separator.
QString resolve(const QString& commandLineDir = QString());
// Sets the folder the rest of the program uses (and creates it when missing).
void setCurrent(const QString& folder);
QString current();
// A file inside the current data folder.
QString filePath(const QString& fileName);
QString databaseFile();
} // namespace DataFolder
