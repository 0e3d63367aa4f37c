#include "app/OperatorContext.h"
#include "policy/DeductibleService.h"
#include "policy/RatioBandService.h"
#include "policy/YearParameterService.h"
#include "support/TestDatabase.h"

#include <QTest>

class TestPolicyTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentYear();
    void addYear_data();
    void addYear();
    void modifyYearKeepsTheYear();
    void deductibles();
    void deductibleRefusals_data();
    void deductibleRefusals();
    void ratioBands();
    void ratioBandRefusals_data();
    void ratioBandRefusals();
};

namespace {
QStringList logLines()
{
    QStringList out;
    QSqlQuery q = OpenQuerySql(QStringLiteral("select cz from czrz order by bh"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}
int count(const char* sql, const QVariantList& values = {})
{
    return QueryScalar(QString::fromUtf8(sql), values).toInt();
}
} // namespace

void TestPolicyTables::currentYear()
{
    QUENLO_INSTALLED_DB(db);
    QCOMPARE(YearParameterService::currentYear(), QStringLiteral("2026"));
    RunScratchSql(QStringLiteral("delete from gdxtcs"));
    QCOMPARE(YearParameterService::currentYear(), QString());
}

void TestPolicyTables::addYear_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("outpatient");
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("stored") << "2027"
                            << "2500.5"
                            << "50000"
                            << ""
                            << "";
    QTest::newRow("year empty") << "  "
                                << "3000"
                                << "50000"
                                << "年度不能为空，请重新输入"
                                << "xtnd";
    QTest::newRow("outpatient empty") << "2027"
                                      << " "
                                      << "50000"
                                      << "门诊支付限额不能为空，请重新输入"
                                      << "mzzfxe";
    QTest::newRow("general empty") << "2027"
                                   << "3000"
                                   << ""
                                   << "住院支付限额不能为空，请重新输入"
                                   << "zyzfxe";
    QTest::newRow("year with a point") << "20.5"
                                       << "3000"
                                       << "50000"
                                       << "保存失败，请检查输入的参数"
                                       << "";
    QTest::newRow("year stored twice") << "2026"
                                       << "3000"
                                       << "50000"
                                       << "保存失败，请检查输入的参数"
                                       << "";
    QTest::newRow("limit too long") << "2027"
                                    << "1234567"
                                    << "50000"
                                    << "保存失败，请检查输入的参数"
                                    << "";
    QTest::newRow("limit of letters") << "2027"
                                      << "abc"
                                      << "50000"
                                      << "保存失败，请检查输入的参数"
                                      << "";
}

void TestPolicyTables::addYear()
{
    QFETCH(QString, year);
    QFETCH(QString, outpatient);
    QFETCH(QString, general);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QUENLO_INSTALLED_DB(db);
    OperatorContext::current().operatorName = QStringLiteral("系统管理员");
    const auto outcome = YearParameterService::add({year, outpatient, general, {}});
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.focus, focus);
    QCOMPARE(outcome.ok, message.isEmpty());
    if (outcome.ok) {
        QSqlQuery q = OpenQuerySql(
            QStringLiteral("select mzzfxe, zyzfxe, mzbl from ndxtcs where xtnd = ?"), {2027});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), 2500.5);
        QCOMPARE(q.value(1).toDouble(), 50000.0);
        QCOMPARE(q.value(2).toDouble(), 0.0);
        QCOMPARE(logLines(), QStringList{QStringLiteral("添加年度系统：2027")});
    } else {
        QCOMPARE(count("select count(*) from ndxtcs"), 1);
        QVERIFY(logLines().isEmpty());
        if (message.startsWith(QStringLiteral("保存失败"))) {
            QCOMPARE(outcome.caption, QStringLiteral("错误信息"));
            QCOMPARE(outcome.icon, PromptIcon::Error);
        } else {
            QCOMPARE(outcome.caption, QStringLiteral("提示"));
        }
    }
}

