#pragma once

#include "platform/ReportVoucherPrint.h"

class QWidget;
class Report;

// The desktop program's print routine for templates: prepare, then the modal preview.
namespace ReportUi {
// Lays the report out and shows the preview modally.
void preview(Report& report, QWidget* parent);
// Prints a voucher (header, lines, "memo_dw" from the operator context's organisation) with
// its template; a missing voucher, template or object shows an error and prints nothing.
// Returns whether the preview was shown.
bool printVoucher(qint64 lsh, bool outpatient, const QString& templateName, QWidget* parent);
// Opens the designer on the report modally.
void design(Report& report, QWidget* parent);
} // namespace ReportUi
