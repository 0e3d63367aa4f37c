#include "refdata/UnitService.h"
#include "support/TestDatabase.h"

#include <QTest>

class TestUnitService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addEditAndLog();
    void searches_data();
    void searches();
    void deleteRefusedWithPersons();
};

namespace {
QStringList logSince(qint64 bh)
{
    QStringList out;
    QSqlQuery q =
        OpenQuerySql(QStringLiteral("select cz from czrz where bh > ? order by bh"), {bh});
    while (q.next())
        out << q.value(0).toString();
    return out;
}

qint64 lastLog()
{
    return QueryScalar(QStringLiteral("select coalesce(max(bh), 0) from czrz")).toLongLong();
}

Unit unit(const QString& name, const QString& shortName)
{
    Unit u;
    u.dwmc = name;
    u.dwjc = shortName;
    u.lxdh = QStringLiteral("0571-1");
    return u;
}

int rows(const UnitService::ListQuery& q)
{
    return QueryScalar(QStringLiteral("select count(*) from (") + q.sql + QStringLiteral(") x"),
                       q.values)
        .toInt();
}
} // namespace

void TestUnitService::addEditAndLog()
{
    QUENLO_INSTALLED_DB(db);
    const qint64 before = lastLog();
    QList<qint64> ids;
    for (const char* n : {"甲厂", "乙厂", "丙厂"})
        ids << UnitService::add(
            unit(QString::fromUtf8(n), QString::fromUtf8(n) + QStringLiteral("简")));
    QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 3);
    Unit u = *UnitService::load(ids.at(1));
    QCOMPARE(u.dwmc, QStringLiteral("乙厂"));
    u.dwjc = QStringLiteral(" 新简 ");
    u.khyhzh = QStringLiteral("6222");
    UnitService::edit(u);
    QCOMPARE(UnitService::load(ids.at(1))->khyhzh, QStringLiteral("6222"));
    const QStringList log = logSince(before);
    QCOMPARE(log.size(), 4);
    QCOMPARE(log.at(0),
             QStringLiteral("单位信息　增加　单位编号：%1；单位简称：甲厂简").arg(ids.at(0)));
    QCOMPARE(log.at(2),
             QStringLiteral("单位信息　增加　单位编号：%1；单位简称：丙厂简").arg(ids.at(2)));
    QCOMPARE(log.at(3),
             QStringLiteral("单位信息　修改　单位编号：%1；单位简称：新简").arg(ids.at(1)));
}

void TestUnitService::searches_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused as not a number
    QTest::newRow("all") << "all"
                         << "" << 3;
    QTest::newRow("number") << "number"
                            << " 2 " << 1;
    QTest::newRow("number absent") << "number"
                                   << "99" << 0;
    QTest::newRow("number not numeric") << "number"
                                        << "1 or 1=1" << -1;
    QTest::newRow("name part") << "name"
                               << "机械" << 2;
    QTest::newRow("name with quote") << "name"
                                     << "O'" << 1;
}

void TestUnitService::searches()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QUENLO_INSTALLED_DB(db);
    RunScratchSql(QStringLiteral("delete from dwxx"));
    for (const char* n : {"第一机械厂", "O'Neil 公司", "第二机械厂"})
        UnitService::add(unit(QString::fromUtf8(n), QStringLiteral("简")));
    const qint64 second =
        QueryScalar(QStringLiteral("select min(idbh) from dwxx")).toLongLong() + 1;
    if (kind == QLatin1String("number") && text.trimmed() == QLatin1String("2"))
        text = QString::number(second);
    if (kind == QLatin1String("all"))
        QCOMPARE(rows(UnitService::all()), expected);
    else if (kind == QLatin1String("name"))
        QCOMPARE(rows(UnitService::byName(text)), expected);
    else {
        const auto q = UnitService::byNumber(text);
        QCOMPARE(q.has_value(), expected >= 0);
        if (q)
            QCOMPARE(rows(*q), expected);
    }
}

void TestUnitService::deleteRefusedWithPersons()
{
    QUENLO_INSTALLED_DB(db);
    const qint64 kept = UnitService::add(unit(QStringLiteral("有人单位"), QStringLiteral("有")));
    const qint64 gone = UnitService::add(unit(QStringLiteral("空单位"), QStringLiteral("空")));
    RunScratchSql(QStringLiteral("insert into grxx (dwid, xm) values (?, ?)"),
                  {kept, QStringLiteral("张三")});
    const qint64 before = lastLog();
    QCOMPARE(UnitService::remove(kept), UnitService::DeleteResult::HasPersons);
    QVERIFY(UnitService::load(kept));
    QVERIFY(logSince(before).isEmpty());
    QCOMPARE(UnitService::remove(gone), UnitService::DeleteResult::Deleted);
    QVERIFY(!UnitService::load(gone));
    QCOMPARE(
        logSince(before),
        QStringList{QStringLiteral("单位信息　删除　单位编号：%1；单位简称：空单位").arg(gone)});
}

QTEST_GUILESS_MAIN(TestUnitService)
#include "tst_unitservice.moc"
