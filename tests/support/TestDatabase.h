#pragma once

#include "data/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh database for one test on the backend named by QUENLO_TEST_BACKEND ("sqlite", the
// default, or "postgres"): a new SQLite file in a temporary folder, or a new database on the
// private PostgreSQL test server. The one connection is opened on it; the destructor closes
// it and drops what it made.
class TestDatabase
{
public:
    TestDatabase() = default;
    ~TestDatabase();

    // Opens an empty database; false with a reason when the backend is not available.
    bool start(QString* reason);
    // start() plus the schema and the rows of a new installation.
    bool startInstalled(QString* reason, const QString& adminPassword = QStringLiteral("admin"));

    Backend backend() const { return m_backend; }
    QString folder() const { return m_dir ? m_dir->path() : QString(); }
    ConnectionSettings settings() const { return m_settings; }

    static Backend requestedBackend();

private:
    Backend m_backend = Backend::Sqlite;
    std::unique_ptr<QTemporaryDir> m_dir;
    ConnectionSettings m_settings;
    QString m_pgDatabase;
};

// In a test function: a fresh empty or installed database, or a skip (postgres not configured)
// or failure.
#define QUENLO_FRESH_DB(db)                                                                        \
    TestDatabase db;                                                                               \
    do {                                                                                           \
        QString reason_;                                                                           \
        if (!db.start(&reason_)) {                                                                 \
            if (reason_.startsWith(QLatin1String("no PostgreSQL test server")))                    \
                QSKIP(qPrintable(reason_));                                                        \
            QFAIL(qPrintable(reason_));                                                            \
        }                                                                                          \
    } while (0)

#define QUENLO_INSTALLED_DB(db)                                                                    \
    TestDatabase db;                                                                               \
    do {                                                                                           \
        QString reason_;                                                                           \
        if (!db.startInstalled(&reason_)) {                                                        \
            if (reason_.startsWith(QLatin1String("no PostgreSQL test server")))                    \
                QSKIP(qPrintable(reason_));                                                        \
            QFAIL(qPrintable(reason_));                                                            \
        }                                                                                          \
    } while (0)
