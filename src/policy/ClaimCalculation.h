#pragma once

#include <QList>
#include <QString>
#include <optional>

// One ratio band of an expense type: the slice of the claim up to `bound` is paid at `ratio`.
struct RatioBand
{
    double bound = 0; // bxbl.zfje, upper bound of the band, inclusive
    double ratio = 0; // bxbl.zfbl, a fraction (0.85 pays 85 %)
};

// The policy a claim is calculated under, as read for one expense type and year.
struct ClaimPolicy
{
    double limit = 0;                 // payment limit of the year; 0: none configured
    std::optional<double> deductible; // none: the type has no deductible row
    QList<RatioBand> bands;           // in ascending bound
};

struct ClaimInput
{
    QString expenseType; // the voucher's expense type the policy was read for
    double claim = 0;    // reimbursable cost of the claim (sum of the lines' bxfy)
    double previous = 0; // the person's previous self-paid amount this year and type
    ClaimPolicy policy;
};

struct ClaimResult
{
    double reimbursed = 0;          // R
    double selfPaid = 0;            // Z
    std::optional<QString> message; // to be shown with ShowInfo by the caller
};

// The claim calculation, in double and without rounding; the caller rounds R and Z once for
// display and storage. Touches no data. The slices of the claim are paid at their bands'
// ratios after the deductible (a deductible larger than the first slice is taken from the
// following ones) and the previous amount; R + previous is capped at the limit, and a previous
// amount above the limit leaves R = 0.
ClaimResult calcBxje(const ClaimInput& input);
