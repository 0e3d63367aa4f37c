#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

// An exact amount of money in integer cents. Every stored amount, every sum and every
// accumulator update goes through this type; binary floating point only appears in the claim
// calculation, whose result is turned into Money once with fromDouble().
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents); }
    // Rounds to the nearest cent, halves away from zero.
    static Money fromDouble(double value);
    // Parses "12", "12.3", "-0.05", "1,234.50" is refused; more than two decimals are rounded
    // half away from zero. Returns nothing for text that is not a number.
    static std::optional<Money> fromText(const QString& text);
    // Reads a stored value (integer cents) or nothing for NULL.
    static Money fromStored(const QVariant& value);

    constexpr std::int64_t cents() const { return m_cents; }
    double toDouble() const { return double(m_cents) / 100.0; }
    // "0.00" format: at least one integer digit, always two decimals.
    QString toText() const;
    // The value to bind into a statement.
    QVariant toStored() const { return QVariant::fromValue<qlonglong>(m_cents); }

    constexpr Money operator+(Money o) const { return Money(m_cents + o.m_cents); }
    constexpr Money operator-(Money o) const { return Money(m_cents - o.m_cents); }
    constexpr Money operator-() const { return Money(-m_cents); }
    Money& operator+=(Money o)
    {
        m_cents += o.m_cents;
        return *this;
    }
    Money& operator-=(Money o)
    {
        m_cents -= o.m_cents;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t cents) : m_cents(cents) {}
    std::int64_t m_cents = 0;
};

Q_DECLARE_METATYPE(Money)
