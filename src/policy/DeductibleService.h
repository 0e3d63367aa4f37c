#pragma once

#include "data/ServiceOutcome.h"

#include <QStringList>

// Deductibles (qfbz): at most one per expense type.
namespace DeductibleService {
// The expense types a deductible can be set for: "门诊" and "住院", whatever fylx holds.
QStringList expenseTypes();
QString listSql();
inline const QString AmountField = QStringLiteral("qfbz");

// Refuses an empty amount and a second deductible for the type; the insert runs in a
// transaction and a failure is reported with the engine's text.
ServiceOutcome add(const QString& expenseType, const QString& amount);
// Deletes the deductible of the type; "起付标准类型删除成功" when done.
ServiceOutcome remove(const QString& expenseType);
// The row dialog: a new amount for the row `bh`.
ServiceOutcome update(int bh, const QString& amount);
} // namespace DeductibleService