void TestPolicyTables::modifyYearKeepsTheYear()
{
    QUENLO_INSTALLED_DB(db);
    QVERIFY(YearParameterService::modify({QStringLiteral("2026"), QStringLiteral("2500.5"),
                                          QStringLiteral("40000"), QStringLiteral("0.3")})
                .ok);
    QSqlQuery q = OpenQuerySql(QStringLiteral("select xtnd, mzzfxe, zyzfxe, mzbl from ndxtcs"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2026);
    QCOMPARE(q.value(1).toDouble(), 2500.5);
    QCOMPARE(q.value(2).toDouble(), 40000.0);
    QCOMPARE(q.value(3).toDouble(), 0.3);
    QVERIFY(!q.next());
    QCOMPARE(logLines(), QStringList{QStringLiteral("修改年度系统：2026")});
    // a year that does not exist is not created by a modification
    QVERIFY(!YearParameterService::modify(
                 {QStringLiteral("2030"), QStringLiteral("1"), QStringLiteral("1"), {}})
                 .ok);
    QCOMPARE(count("select count(*) from ndxtcs"), 1);
}

void TestPolicyTables::deductibles()
{
    QUENLO_INSTALLED_DB(db);
    QCOMPARE(DeductibleService::expenseTypes(),
             (QStringList{QStringLiteral("门诊"), QStringLiteral("住院")}));
    QVERIFY(DeductibleService::add(QStringLiteral("门诊"), QStringLiteral("300")).ok);
    QVERIFY(DeductibleService::add(QStringLiteral(" 住院 "), QStringLiteral("1000")).ok);
    QCOMPARE(count("select qfbz from qfbz where fylx = ?", {QStringLiteral("住院")}), 1000);
    const int bh = count("select bh from qfbz where fylx = ?", {QStringLiteral("门诊")});
    QVERIFY(DeductibleService::update(bh, QStringLiteral("350")).ok);
    QCOMPARE(count("select qfbz from qfbz where bh = ?", {bh}), 350);
    const auto removed = DeductibleService::remove(QStringLiteral("门诊"));
    QVERIFY(removed.ok);
    QCOMPARE(removed.message, QStringLiteral("起付标准类型删除成功"));
    QCOMPARE(count("select count(*) from qfbz"), 1);
    QVERIFY(count("select count(*) from czrz") == 0); // these screens write no log
}

void TestPolicyTables::deductibleRefusals_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("empty") << "门诊"
                           << ""
                           << "起付标准不能为空，请输入";
    QTest::newRow("second of a type") << "住院"
                                      << "500"
                                      << "已存在此种起付标准类型，请检查";
    QTest::newRow("not whole") << "门诊"
                               << "12.5"
                               << "插入数据出现错误，具体错误代码为：";
}

void TestPolicyTables::deductibleRefusals()
{
    QFETCH(QString, type);
    QFETCH(QString, amount);
    QFETCH(QString, messageStart);
    QUENLO_INSTALLED_DB(db);
    QVERIFY(DeductibleService::add(QStringLiteral("住院"), QStringLiteral("1000")).ok);
    const auto outcome = DeductibleService::add(type, amount);
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.startsWith(messageStart), qPrintable(outcome.message));
    QCOMPARE(count("select count(*) from qfbz"), 1);
    QCOMPARE(count("select qfbz from qfbz"), 1000);
}

void TestPolicyTables::ratioBands()
{
    QUENLO_INSTALLED_DB(db);
    QCOMPARE(RatioBandService::expenseTypes(),
             (QStringList{QStringLiteral("门诊"), QStringLiteral("住院")}));
    auto outcome = RatioBandService::add(QStringLiteral("住院"), QStringLiteral("5000"),
                                         QStringLiteral("0.8"));
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.message, QStringLiteral("报销比例设置成功"));
    // the same bound under another expense type is another band
    QVERIFY(
        RatioBandService::add(QStringLiteral("门诊"), QStringLiteral("5000"), QStringLiteral(".6"))
            .ok);
    QVERIFY(RatioBandService::add(QStringLiteral("住院"), QStringLiteral("20000"),
                                  QStringLiteral("0.9"))
                .ok);
    // the row dialog may give a band the bound of another: nothing stops it
    QVERIFY(RatioBandService::update(QStringLiteral("住院"), 20000, QStringLiteral("5000"),
                                     QStringLiteral("0.95"))
                .ok);
    QCOMPARE(count("select count(*) from bxbl where fylx = ? and zfje = ?",
                   {QStringLiteral("住院"), 5000}),
             2);
    outcome = RatioBandService::remove(QStringLiteral("门诊"), 5000);
    QCOMPARE(outcome.message, QStringLiteral("报销比例删除成功"));
    QCOMPARE(count("select count(*) from bxbl"), 2);
}

void TestPolicyTables::ratioBandRefusals_data()
{
    QTest::addColumn<QString>("bound");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("messageStart");
    QTest::addColumn<QString>("focus");
    QTest::newRow("bound empty") << ""
                                 << "0.8"
                                 << "医疗费用不能为空，请输入"
                                 << "zfje";
    QTest::newRow("ratio empty") << "5000"
                                 << ""
                                 << "报销比例不能为空，请输入"
                                 << "zfbl";
    QTest::newRow("existing band") << "5000"
                                   << "0.7"
                                   << "已存在此种报销类型，请检查"
                                   << "";
    QTest::newRow("bound of letters") << "abc"
                                      << "0.7"
                                      << "医疗费用必须是"
                                      << "zfje";
    QTest::newRow("ratio above one") << "8000"
                                     << "1.5"
                                     << "插入数据出现错误，具体错误代码为："
                                     << "";
}

void TestPolicyTables::ratioBandRefusals()
{
    QFETCH(QString, bound);
    QFETCH(QString, ratio);
    QFETCH(QString, messageStart);
    QFETCH(QString, focus);
    QUENLO_INSTALLED_DB(db);
    QVERIFY(
        RatioBandService::add(QStringLiteral("住院"), QStringLiteral("5000"), QStringLiteral("0.8"))
            .ok);
    const auto outcome = RatioBandService::add(QStringLiteral("住院"), bound, ratio);
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.startsWith(messageStart), qPrintable(outcome.message));
    QCOMPARE(outcome.focus, focus);
    QCOMPARE(count("select count(*) from bxbl"), 1);
}

QTEST_GUILESS_MAIN(TestPolicyTables)
#include "tst_policytables.moc"
