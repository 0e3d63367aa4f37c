#pragma once

#include "data/Schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <stdexcept>

// Where the one connection goes: the SQLite file js.db of the data folder (default) or a
// PostgreSQL server.
struct ConnectionSettings
{
    Backend backend = Backend::Sqlite;
    QString sqliteFile;
    QString host; // host name, or a socket folder for a local server
    int port = 5432;
    QString database;
    QString user;
    QString password;
};

// A statement failed; what() is the engine's own text.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The process's one database connection, opened at start-up and closed at exit.
namespace Database {
// Opens the connection; the SQLite file must exist and hold our schema (nothing is created
// or overwritten here). On failure the connection stays closed and error says why.
bool open(const ConnectionSettings& settings, QString* error = nullptr);
void close();
bool isOpen();
Backend backend();
QSqlDatabase connection();

// Creates every table and index of the schema and the version row on the open connection,
// inside the caller's transaction when one is open.
void createSchema();
// The schema version stored in the database, 0 when there is none.
int schemaVersion();

bool inTransaction();
void beginTransaction();
void commit();
void rollback();
} // namespace Database

// Runs a select with bound values and returns the query positioned before the first row.
// Failures throw DatabaseError.
QSqlQuery OpenQuerySql(const QString& sql, const QVariantList& values = {});
// Runs a statement with bound values; false when it failed (or there is no connection).
bool ExecQuerySql(const QString& sql, const QVariantList& values = {});
// Runs a statement with bound values and returns the rows it changed; failures throw
// DatabaseError.
int RunScratchSql(const QString& sql, const QVariantList& values = {});
// Runs an insert and returns the identity value the database assigned to `idColumn`.
qint64 InsertReturningId(const QString& sql, const QVariantList& values, const QString& idColumn);
// The first column of the first row, or a null variant when there is no row.
QVariant QueryScalar(const QString& sql, const QVariantList& values = {});

// Ends an open transaction by committing; a failed commit is rolled back and reported.
bool CommitPendingWork();
// Asks whether to store an open transaction; Yes commits, No rolls back.
void AskCommitPendingWork();

// Commits on commit(), rolls back on destruction otherwise.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    bool m_done = false;
};
