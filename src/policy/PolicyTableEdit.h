#pragma once

#include "data/ServiceOutcome.h"

#include <QRegularExpression>
#include <QString>
#include <QVariantList>
#include <optional>

// Shared pieces of the deductible and ratio band services.
namespace PolicyTableEdit {
// A whole number of at most `maxLength` digits, as the edits let it be typed.
std::optional<int> wholeNumber(const QString& text, int maxLength);
// A fraction such as 0.85 (digits and one point, at most four characters, at most 1).
std::optional<double> ratio(const QString& text);
// Runs one change in a transaction; a failure is rolled back and reported as
// `failurePrefix` followed by the engine's text.
ServiceOutcome runChange(const QString& sql, const QVariantList& values,
                         const QString& failurePrefix);
} // namespace PolicyTableEdit
