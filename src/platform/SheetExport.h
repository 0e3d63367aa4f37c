#pragma once

#include "platform/SqlListModel.h"

#include <QString>
#include <QVariantList>
#include <functional>

// Writes a list to a spreadsheet: .xlsx (numbers as numbers, dates as dates, money with two
// decimals) or, for a name ending in ".csv", UTF-8 text with a byte order mark. The columns
// are written in the order given, with their titles on the first line. The file is built
// under a temporary name in the target folder and renamed at the end, so a failure never
// leaves a half file under the chosen name.
namespace SheetExport {
// Yields the raw values of the next row (in column order); false when there are no more.
using RowSource = std::function<bool(QVariantList& row)>;

// False with a reason in `error` when the file could not be written.
bool write(const QString& path, const QList<GridColumn>& columns, const RowSource& rows,
           QString* error = nullptr);
// Streams the whole result of a query (ordered by `orderBy`, a fixed identifier from code,
// when not empty). Database failures are reported as false too.
bool writeQuery(const QString& path, const QString& sql, const QVariantList& values,
                const QList<GridColumn>& columns, const QString& orderBy = QString(),
                QString* error = nullptr);
} // namespace SheetExport
