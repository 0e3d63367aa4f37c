#include "data/Database.h"

#include "platform/Prompter.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>

namespace {
const QString ConnectionName = QStringLiteral("quenlo");
Backend g_backend = Backend::Sqlite;
int g_transactionDepth = 0;

QString errorText(const QSqlError& e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    return t;
}

// Runs a statement, prepared with its bound values when it has any (PostgreSQL cannot
// prepare DDL, so statements without values run directly). Failures throw.
QSqlQuery run(const QString& sql, const QVariantList& values)
{
    QSqlDatabase db = Database::connection();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("数据库未连接"));
    QSqlQuery q(db);
    // Forward-only on PostgreSQL streams rows in single-row mode, which breaks as soon as a
    // second statement runs while the first is still being read; there the whole result is
    // fetched at once instead.
    q.setForwardOnly(g_backend == Backend::Sqlite);
    bool ok;
    if (values.isEmpty()) {
        ok = q.exec(sql);
    } else {
        if (!q.prepare(sql))
            throw DatabaseError(errorText(q.lastError()));
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        ok = q.exec();
    }
    if (!ok)
        throw DatabaseError(errorText(q.lastError()));
    return q;
}
} // namespace

bool Database::open(const ConnectionSettings& s, QString* error)
{
    close();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        close();
        return false;
    };
    QSqlDatabase db;
    if (s.backend == Backend::Sqlite) {
        const QFileInfo fi(s.sqliteFile);
        if (!fi.exists())
            return fail(QStringLiteral("数据库文件不存在：%1").arg(s.sqliteFile));
        if (!fi.isFile() || !fi.isReadable())
            return fail(QStringLiteral("数据库文件无法读取：%1").arg(s.sqliteFile));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
        db.setDatabaseName(s.sqliteFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ConnectionName);
        db.setHostName(s.host);
        db.setPort(s.port);
        db.setDatabaseName(s.database);
        db.setUserName(s.user);
        db.setPassword(s.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (!db.open())
        return fail(errorText(db.lastError()));
    g_backend = s.backend;
    g_transactionDepth = 0;
    if (s.backend == Backend::Sqlite) {
        // A file that is not a database fails here, before anything is written to it.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("select count(*) from sqlite_master")))
            return fail(errorText(q.lastError()));
    }
    return true;
}

void Database::close()
{
    if (QSqlDatabase::contains(ConnectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(ConnectionName);
    }
    g_transactionDepth = 0;
}

bool Database::isOpen()
{
    return QSqlDatabase::contains(ConnectionName) &&
           QSqlDatabase::database(ConnectionName, false).isOpen();
}

Backend Database::backend()
{
    return g_backend;
}

QSqlDatabase Database::connection()
{
    return QSqlDatabase::database(ConnectionName, false);
}

void Database::createSchema()
{
    for (const QString& sql : Schema::createStatements(g_backend))
        RunScratchSql(sql);
    RunScratchSql(QStringLiteral("insert into schema_version (version) values (?)"),
                  {Schema::Version});
}

int Database::schemaVersion()
{
    try {
        return QueryScalar(QStringLiteral("select max(version) from schema_version")).toInt();
    } catch (const DatabaseError&) {
        return 0;
    }
}

bool Database::inTransaction()
{
    return g_transactionDepth > 0;
}

void Database::beginTransaction()
{
    QSqlDatabase db = connection();
    if (!db.isOpen())
        throw DatabaseError(QStringLiteral("数据库未连接"));
    if (!db.transaction())
        throw DatabaseError(errorText(db.lastError()));
    g_transactionDepth = 1;
}

void Database::commit()
{
    QSqlDatabase db = connection();
    g_transactionDepth = 0;
    if (!db.commit()) {
        const QString why = errorText(db.lastError());
        db.rollback();
        throw DatabaseError(why);
    }
}

void Database::rollback()
{
    if (g_transactionDepth == 0)
        return;
    g_transactionDepth = 0;
    connection().rollback();
}

QSqlQuery OpenQuerySql(const QString& sql, const QVariantList& values)
{
    return run(sql, values);
}

bool ExecQuerySql(const QString& sql, const QVariantList& values)
{
    if (!Database::isOpen())
        return false;
    try {
        run(sql, values);
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

int RunScratchSql(const QString& sql, const QVariantList& values)
{
    return run(sql, values).numRowsAffected();
}

qint64 InsertReturningId(const QString& sql, const QVariantList& values, const QString& idColumn)
{
    // Both engines return the assigned key from the insert itself.
    QSqlQuery q = run(sql + QStringLiteral(" returning ") + idColumn, values);
    if (!q.next())
        throw DatabaseError(QStringLiteral("插入记录后未返回编号"));
    return q.value(0).toLongLong();
}

QVariant QueryScalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery q = OpenQuerySql(sql, values);
    if (!q.next())
        return {};
    return q.value(0);
}

bool CommitPendingWork()
{
    if (!Database::inTransaction())
        return true;
    try {
        Database::commit();
        return true;
    } catch (const DatabaseError&) {
        Database::rollback();
        ShowMessageBox(QStringLiteral("向数据库提交数据时发生错误，本次操作取消！"),
                       QStringLiteral("提示信息"), PromptIcon::Information);
        return false;
    }
}

void AskCommitPendingWork()
{
    if (!Database::inTransaction())
        return;
    const auto answer = ShowMessageBox(
        QStringLiteral("本次对原有数据所作的修改还未存入数据库中，现在存入吗？"),
        QStringLiteral("提示"), PromptIcon::Question, PromptButton::Yes | PromptButton::No);
    if (answer == PromptButton::Yes) {
        if (CommitPendingWork())
            ShowMessageBox(QStringLiteral("提交数据成功！"), QString(), PromptIcon::None);
    } else {
        Database::rollback();
    }
}

Transaction::Transaction()
{
    Database::beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        Database::rollback();
}

void Transaction::commit()
{
    m_done = true;
    Database::commit();
}
