#pragma once

#include "policy/ClaimCalculation.h"

#include <QString>

// Reads the policy a claim of the expense type is calculated under in the given year, afresh
// on every call: the year's payment limit (ndxtcs.mzzfxe for "门诊", zyzfxe for "住院"; any
// other type has no limit configured; a missing row or empty column reads as 0), the
// deductible (qfbz) and the ratio bands (bxbl) in ascending bound. The type is trimmed.
// Database errors throw DatabaseError.
ClaimPolicy LoadClaimPolicy(const QString& expenseType, const QString& year);

// The calculation of a voucher's claim: the policy of the operator context's current year,
// read now, applied to the claim and the previous amount.
ClaimResult calcBxje(const QString& expenseType, double claim, double previous);
