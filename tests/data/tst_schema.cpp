#include "data/Schema.h"
#include "support/TestDatabase.h"

#include <QSqlRecord>
#include <QTest>

class TestSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyTableAndColumnExists();
    void defaultsHold();
    void textOneTooLongIsRefused_data();
    void textOneTooLongIsRefused();
    void decimalOutOfRangeIsRefused();
    void identityKeysAreNeverReused();
    void namesResolveWithoutCase();
};

void TestSchema::everyTableAndColumnExists()
{
    QUENLO_INSTALLED_DB(db);
    QCOMPARE(Schema::tables().size(), 20);
    for (const auto& table : Schema::tables()) {
        const QSqlRecord rec = Database::connection().record(table.name);
        QVERIFY2(!rec.isEmpty(), qPrintable(table.name));
        QCOMPARE(rec.count(), table.columns.size());
        for (const auto& c : table.columns)
            QVERIFY2(rec.indexOf(c.name.toLower()) >= 0 || rec.indexOf(c.name) >= 0,
                     qPrintable(table.name + QLatin1Char('.') + c.name));
    }
    QCOMPARE(Database::schemaVersion(), Schema::Version);
}

void TestSchema::defaultsHold()
{
    QUENLO_INSTALLED_DB(db);
    const qint64 person =
        InsertReturningId(QStringLiteral("insert into grxx (dwid, xm) values (?, ?)"),
                          {1, QStringLiteral("张三")}, QStringLiteral("idbh"));
    QSqlQuery q = OpenQuerySql(QStringLiteral("select mzlj, mzylfylj, mzzffylj, mzylzflj, mzzffy, "
                                              "mzzfje, zylj, zyylfylj, zyzffylj, zyylzflj, "
                                              "zyzffy, zyzfje from grxx where idbh = ?"),
                               {person});
    QVERIFY(q.next());
    for (int i = 0; i < 12; ++i) {
        QVERIFY2(!q.value(i).isNull(), qPrintable(QString::number(i)));
        QCOMPARE(q.value(i).toLongLong(), 0LL);
    }
    const qint64 voucher = InsertReturningId(QStringLiteral("insert into zyzz (grbh) values (?)"),
                                             {person}, QStringLiteral("lsh"));
    q = OpenQuerySql(QStringLiteral("select sfyjs, sfycx from zyzz where lsh = ?"), {voucher});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("否"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("否"));
    const qint64 outpatient = InsertReturningId(
        QStringLiteral("insert into mzzz (grbh) values (?)"), {person}, QStringLiteral("lsh"));
    q = OpenQuerySql(QStringLiteral("select sfyjs, sfycx from mzzz where lsh = ?"), {outpatient});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("否"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("否"));
}

void TestSchema::textOneTooLongIsRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("width");
    QTest::newRow("person name") << "grxx"
                                 << "xm" << 8;
    QTest::newRow("person category") << "grxx"
                                     << "rylb" << 40;
    QTest::newRow("voucher category") << "zyzz"
                                      << "rylb" << 40;
    QTest::newRow("outpatient category") << "mzzz"
                                         << "rylb" << 40;
    QTest::newRow("unit name") << "dwxx"
                               << "dwmc" << 60;
    QTest::newRow("log text") << "czrz"
                              << "cz" << 100;
}

void TestSchema::textOneTooLongIsRefused()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, width);
    QUENLO_FRESH_DB(db);
    Database::createSchema();
    QCOMPARE(Schema::table(table)->column(column)->width, width);
    // Chinese characters count as one character each on both engines.
    const QString fits(width, QChar(0x4E2D));
    const QString sql = QStringLiteral("insert into ") + table + QStringLiteral(" (") + column +
                        QStringLiteral(") values (?)");
    QVERIFY(ExecQuerySql(sql, {fits}));
    QVERIFY(!ExecQuerySql(sql, {fits + QChar(0x4E2D)}));
}

void TestSchema::decimalOutOfRangeIsRefused()
{
    QUENLO_FRESH_DB(db);
    Database::createSchema();
    const QString sql = QStringLiteral("insert into grxx (mzlj) values (?)");
    QVERIFY(ExecQuerySql(sql, {999999999999LL}));   // 9999999999.99
    QVERIFY(!ExecQuerySql(sql, {1000000000000LL})); // one cent too much for decimal(12,2)
}

void TestSchema::identityKeysAreNeverReused()
{
    QUENLO_FRESH_DB(db);
    Database::createSchema();
    const QString ins = QStringLiteral("insert into dwxx (dwmc, dwjc) values (?, ?)");
    const qint64 a = InsertReturningId(ins, {QStringLiteral("甲"), QStringLiteral("甲")},
                                       QStringLiteral("idbh"));
    const qint64 b = InsertReturningId(ins, {QStringLiteral("乙"), QStringLiteral("乙")},
                                       QStringLiteral("idbh"));
    QCOMPARE(b, a + 1);
    RunScratchSql(QStringLiteral("delete from dwxx where idbh = ?"), {b});
    const qint64 c = InsertReturningId(ins, {QStringLiteral("丙"), QStringLiteral("丙")},
                                       QStringLiteral("idbh"));
    QCOMPARE(c, b + 1);
}

void TestSchema::namesResolveWithoutCase()
{
    QUENLO_INSTALLED_DB(db);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from GRxx")).toInt(), 0);
    QCOMPARE(QueryScalar(QStringLiteral("select ZCMC from Gdxtcs")).toString(),
             QStringLiteral("测试单位"));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
