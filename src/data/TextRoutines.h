#pragma once

#include "data/Money.h"

#include <QString>
#include <optional>

// Lower-case pinyin initials of a text: one letter per Chinese character (the GB2312 level-1
// table for the characters it covers, the Han-Latin transliteration for every other one),
// ASCII letters and digits kept in lower case, everything else dropped. "张三" gives "zs".
QString GetPinyinInitials(const QString& text);
// The number in the text rounded to two decimals, halves away from zero; nothing when the text
// is not a number.
std::optional<Money> RoundMoneyText(const QString& text);
// Trims blanks and control characters at both ends and appends the platform's separator
// unless the text already ends with one.
QString WithTrailingBackslash(const QString& text);
// The host's first non-loopback IPv4 address as "a.b.c.d"; false and `address` unchanged
// when there is none.
bool GetLocalIPv4(QString& address);
