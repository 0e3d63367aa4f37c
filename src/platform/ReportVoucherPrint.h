#pragma once

#include <QString>

class Report;

// What prints a voucher: its header with the unit name, its lines, its template.
struct VoucherPrintRequest
{
    qint64 lsh = 0;
    bool outpatient = false; // mzzz/mzmx instead of zyzz/zymx
    // The template file name in the data folder's reports/; empty for the voucher's own
    // ("报销单据.rmf" or "门诊单据.rmf").
    QString templateName;
    QString organizationName;
};

namespace ReportVoucherPrint {
QString defaultTemplate(bool outpatient);
// Reads the voucher into the report's datasets (RMzyzz with its lines rmzymx, or rmmzzz with
// rmmzmx), loads the template and sets "memo_dw" to "报销单位：" + organisation name. False
// with the message to show when the voucher, the template or the object is missing; database
// failures throw DatabaseError.
bool prepare(Report& report, const VoucherPrintRequest& request, QString* error);
} // namespace ReportVoucherPrint
