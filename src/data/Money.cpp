#include "data/Money.h"

#include <QRegularExpression>
#include <cmath>

Money Money::fromDouble(double value)
{
    // Round at the cent with a guard for representation error: 12.345 is stored as
    // 12.3449999...; scaling first and rounding the scaled value to 1e-6 restores the intent.
    const double scaled = value * 100.0;
    const double guarded = std::round(scaled * 1e6) / 1e6;
    return Money(static_cast<std::int64_t>(std::round(guarded)));
}

std::optional<Money> Money::fromText(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString intPart = m.captured(2);
    const QString fracPart = m.captured(3);
    if (intPart.isEmpty() && fracPart.isEmpty())
        return std::nullopt;
    if (intPart.size() > 15)
        return std::nullopt;
    std::int64_t cents = intPart.isEmpty() ? 0 : intPart.toLongLong() * 100;
    const QString frac = (fracPart + QStringLiteral("000")).left(3);
    cents += frac.left(2).toLongLong();
    // Halves go away from zero, so the third decimal alone decides the rounding.
    if (frac.at(2) >= QLatin1Char('5'))
        cents += 1;
    if (m.captured(1) == QLatin1String("-"))
        cents = -cents;
    return Money(cents);
}

Money Money::fromStored(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return Money();
    bool ok = false;
    const qlonglong v = value.toLongLong(&ok);
    if (ok)
        return Money(v);
    // A driver may hand back an integer column as text or double
    return Money(static_cast<std::int64_t>(std::llround(value.toDouble())));
}

QString Money::toText() const
{
    const std::int64_t a = m_cents < 0 ? -m_cents : m_cents;
    return QStringLiteral("%1%2.%3")
        .arg(m_cents < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}
