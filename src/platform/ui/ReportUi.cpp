#include "platform/ui/ReportUi.h"

#include "app/OperatorContext.h"
#include "data/Database.h"
#include "platform/Prompter.h"
#include "platform/Report.h"
#include "platform/ui/ReportDesigner.h"
#include "platform/ui/ReportPreview.h"

void ReportUi::preview(Report& report, QWidget* parent)
{
    ReportPreview dialog(report.prepare(), parent);
    dialog.exec();
}

bool ReportUi::printVoucher(qint64 lsh, bool outpatient, const QString& templateName,
                            QWidget* parent)
{
    // one report object for every voucher printout; it keeps the last template loaded
    static Report report;
    VoucherPrintRequest r{lsh, outpatient, templateName,
                          OperatorContext::current().organizationName};
    QString why;
    bool ok = false;
    try {
        ok = ReportVoucherPrint::prepare(report, r, &why);
    } catch (const DatabaseError& e) {
        why = e.text();
    }
    if (!ok) {
        ShowErrorBox(why, QStringLiteral("错误信息"));
        return false;
    }
    preview(report, parent);
    return true;
}

void ReportUi::design(Report& report, QWidget* parent)
{
    ReportDesigner dialog(report, parent);
    dialog.exec();
}
