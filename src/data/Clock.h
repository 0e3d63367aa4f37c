#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now". Tests install a fixed time so that settlement dates, log times,
// backup names and year-end become deterministic.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime currentDateTime() const;

    static QDateTime now();
    static QDate today();
    // Canonical stored forms: "yyyy-MM-dd" and "yyyy-MM-dd HH:mm:ss".
    static QString nowText();
    static QString todayText();

    // Replaces the clock (ownership passes); nullptr restores the system clock.
    static void install(Clock* clock);
    // A clock that stands still at the given moment until set again.
    static void setFixed(const QDateTime& moment);
};

namespace DateText {
constexpr const char* DateFormat = "yyyy-MM-dd";
constexpr const char* DateTimeFormat = "yyyy-MM-dd HH:mm:ss";
QString fromDate(const QDate& d);
QString fromDateTime(const QDateTime& dt);
} // namespace DateText
