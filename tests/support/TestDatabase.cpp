#include "support/TestDatabase.h"

#include "app/DataFolder.h"
#include "data/DatabaseSetup.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {
std::atomic<int> g_counter{0};

ConnectionSettings pgServer(const QString& database)
{
    ConnectionSettings s;
    s.backend = Backend::Postgres;
    s.host = qEnvironmentVariable("QUENLO_TEST_PG_SOCKET");
    s.port = qEnvironmentVariableIntValue("QUENLO_TEST_PG_PORT");
    s.user = qEnvironmentVariable("QUENLO_TEST_PG_USER");
    s.database = database;
    return s;
}

// Runs one statement on a separate admin connection to the server's postgres database.
bool adminExec(const QString& sql, QString* error)
{
    const QString name = QStringLiteral("quenlo-test-admin");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const auto s = pgServer(QStringLiteral("postgres"));
        db.setHostName(s.host);
        db.setPort(s.port);
        db.setUserName(s.user);
        db.setDatabaseName(s.database);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok && error)
                *error = q.lastError().text();
            db.close();
        } else if (error) {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
} // namespace

Backend TestDatabase::requestedBackend()
{
    return qEnvironmentVariable("QUENLO_TEST_BACKEND") == QLatin1String("postgres")
               ? Backend::Postgres
               : Backend::Sqlite;
}

bool TestDatabase::start(QString* reason)
{
    m_backend = requestedBackend();
    m_dir = std::make_unique<QTemporaryDir>();
    DataFolder::setCurrent(m_dir->path());
    if (m_backend == Backend::Sqlite) {
        m_settings.backend = Backend::Sqlite;
        m_settings.sqliteFile = m_dir->filePath(QStringLiteral("js.db"));
        QFile f(m_settings.sqliteFile);
        if (!f.open(QIODevice::WriteOnly)) {
            *reason = f.errorString();
            return false;
        }
        f.close();
    } else {
        if (qEnvironmentVariable("QUENLO_TEST_PG_SOCKET").isEmpty()) {
            *reason = QStringLiteral("no PostgreSQL test server (QUENLO_TEST_PG_SOCKET unset)");
            if (qEnvironmentVariableIsSet("QUENLO_TEST_REQUIRE_PG"))
                reason->prepend(QStringLiteral("required: "));
            return false;
        }
        m_pgDatabase =
            QStringLiteral("quenlo_t_%1_%2_%3")
                .arg(QCoreApplication::applicationName().toLower().remove(QLatin1Char('-')))
                .arg(QCoreApplication::applicationPid())
                .arg(++g_counter);
        QString err;
        adminExec(QStringLiteral("drop database if exists ") + m_pgDatabase, nullptr);
        if (!adminExec(QStringLiteral("create database ") + m_pgDatabase, &err)) {
            *reason = QStringLiteral("cannot create test database: ") + err;
            m_pgDatabase.clear();
            return false;
        }
        m_settings = pgServer(m_pgDatabase);
    }
    QString err;
    if (!Database::open(m_settings, &err)) {
        *reason = err;
        return false;
    }
    return true;
}

bool TestDatabase::startInstalled(QString* reason, const QString& adminPassword)
{
    if (!start(reason))
        return false;
    try {
        DatabaseSetup::populate({QStringLiteral("测试单位"), 2026, adminPassword});
    } catch (const DatabaseError& e) {
        *reason = e.text();
        return false;
    }
    return true;
}

TestDatabase::~TestDatabase()
{
    Database::close();
    if (!m_pgDatabase.isEmpty())
        adminExec(QStringLiteral("drop database if exists ") + m_pgDatabase, nullptr);
}
