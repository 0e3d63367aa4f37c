#include "data/TextRoutines.h"

#include <QDir>
#include <QHostInfo>
#include <QNetworkInterface>
#include <cctype>
#include <iconv.h>
#include <memory>
#include <mutex>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace {
struct Range
{
    unsigned from;
    unsigned to;
    char initial;
};

// GB2312 level-1 characters are ordered by pinyin; each range gives one initial.
constexpr Range Level1[] = {
    {0xB0A1, 0xB0C4, 'a'}, {0xB0C5, 0xB2C0, 'b'}, {0xB2C1, 0xB4ED, 'c'}, {0xB4EE, 0xB6E9, 'd'},
    {0xB6EA, 0xB7A1, 'e'}, {0xB7A2, 0xB8C0, 'f'}, {0xB8C1, 0xB9FD, 'g'}, {0xB9FE, 0xBBF6, 'h'},
    {0xBBF7, 0xBFA5, 'j'}, {0xBFA6, 0xC0AB, 'k'}, {0xC0AC, 0xC2E7, 'l'}, {0xC2E8, 0xC4C2, 'm'},
    {0xC4C3, 0xC5B5, 'n'}, {0xC5B6, 0xC5BD, 'o'}, {0xC5BE, 0xC6D9, 'p'}, {0xC6DA, 0xC8BA, 'q'},
    {0xC8BB, 0xC8F5, 'r'}, {0xC8F6, 0xCBF9, 's'}, {0xCBFA, 0xCDD9, 't'}, {0xCDDA, 0xCEF3, 'w'},
    {0xCEF4, 0xD1B8, 'x'}, {0xD1B9, 0xD4D0, 'y'}, {0xD4D1, 0xD7F9, 'z'},
};

// The GB2312 code of one character (first byte * 256 + second), 0 when it has none.
unsigned gb2312Code(const QString& ch)
{
    static std::mutex m;
    static iconv_t cd = iconv_open("GB2312", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0;
    QByteArray in = ch.toUtf8();
    char out[8];
    char* inp = in.data();
    size_t inLeft = in.size();
    char* outp = out;
    size_t outLeft = sizeof out;
    std::lock_guard lock(m);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1))
        return 0;
    if (outp - out != 2)
        return 0;
    return (unsigned(uchar(out[0])) << 8) | uchar(out[1]);
}

char level1Initial(unsigned code)
{
    for (const auto& r : Level1)
        if (code >= r.from && code <= r.to)
            return r.initial;
    return 0;
}

char transliteratedInitial(char32_t cp)
{
    static std::mutex m;
    static std::unique_ptr<icu::Transliterator> t = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> tr(
            icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(tr) : nullptr;
    }();
    if (!t)
        return 0;
    icu::UnicodeString s(static_cast<UChar32>(cp));
    {
        std::lock_guard lock(m);
        t->transliterate(s);
    }
    for (int i = 0; i < s.length(); ++i) {
        const UChar c = s.charAt(i);
        if (c < 128 && std::isalpha(c))
            return char(std::tolower(c));
    }
    return 0;
}
} // namespace

QString GetPinyinInitials(const QString& text)
{
    QString t = text;
    t.remove(QStringLiteral("   "));
    QString out;
    for (char32_t cp : t.toUcs4()) {
        if (cp < 128) {
            const char c = char(cp);
            if (std::isalnum(static_cast<unsigned char>(c)))
                out += QLatin1Char(char(std::tolower(c)));
            continue;
        }
        const QString ch = QString::fromUcs4(&cp, 1);
        char initial = level1Initial(gb2312Code(ch));
        if (!initial && u_hasBinaryProperty(UChar32(cp), UCHAR_IDEOGRAPHIC))
            initial = transliteratedInitial(cp);
        if (initial)
            out += QLatin1Char(initial);
    }
    return out;
}

std::optional<Money> RoundMoneyText(const QString& text)
{
    return Money::fromText(text);
}

QString WithTrailingBackslash(const QString& text)
{
    QString t = text;
    auto blankOrControl = [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control;
    };
    while (!t.isEmpty() && blankOrControl(t.front()))
        t.remove(0, 1);
    while (!t.isEmpty() && blankOrControl(t.back()))
        t.chop(1);
    const QChar sep = QDir::separator();
    if (!t.endsWith(sep))
        t += sep;
    return t;
}

bool GetLocalIPv4(QString& address)
{
    // The host name's own addresses first, as the name resolves; then any interface.
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    QList<QHostAddress> candidates = info.addresses();
    candidates += QNetworkInterface::allAddresses();
    for (const QHostAddress& a : candidates) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) {
            address = a.toString();
            return true;
        }
    }
    return false;
}
