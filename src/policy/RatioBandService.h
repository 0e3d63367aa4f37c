#pragma once

#include "data/ServiceOutcome.h"

#include <QStringList>

// Ratio bands (bxbl): (expense type, upper bound) identifies a band.
namespace RatioBandService {
// Every expense type of fylx, in table order.
QStringList expenseTypes();
QString listSql();
inline const QString BoundField = QStringLiteral("zfje");
inline const QString RatioField = QStringLiteral("zfbl");

// Refuses an empty bound or ratio and an existing (type, bound); "报销比例设置成功" when done.
ServiceOutcome add(const QString& expenseType, const QString& bound, const QString& ratio);
// Deletes the band; "报销比例删除成功" when done.
ServiceOutcome remove(const QString& expenseType, int bound);
// The row dialog: new bound and ratio for the band (type, oldBound). Nothing stops a bound
// another band of the type already has.
ServiceOutcome update(const QString& expenseType, int oldBound, const QString& bound,
                      const QString& ratio);
} // namespace RatioBandService
