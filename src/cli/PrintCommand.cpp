#include "cli/CliCommand.h"
#include "data/Database.h"
#include "platform/Report.h"
#include "platform/ReportPainter.h"
#include "platform/ReportSampleData.h"
#include "platform/ReportTemplates.h"
#include "platform/ReportVoucherPrint.h"

#include <QDir>
#include <optional>

namespace {
const char* const Usage =
    "print template NAME --out FILE.pdf | print voucher LSH --out FILE.pdf [--template NAME] "
    "[--outpatient]   print a template with sample data, or a voucher as the program prints it";

struct Options
{
    QString what;
    QString subject;
    QString out;
    QString templateName;
    bool outpatient = false;
};

std::optional<Options> parse(QStringList args, QString* why)
{
    Options o;
    if (args.size() < 2) {
        *why = QStringLiteral("print: say what to print");
        return std::nullopt;
    }
    o.what = args.takeFirst();
    o.subject = args.takeFirst();
    if (o.what != QLatin1String("template") && o.what != QLatin1String("voucher")) {
        *why = QStringLiteral("print: unknown kind %1 (template or voucher)").arg(o.what);
        return std::nullopt;
    }
    while (!args.isEmpty()) {
        const QString opt = args.takeFirst();
        if (opt == QLatin1String("--outpatient") && o.what == QLatin1String("voucher")) {
            o.outpatient = true;
            continue;
        }
        if ((opt == QLatin1String("--out") ||
             (opt == QLatin1String("--template") && o.what == QLatin1String("voucher"))) &&
            !args.isEmpty()) {
            (opt == QLatin1String("--out") ? o.out : o.templateName) = args.takeFirst();
            continue;
        }
        *why = QStringLiteral("print: unknown or incomplete option %1").arg(opt);
        return std::nullopt;
    }
    if (o.out.isEmpty()) {
        *why = QStringLiteral("print: --out FILE.pdf is required");
        return std::nullopt;
    }
    return o;
}

// The report's unknown names, as the preview shows them.
void warnUnknown(const ReportDocument& doc)
{
    if (!doc.unknownNames.isEmpty())
        CliCommand::error(
            QStringLiteral("print: the template names unknown fields, printed empty: %1")
                .arg(doc.unknownNames.join(QStringLiteral(", "))));
}

int write(const Report& report, const QString& out)
{
    const ReportDocument doc = report.prepare();
    warnUnknown(doc);
    QString why;
    if (!ReportPainter::writePdf(doc, out, &why)) {
        CliCommand::error(QStringLiteral("print: %1").arg(why));
        return 1;
    }
    CliCommand::out(
        QStringLiteral("%1: %2 page(s)").arg(QDir::toNativeSeparators(out)).arg(doc.pages.size()));
    return 0;
}

int printTemplate(const Options& o)
{
    Report report;
    QString why;
    if (!report.loadFromFile(ReportTemplates::path(o.subject), &why)) {
        CliCommand::error(QStringLiteral("print: %1").arg(why));
        return 1;
    }
    ReportSampleData::bind(report);
    return write(report, o.out);
}

int printVoucher(const Options& o)
{
    bool ok = false;
    VoucherPrintRequest r;
    r.lsh = o.subject.toLongLong(&ok);
    if (!ok || r.lsh <= 0) {
        CliCommand::error(
            QStringLiteral("print: the serial number must be a number, got '%1'").arg(o.subject));
        return 2;
    }
    r.outpatient = o.outpatient;
    r.templateName = o.templateName;
    if (!CliCommand::openDatabase())
        return 1;
    Report report;
    QString why;
    try {
        r.organizationName = QueryScalar(QStringLiteral("select zcmc from gdxtcs")).toString();
        ok = ReportVoucherPrint::prepare(report, r, &why);
    } catch (const DatabaseError& e) {
        ok = false;
        why = QStringLiteral("cannot read the voucher: %1").arg(e.text());
    }
    Database::close();
    if (!ok) {
        CliCommand::error(QStringLiteral("print: %1").arg(why));
        return 1;
    }
    return write(report, o.out);
}

int runPrint(const QStringList& args)
{
    QString why;
    const auto o = parse(args, &why);
    if (!o)
        return CliCommand::usageError(why, Usage);
    return o->what == QLatin1String("template") ? printTemplate(*o) : printVoucher(*o);
}

const CliCommand::Registrar printCommand{"print", Usage, runPrint};
} // namespace
