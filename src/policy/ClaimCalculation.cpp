#include "policy/ClaimCalculation.h"

#include "data/NumberText.h"

#include <algorithm>

ClaimResult calcBxje(const ClaimInput& in)
{
    ClaimResult out;
    const ClaimPolicy& policy = in.policy;
    const double L = policy.limit;
    if (L == 0) {
        out.message = QStringLiteral("支付限额信息异常，请检查支付限额配置模块");
        return out;
    }
    if (!policy.deductible) {
        out.message = QStringLiteral("未找到此费用类型对应的起付标准信息，请检查起付标准配置模块");
        return out;
    }
    const double B0 = in.claim;
    const double A0 = in.previous;
    // A claim at or below the deductible pays nothing.
    if (!(B0 > *policy.deductible))
        return out;
    if (policy.bands.isEmpty())
        return out;

    double R = 0;
    double Z = 0;
    double B = B0;                 // the part of the claim not yet placed
    double A = A0;                 // the part of the previous amount not yet placed
    double D = *policy.deductible; // the deductible not yet taken
    double P = 0;                  // the previous band's bound
    bool stop = false;
    const qsizetype last = policy.bands.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        if (stop)
            break;
        const double U = policy.bands.at(i).bound;
        const double r = policy.bands.at(i).ratio;
        double S = U - P;
        if (!(B > S))
            S = B;
        // The deductible comes off the bottom of the first slices. A deductible larger than a
        // slice is taken from the following ones, so no slice turns negative.
        if (D > 0) {
            const double taken = std::min(D, std::max(S, 0.0));
            S = S - taken;
            B = B - taken;
            D = D - taken;
        }
        const double Q = S * r;
        bool pay = true;
        if (A > 0) {
            if (Q > A) {
                // Only the part of the band's payment the previous amount leaves uncovered is
                // paid here, turned back into cost; the rest of the claim moves up.
                S = (Q - A) / r;
                B = B - S;
                A = 0;
            } else {
                P = U;
                // The last band pays its slice in full even when the previous amount covers it.
                if (i != last) {
                    A = A - Q;
                    pay = false;
                }
            }
        } else if (B > S) {
            B = B - S;
        } else {
            S = B;
            stop = true;
        }
        if (!pay)
            continue;
        const double X = S * r;
        R = R + X;
        Z = Z + (S - X);
        if (R + A0 > L) {
            // What is left of the limit, never below 0 when the previous amount exceeds it.
            const double left = std::max(0.0, L - A0);
            out.message = QStringLiteral("报销已经超过限额，只能再报销：") +
                          GeneralNumberText(left) + QStringLiteral("元");
            R = left;
            Z = B0 - R;
            stop = true;
        }
        P = U;
    }
    out.reimbursed = R;
    out.selfPaid = Z;
    return out;
}
