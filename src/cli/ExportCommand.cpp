#include "cli/CliCommand.h"
#include "platform/SheetExport.h"
#include "refdata/UnitService.h"

namespace {
int exportList(const QStringList& args)
{
    if (args.size() != 2 || args.at(0) != QLatin1String("units")) {
        CliCommand::error(QStringLiteral("usage: quenloctl export units FILE(.xlsx|.csv)"));
        return 2;
    }
    if (!CliCommand::openDatabase())
        return 1;
    const auto q = UnitService::all();
    QString error;
    if (!SheetExport::writeQuery(args.at(1), q.sql, q.values, UnitService::columns(),
                                 QStringLiteral("idbh"), &error)) {
        CliCommand::error(QStringLiteral("export failed: ") + error);
        return 1;
    }
    return 0;
}

const CliCommand::Registrar exportCommand{
    "export", "export units FILE  (.xlsx, or .csv by extension)", exportList};
} // namespace
