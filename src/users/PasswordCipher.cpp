#include "users/PasswordCipher.h"

#include <QByteArray>
#include <sodium.h>
#include <stdexcept>

namespace {
void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

// A secretbox key derived from the (trimmed) key text.
QByteArray deriveKey(const QString& key)
{
    const QByteArray k = key.trimmed().toUtf8();
    QByteArray out(crypto_secretbox_KEYBYTES, '\0');
    static const char context[] = "quenlo settings key";
    crypto_generichash(reinterpret_cast<unsigned char*>(out.data()), out.size(),
                       reinterpret_cast<const unsigned char*>(k.constData()), k.size(),
                       reinterpret_cast<const unsigned char*>(context), sizeof context - 1);
    return out;
}

constexpr auto Base64Options = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
} // namespace

QString EncryptPassword(const QString& plain)
{
    ensureSodium();
    const QByteArray pw = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, pw.constData(), pw.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool PasswordMatches(const QString& stored, const QString& entered)
{
    ensureSodium();
    const QByteArray hash = stored.trimmed().toLatin1();
    if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray pw = entered.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), pw.constData(), pw.size()) == 0;
}

QString EncryptWithKey(const QString& plain, const QString& key)
{
    ensureSodium();
    const QByteArray k = deriveKey(key);
    const QByteArray msg = plain.toUtf8();
    QByteArray box(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES + msg.size(), '\0');
    auto* nonce = reinterpret_cast<unsigned char*>(box.data());
    randombytes_buf(nonce, crypto_secretbox_NONCEBYTES);
    crypto_secretbox_easy(nonce + crypto_secretbox_NONCEBYTES,
                          reinterpret_cast<const unsigned char*>(msg.constData()), msg.size(),
                          nonce, reinterpret_cast<const unsigned char*>(k.constData()));
    return QString::fromLatin1(box.toBase64(Base64Options));
}

std::optional<QString> DecryptWithKey(const QString& cipher, const QString& key)
{
    ensureSodium();
    auto decoded = QByteArray::fromBase64Encoding(
        cipher.trimmed().toLatin1(), Base64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QByteArray box = *decoded;
    const int overhead = crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES;
    if (box.size() < overhead)
        return std::nullopt;
    const QByteArray k = deriveKey(key);
    QByteArray msg(box.size() - overhead, '\0');
    const auto* nonce = reinterpret_cast<const unsigned char*>(box.constData());
    if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(msg.data()),
                                   nonce + crypto_secretbox_NONCEBYTES,
                                   box.size() - crypto_secretbox_NONCEBYTES, nonce,
                                   reinterpret_cast<const unsigned char*>(k.constData())) != 0)
        return std::nullopt;
    return QString::fromUtf8(msg);
}
