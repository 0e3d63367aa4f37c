#include "data/Clock.h"

#include <memory>

namespace {
std::unique_ptr<Clock>& installed()
{
    static std::unique_ptr<Clock> clock;
    return clock;
}

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime t) : m_t(std::move(t)) {}
    QDateTime currentDateTime() const override { return m_t; }

private:
    QDateTime m_t;
};
} // namespace

QDateTime Clock::currentDateTime() const
{
    return QDateTime::currentDateTime();
}

QDateTime Clock::now()
{
    const auto& c = installed();
    return c ? c->currentDateTime() : QDateTime::currentDateTime();
}

QDate Clock::today()
{
    return now().date();
}

QString Clock::nowText()
{
    return DateText::fromDateTime(now());
}

QString Clock::todayText()
{
    return DateText::fromDate(today());
}

void Clock::install(Clock* clock)
{
    installed().reset(clock);
}

void Clock::setFixed(const QDateTime& moment)
{
    install(new FixedClock(moment));
}

QString DateText::fromDate(const QDate& d)
{
    return d.toString(QLatin1String(DateFormat));
}

QString DateText::fromDateTime(const QDateTime& dt)
{
    return dt.toString(QLatin1String(DateTimeFormat));
}
