#include "refdata/UnitService.h"

#include "data/Database.h"
#include "data/OperationLog.h"

#include <QSqlQuery>

namespace {
const QString Select = QStringLiteral("select idbh, dwmc, dwjc, dwdz, khyhmc, khyhzh, fddbr, "
                                      "frsfzhm, lxr, lxdz, lxdh, bzxx from dwxx");

QVariantList fields(const Unit& u)
{
    return {u.dwmc,    u.dwjc, u.dwdz, u.khyhmc, u.khyhzh, u.fddbr,
            u.frsfzhm, u.lxr,  u.lxdz, u.lxdh,   u.bzxx};
}

QString logLine(const char* action, qint64 idbh, const QString& name)
{
    return QStringLiteral("单位信息　") + QString::fromUtf8(action) +
           QStringLiteral("　单位编号：") + QString::number(idbh) + QStringLiteral("；单位简称：") +
           name.trimmed();
}
} // namespace

const QList<GridColumn>& UnitService::columns()
{
    static const QList<GridColumn> list{
        GridColumn::integer("idbh", "编号", 60).withFooterText("合计："),
        GridColumn::text("dwmc", "单位名称", 160).withCount(),
        GridColumn::text("dwjc", "单位简称", 100),
        GridColumn::text("dwdz", "单位地址", 160),
        GridColumn::text("khyhmc", "开户银行名称", 120),
        GridColumn::text("khyhzh", "开户银行帐号", 120),
        GridColumn::text("fddbr", "法定代表人", 80),
        GridColumn::text("frsfzhm", "法人身份证号", 130),
        GridColumn::text("lxr", "联系人", 80),
        GridColumn::text("lxdz", "联系地址", 160),
        GridColumn::text("lxdh", "联系电话", 100),
        GridColumn::text("bzxx", "备注信息", 160)};
    return list;
}

UnitService::ListQuery UnitService::all()
{
    return {Select, {}};
}

std::optional<UnitService::ListQuery> UnitService::byNumber(const QString& text)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return ListQuery{Select + QStringLiteral(" where idbh = ?"), {n}};
}

UnitService::ListQuery UnitService::byName(const QString& text)
{
    // The text is bound; its own % and _ keep their pattern meaning, as operators expect.
    return {Select + QStringLiteral(" where dwmc like ?"),
            {QStringLiteral("%") + text.trimmed() + QStringLiteral("%")}};
}

void UnitService::logOpened()
{
    WriteOperationLog(QStringLiteral("单位信息打开单位信息"));
}

std::optional<Unit> UnitService::load(qint64 idbh)
{
    QSqlQuery q = OpenQuerySql(Select + QStringLiteral(" where idbh = ?"), {idbh});
    if (!q.next())
        return std::nullopt;
    Unit u;
    u.idbh = q.value(0).toLongLong();
    QString* f[] = {&u.dwmc,    &u.dwjc, &u.dwdz, &u.khyhmc, &u.khyhzh, &u.fddbr,
                    &u.frsfzhm, &u.lxr,  &u.lxdz, &u.lxdh,   &u.bzxx};
    for (int i = 0; i < 11; ++i)
        *f[i] = q.value(i + 1).toString();
    return u;
}

qint64 UnitService::add(const Unit& unit)
{
    const qint64 id = InsertReturningId(
        QStringLiteral("insert into dwxx (dwmc, dwjc, dwdz, khyhmc, khyhzh, fddbr, frsfzhm, lxr, "
                       "lxdz, lxdh, bzxx) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        fields(unit), QStringLiteral("idbh"));
    WriteOperationLog(logLine("增加", id, unit.dwjc));
    return id;
}

void UnitService::edit(const Unit& unit)
{
    QVariantList v = fields(unit);
    v << unit.idbh;
    RunScratchSql(QStringLiteral("update dwxx set dwmc = ?, dwjc = ?, dwdz = ?, khyhmc = ?, "
                                 "khyhzh = ?, fddbr = ?, frsfzhm = ?, lxr = ?, lxdz = ?, lxdh = ?, "
                                 "bzxx = ? where idbh = ?"),
                  v);
    WriteOperationLog(logLine("修改", unit.idbh, unit.dwjc));
}

UnitService::DeleteResult UnitService::remove(qint64 idbh)
{
    if (QueryScalar(QStringLiteral("select count(*) from grxx where dwid = ?"), {idbh})
            .toLongLong() > 0)
        return DeleteResult::HasPersons;
    const QString name =
        QueryScalar(QStringLiteral("select dwmc from dwxx where idbh = ?"), {idbh}).toString();
    RunScratchSql(QStringLiteral("delete from dwxx where idbh = ?"), {idbh});
    WriteOperationLog(logLine("删除", idbh, name));
    return DeleteResult::Deleted;
}
