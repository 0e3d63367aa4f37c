#pragma once

#include <QString>
#include <optional>

// Operator passwords are stored as salted Argon2id hash strings; settings secrets (js.ini)
// use authenticated encryption whose printable output holds no quote, line break or NUL.
QString EncryptPassword(const QString& plain);
// True when `entered` is exactly the password `stored` was made from (case-sensitive).
bool PasswordMatches(const QString& stored, const QString& entered);

QString EncryptWithKey(const QString& plain, const QString& key);
// Nothing when `cipher` was not produced by EncryptWithKey with this key (or was altered).
std::optional<QString> DecryptWithKey(const QString& cipher, const QString& key);
