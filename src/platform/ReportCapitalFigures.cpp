#include "platform/ReportCapitalFigures.h"

#include <cstdlib>

namespace {
const QString Digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
const QString Units = QStringLiteral("元拾佰仟"); // within a group of four; "元" stands for none
const QString Groups = QStringLiteral("元万亿兆");

// The integer part, without "元"; empty for 0.
QString integerPart(std::uint64_t yuan)
{
    const QString digits = QString::number(yuan);
    QString out;
    bool pendingZero = false;
    bool groupHasDigit = false;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        const int pos = n - 1 - i; // 0 = units
        const int d = digits.at(i).digitValue();
        if (d == 0) {
            pendingZero = !out.isEmpty();
        } else {
            if (pendingZero)
                out += Digits.at(0);
            pendingZero = false;
            out += Digits.at(d);
            if (pos % 4 != 0)
                out += Units.at(pos % 4);
            groupHasDigit = true;
        }
        if (pos % 4 == 0) {
            if (groupHasDigit && pos > 0)
                out += Groups.at((pos / 4) % 4);
            groupHasDigit = false;
        }
    }
    return out;
}
} // namespace

QString ChineseCapitalAmount(Money amount)
{
    const std::int64_t cents = amount.cents();
    const std::uint64_t abs = cents < 0 ? std::uint64_t(-(cents + 1)) + 1 : std::uint64_t(cents);
    const std::uint64_t yuan = abs / 100;
    const int jiao = int(abs / 10 % 10);
    const int fen = int(abs % 10);
    QString out = cents < 0 ? QStringLiteral("负") : QString();
    if (abs == 0)
        return QStringLiteral("零元整");
    if (yuan > 0) {
        out += integerPart(yuan) + QStringLiteral("元");
        // a zero in the units place or in the jiao place is read before what follows
        if ((jiao != 0 && yuan % 10 == 0) || (jiao == 0 && fen != 0))
            out += Digits.at(0);
    }
    if (jiao != 0)
        out += Digits.at(jiao) + QStringLiteral("角");
    if (fen != 0)
        out += Digits.at(fen) + QStringLiteral("分");
    else
        out += QStringLiteral("整");
    return out;
}
