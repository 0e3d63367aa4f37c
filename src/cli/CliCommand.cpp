#include "cli/CliCommand.h"

#include "app/ConnectionConfig.h"
#include "app/DataFolder.h"
#include "data/Database.h"

#include <cstdio>

namespace {
QList<CliCommand::Entry>& registry()
{
    static QList<CliCommand::Entry> r;
    return r;
}
} // namespace

CliCommand::Registrar::Registrar(const char* name, const char* usage, Run run)
{
    registry().append({QString::fromUtf8(name), QString::fromUtf8(usage), std::move(run)});
}

const QList<CliCommand::Entry>& CliCommand::all()
{
    return registry();
}

void CliCommand::error(const QString& text)
{
    std::fprintf(stderr, "quenloctl: %s\n", text.toUtf8().constData());
}

void CliCommand::out(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

int CliCommand::usageError(const QString& why, const char* usage)
{
    error(why);
    error(QStringLiteral("usage: ") + QString::fromUtf8(usage));
    return 2;
}

bool CliCommand::openDatabase()
{
    const ConnectionSettings s = ConnectionConfig::load();
    const QString where =
        s.backend == Backend::Sqlite ? s.sqliteFile : s.host + QLatin1Char('/') + s.database;
    QString why;
    if (!Database::open(s, &why)) {
        error(QStringLiteral("cannot open the database %1: %2").arg(where, why));
        return false;
    }
    if (Database::schemaVersion() == 0) {
        error(QStringLiteral("%1 is not a Quenlo database").arg(where));
        Database::close();
        return false;
    }
    return true;
}
