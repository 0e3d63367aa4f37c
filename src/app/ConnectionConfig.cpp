#include "app/ConnectionConfig.h"

#include "app/DataFolder.h"
#include "users/PasswordCipher.h"

#include <QSettings>

namespace {
const QString Section = QStringLiteral("Databaselogin/");

QString value(QSettings& ini, const char* key, const QString& fallback = QString())
{
    const QString v = ini.value(Section + QString::fromLatin1(key)).toString().trimmed();
    return v.isEmpty() ? fallback : v;
}

QString decipher(const QString& stored)
{
    if (stored.isEmpty())
        return {};
    return DecryptWithKey(stored, ConnectionConfig::secretKey()).value_or(QString());
}
} // namespace

QString ConnectionConfig::secretKey()
{
    return QStringLiteral("kol_5863");
}

ConnectionSettings ConnectionConfig::load()
{
    ConnectionSettings s;
    s.sqliteFile = DataFolder::databaseFile();
    QSettings ini(DataFolder::filePath(QStringLiteral("js.ini")), QSettings::IniFormat);
    s.host = value(ini, "ServerName/ip", QStringLiteral("localhost"));
    s.port = value(ini, "Port", QStringLiteral("5432")).toInt();
    s.database = value(ini, "Catalog", QStringLiteral("js"));
    const QString user = value(ini, "User ID");
    s.user = user.isEmpty() ? QStringLiteral("postgres") : decipher(user);
    s.password = decipher(value(ini, "Password"));
    if (value(ini, "Backend").compare(QLatin1String("postgres"), Qt::CaseInsensitive) == 0)
        s.backend = Backend::Postgres;
    return s;
}

bool ConnectionConfig::save(const ConnectionSettings& s)
{
    QSettings ini(DataFolder::filePath(QStringLiteral("js.ini")), QSettings::IniFormat);
    ini.setValue(Section + QStringLiteral("ServerName/ip"), s.host.trimmed());
    ini.setValue(Section + QStringLiteral("Port"), s.port);
    ini.setValue(Section + QStringLiteral("User ID"),
                 EncryptWithKey(s.user.trimmed(), secretKey()));
    ini.setValue(Section + QStringLiteral("Password"),
                 EncryptWithKey(s.password.trimmed(), secretKey()));
    ini.setValue(Section + QStringLiteral("Catalog"), s.database.trimmed());
    ini.setValue(Section + QStringLiteral("Backend"), s.backend == Backend::Postgres
                                                          ? QStringLiteral("postgres")
                                                          : QStringLiteral("sqlite"));
    ini.sync();
    return ini.status() == QSettings::NoError;
}
