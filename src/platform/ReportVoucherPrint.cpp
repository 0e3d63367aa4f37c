#include "platform/ReportVoucherPrint.h"

#include "data/Database.h"
#include "platform/Report.h"
#include "platform/ReportTemplates.h"

QString ReportVoucherPrint::defaultTemplate(bool outpatient)
{
    return outpatient ? QStringLiteral("门诊单据.rmf") : QStringLiteral("报销单据.rmf");
}

bool ReportVoucherPrint::prepare(Report& report, const VoucherPrintRequest& r, QString* error)
{
    // identifiers fixed by the voucher kind; the serial number is bound
    const QString header = r.outpatient ? QStringLiteral("mzzz") : QStringLiteral("zyzz");
    const QString lines = r.outpatient ? QStringLiteral("mzmx") : QStringLiteral("zymx");
    const QString lineNo = r.outpatient ? QStringLiteral("mzmxbh") : QStringLiteral("zymxbh");
    const QString headerSet = r.outpatient ? QStringLiteral("rmmzzz") : QStringLiteral("RMzyzz");
    const QString lineSet = r.outpatient ? QStringLiteral("rmmzmx") : QStringLiteral("rmzymx");

    QSqlQuery hq = OpenQuerySql(
        QStringLiteral("select a.*, b.dwmc from %1 a, dwxx b where a.dwbh = b.idbh and a.lsh = ?")
            .arg(header),
        {r.lsh});
    ReportDataset headerRows = ReportDataset::fromQuery(hq, {header, QStringLiteral("dwxx")});
    if (headerRows.rowCount() == 0) {
        if (error)
            *error = QStringLiteral("没有流水号为 %1 的报销单据").arg(r.lsh);
        return false;
    }
    QSqlQuery lq = OpenQuerySql(
        QStringLiteral("select * from %1 where lsh = ? order by %2").arg(lines, lineNo), {r.lsh});
    ReportDataset lineRows = ReportDataset::fromQuery(lq, {lines});

    const QString name = r.templateName.isEmpty() ? defaultTemplate(r.outpatient) : r.templateName;
    if (!report.loadFromFile(ReportTemplates::path(name), error))
        return false;
    if (!report.setMemoText(QStringLiteral("memo_dw"),
                            QStringLiteral("报销单位：") + r.organizationName, error))
        return false;
    report.data().clear();
    report.data().bind(headerSet, headerRows);
    report.data().bind(lineSet, lineRows);
    report.data().link(lineSet, headerSet, QStringLiteral("lsh"), QStringLiteral("lsh"));
    return true;
}
