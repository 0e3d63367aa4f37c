#pragma once

#include "data/Money.h"

#include <QString>
#include <optional>

// The pricing of one line of a general voucher from its medical item.
namespace LineRule {
struct Input
{
    QString itemClass;       // ylxm.xmlb
    qint64 selfPayRatio = 0; // ylxm.zfbl as stored: ten-thousandths (0.2 is 2000)
    QString priceText;       // unit price as typed
    QString quantityText;    // quantity as typed, a whole number
};

struct Amounts
{
    Money unitPrice; // the typed price rounded to the cent
    qint64 quantity = 0;
    Money medicalCost;      // ylfy
    Money reimbursableCost; // bxfy
    Money selfPaidCost;     // zffy
    Money categoryBSelfPay; // ylzf
    Money ratioSelfPay;     // zff, always 0 on a general voucher line
};

// Medical cost = quantity × unit price. An item of class exactly "自费" puts medical cost ×
// self-pay ratio into the self-paid cost; every other class puts it into the category-B
// self-pay. The reimbursable cost is what remains. Each amount is rounded to the cent on its
// own, from the exact unrounded values, so the medical cost may differ by 0.01 from the sum of
// the other three. Nothing, with the reason in `error`, when the price or quantity is not a
// number or the cost is too large to store.
std::optional<Amounts> price(const Input& input, QString* error = nullptr);
} // namespace LineRule
