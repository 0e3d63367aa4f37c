#include "data/DatabaseSetup.h"

#include "app/MenuFunctions.h"
#include "data/Database.h"
#include "data/TextRoutines.h"
#include "users/PasswordCipher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DatabaseSetup::validate(const Options& o)
{
    if (o.organization.trimmed().isEmpty())
        return QStringLiteral("单位名称不能为空！");
    if (o.organization.size() >
        Schema::table(QStringLiteral("gdxtcs"))->column(QStringLiteral("zcmc"))->width)
        return QStringLiteral("单位名称过长！");
    if (o.year < 1900 || o.year > 9999)
        return QStringLiteral("当前年度必须是四位数字的年份！");
    if (o.adminPassword.trimmed().isEmpty())
        return QStringLiteral("管理员密码不能为空！");
    if (o.adminPassword.trimmed() != o.adminPassword || o.adminPassword.size() > 20)
        return QStringLiteral("管理员密码不能超过20个字符，且首尾不能有空格！");
    return {};
}

void DatabaseSetup::populate(const Options& o)
{
    Transaction t;
    Database::createSchema();
    RunScratchSql(QStringLiteral("insert into gdxtcs (xtnd, bflj, zcmc) values (?, ?, ?)"),
                  {o.year, QString(), o.organization});
    RunScratchSql(QStringLiteral("insert into ndxtcs (xtnd, mzzfxe, zyzfxe) values (?, ?, ?)"),
                  {o.year, 0.0, 0.0});
    const QString adminName = QStringLiteral("系统管理员");
    const qint64 adminId = InsertReturningId(
        QStringLiteral("insert into yh (xm, pybm, mm) values (?, ?, ?)"),
        {adminName, GetPinyinInitials(adminName).left(8), EncryptPassword(o.adminPassword)},
        QStringLiteral("idbh"));
    if (adminId != 1)
        throw DatabaseError(QStringLiteral("系统管理员的用户编号不是1"));
    for (const char* type : {"门诊", "住院"})
        RunScratchSql(QStringLiteral("insert into fylx (fylx, ms) values (?, ?)"),
                      {QString::fromUtf8(type), QString()});
    RebuildMenuFunctions();
    GrantAllMenuFunctions(1);
    t.commit();
}

bool DatabaseSetup::createDataFolder(const QString& folder, const Options& o, QString* error,
                                     void (*fill)())
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString problem = validate(o);
    if (!problem.isEmpty())
        return fail(problem);
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("无法创建数据目录：%1").arg(folder));
    const QString target = QDir(folder).filePath(QStringLiteral("js.db"));
    if (QFileInfo::exists(target))
        return fail(QStringLiteral("数据库已经存在，不会覆盖：%1").arg(target));

    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    {
        QFile f(partial);
        if (!f.open(QIODevice::WriteOnly) ||
            !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return fail(QStringLiteral("无法写入数据目录：%1").arg(f.errorString()));
    }
    QString why;
    ConnectionSettings s;
    s.sqliteFile = partial;
    bool ok = Database::open(s, &why);
    if (ok) {
        try {
            populate(o);
            if (fill)
                fill();
        } catch (const DatabaseError& e) {
            why = e.text();
            ok = false;
        }
        Database::close();
    }
    if (ok && QFileInfo::exists(target)) {
        why = QStringLiteral("数据库已经存在，不会覆盖：%1").arg(target);
        ok = false;
    }
    if (!ok || !QFile::rename(partial, target)) {
        QFile::remove(partial);
        return fail(why.isEmpty() ? QStringLiteral("无法创建数据库：%1").arg(target) : why);
    }
    return true;
}
