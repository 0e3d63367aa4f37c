#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// quenloctl subcommands. Each capability registers its own in its own file:
//   static const CliCommand::Registrar reg{"name", "usage text", run};
// run() gets the arguments after the subcommand name (the data folder is already set as
// DataFolder::current()) and returns the exit status; messages go to stderr, results to stdout.
namespace CliCommand {
using Run = std::function<int(const QStringList& args)>;

struct Registrar
{
    Registrar(const char* name, const char* usage, Run run);
};

struct Entry
{
    QString name;
    QString usage;
    Run run;
};
const QList<Entry>& all();

// Writes a line to stderr / stdout (UTF-8).
void error(const QString& text);
void out(const QString& text);
// Reports arguments that cannot be used, with the command's usage; returns exit status 2.
int usageError(const QString& why, const char* usage);

// Opens the data folder's database; false after writing the reason to stderr.
bool openDatabase();
} // namespace CliCommand
