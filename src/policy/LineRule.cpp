#include "policy/LineRule.h"

#include "data/TextRoutines.h"

namespace {
// decimal(12,2): at most ten digits before the point
constexpr qint64 MaxCents = 999'999'999'999;
constexpr qint64 RatioScale = 10'000;

// An exact amount in ten-thousandths of a cent, rounded to the cent, halves away from zero.
Money roundToCent(__int128 scaled)
{
    const __int128 half = RatioScale / 2;
    const __int128 cents =
        scaled >= 0 ? (scaled + half) / RatioScale : (scaled - half) / RatioScale;
    return Money::fromCents(static_cast<std::int64_t>(cents));
}

std::optional<LineRule::Amounts> fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return std::nullopt;
}
} // namespace

std::optional<LineRule::Amounts> LineRule::price(const Input& in, QString* error)
{
    const auto unitPrice = RoundMoneyText(in.priceText);
    if (!unitPrice)
        return fail(error, QStringLiteral("单价不是有效的数字：%1").arg(in.priceText));
    bool ok = false;
    const qint64 quantity = in.quantityText.trimmed().toLongLong(&ok);
    if (!ok)
        return fail(error, QStringLiteral("数量不是有效的整数：%1").arg(in.quantityText));
    const __int128 medical = __int128(quantity) * unitPrice->cents();
    if (medical > MaxCents || medical < -MaxCents)
        return fail(error, QStringLiteral("医疗费用超出可以保存的范围"));

    const __int128 medicalScaled = medical * RatioScale;
    const __int128 ratioPart = medical * in.selfPayRatio;
    const bool selfPaidClass = in.itemClass == QStringLiteral("自费");
    const __int128 selfPaid = selfPaidClass ? ratioPart : 0;
    const __int128 categoryB = selfPaidClass ? 0 : ratioPart;

    Amounts a;
    a.unitPrice = *unitPrice;
    a.quantity = quantity;
    a.medicalCost = Money::fromCents(static_cast<std::int64_t>(medical));
    a.selfPaidCost = roundToCent(selfPaid);
    a.categoryBSelfPay = roundToCent(categoryB);
    a.reimbursableCost = roundToCent(medicalScaled - selfPaid - categoryB);
    a.ratioSelfPay = Money();
    return a;
}
