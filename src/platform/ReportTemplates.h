#pragma once

#include <QString>
#include <QStringList>

// The templates shipped with the program and the data folder's template folder.
namespace ReportTemplates {
// The file names of the shipped templates.
QStringList shippedNames();
// The shipped text of one template; empty for a name that is not shipped.
QByteArray shippedText(const QString& fileName);
// Copies every shipped template missing from `folder` into it (creating the folder); a file
// already there, edited or not, is left alone. Returns the names copied; failures go to
// `error` and the other files are still copied.
QStringList installMissing(const QString& folder, QString* error = nullptr);
// The current data folder's "reports" folder, with the missing templates installed.
QString folder();
// A template file of that folder.
QString path(const QString& fileName);
} // namespace ReportTemplates
