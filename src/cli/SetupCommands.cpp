#include "app/DataFolder.h"
#include "cli/CliCommand.h"
#include "data/DatabaseSetup.h"
#include "data/DemoData.h"

#include <QDate>

namespace {
int runInit(const QStringList& args)
{
    DatabaseSetup::Options o;
    bool haveYear = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--org") && hasValue) {
            o.organization = args.at(++i);
        } else if (a == QLatin1String("--year") && hasValue) {
            bool ok = false;
            o.year = args.at(++i).toInt(&ok);
            haveYear = ok;
            if (!ok)
                o.year = 0;
        } else if (a == QLatin1String("--admin-password") && hasValue) {
            o.adminPassword = args.at(++i);
        } else {
            CliCommand::error(QStringLiteral("init: unexpected argument %1").arg(a));
            return 2;
        }
    }
    if (o.organization.isEmpty() || !haveYear || o.adminPassword.isEmpty()) {
        CliCommand::error(QStringLiteral("usage: init --org NAME --year YYYY --admin-password PW"));
        return 2;
    }
    QString why;
    if (!DatabaseSetup::createDataFolder(DataFolder::current(), o, &why)) {
        CliCommand::error(why);
        return 1;
    }
    CliCommand::out(QStringLiteral("created %1").arg(DataFolder::databaseFile()));
    return 0;
}

int runDemo(const QStringList& args)
{
    if (!args.isEmpty()) {
        CliCommand::error(QStringLiteral("demo takes no arguments"));
        return 2;
    }
    DatabaseSetup::Options o{QStringLiteral("示范公司"), DemoData::defaultYear(),
                             QStringLiteral("demo")};
    QString why;
    if (!DatabaseSetup::createDataFolder(DataFolder::current(), o, &why, &DemoData::fill)) {
        CliCommand::error(why);
        return 1;
    }
    CliCommand::out(QStringLiteral("created demo data in %1 (operator 1, password demo)")
                        .arg(DataFolder::databaseFile()));
    return 0;
}

const CliCommand::Registrar initCommand{
    "init", "init --org NAME --year YYYY --admin-password PW   create a new data folder", runInit};
const CliCommand::Registrar demoCommand{
    "demo", "demo   create a data folder with sample data (operator 1, password demo)", runDemo};
} // namespace
