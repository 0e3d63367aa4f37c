#include "data/Database.h"
#include "policy/ClaimCalculation.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// quenloctl calc, run as a program on a new data folder.
class TestCalcCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void calc_data();
    void calc();
    void badInput_data();
    void badInput();

private:
    int run(const QStringList& args, QString* out, QString* err);
    QTemporaryDir m_dir;
    QString m_folder;
};

int TestCalcCommand::run(const QStringList& args, QString* out, QString* err)
{
    QProcess p;
    p.start(QStringLiteral(QUENLO_BIN_DIR "/quenloctl"),
            QStringList{QStringLiteral("--data-dir"), m_folder} + args);
    p.waitForFinished(60000);
    *out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void TestCalcCommand::initTestCase()
{
    m_folder = m_dir.filePath(QStringLiteral("office"));
    QString out, err;
    QCOMPARE(
        run({"init", "--org", "某某公司", "--year", "2026", "--admin-password", "pw"}, &out, &err),
        0);
    // The stored policy: limit 8000, deductible 1000, bands (5000, 0.8) and (20000, 0.9).
    ConnectionSettings s;
    s.sqliteFile = m_folder + QStringLiteral("/js.db");
    QVERIFY(Database::open(s));
    RunScratchSql(QStringLiteral("update ndxtcs set zyzfxe = ? where xtnd = ?"), {8000.0, 2026});
    RunScratchSql(QStringLiteral("insert into qfbz (fylx, qfbz) values (?, ?)"),
                  {QStringLiteral("住院"), 1000});
    for (const auto& [bound, ratio] : {std::pair{5000, 0.8}, {20000, 0.9}})
        RunScratchSql(QStringLiteral("insert into bxbl (fylx, zfje, zfbl) values (?, ?, ?)"),
                      {QStringLiteral("住院"), bound, ratio});
    Database::close();
}

void TestCalcCommand::calc_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("output");
    const QStringList claim{"calc", "--type", "住院", "--claim", "12000"};
    QTest::newRow("every value given")
        << QStringList{"calc",       "--type", "住院",     "--claim", "12000",
                       "--previous", "2000",   "--limit",  "30000",   "--deductible",
                       "1000",       "--band", "5000:0.8", "--band",  "20000:0.9"}
        << R"({"reimbursed": 9750, "self_paid": 1250, "message": null})";
    QTest::newRow("stored policy, capped")
        << claim
        << R"({"reimbursed": 8000, "self_paid": 4000, "message": "报销已经超过限额，只能再报销：8000元"})";
    QTest::newRow("limit replaced")
        << claim + QStringList{"--limit", "30000"}
        << R"({"reimbursed": 9500, "self_paid": 1500, "message": null})";
    // one band replaces both stored ones: 4000 at 1.0, the rest of the claim counted nowhere
    QTest::newRow("bands replaced") << claim + QStringList{"--band", "5000:1"}
                                    << R"({"reimbursed": 4000, "self_paid": 0, "message": null})";
    QTest::newRow("bands sorted by bound")
        << claim + QStringList{"--limit", "30000", "--band", "20000:0.9", "--band", "5000:0.8"}
        << R"({"reimbursed": 9500, "self_paid": 1500, "message": null})";
    QTest::newRow("type without a deductible")
        << QStringList{"calc", "--type", "门诊", "--claim", "500", "--limit", "3000"}
        << R"({"reimbursed": 0, "self_paid": 0, "message": "未找到此费用类型对应的起付标准信息，请检查起付标准配置模块"})";
    // full precision: the one cent above the deductible, paid at 0.8 in double
    ClaimInput in;
    in.claim = 1000.01;
    in.policy = {8000, 1000, {{5000, 0.8}, {20000, 0.9}}};
    const ClaimResult r = calcBxje(in);
    QTest::newRow("17 significant digits")
        << QStringList{"calc", "--type", "住院", "--claim", "1000.01"}
        << QStringLiteral(R"({"reimbursed": %1, "self_paid": %2, "message": null})")
               .arg(QString::number(r.reimbursed, 'g', 17), QString::number(r.selfPaid, 'g', 17));
}

void TestCalcCommand::calc()
{
    QFETCH(QStringList, args);
    QFETCH(QString, output);
    QString out, err;
    QCOMPARE(run(args, &out, &err), 0);
    QCOMPARE(out, output);
}

void TestCalcCommand::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("error");
    QTest::newRow("letters for the claim")
        << QStringList{"calc", "--type", "住院", "--claim", "12abc"}
        << "calc: --claim expects a number, got '12abc'";
    QTest::newRow("letters for the limit")
        << QStringList{"calc", "--type", "住院", "--claim", "1", "--limit", "x"}
        << "calc: --limit expects a number, got 'x'";
    QTest::newRow("band without a colon")
        << QStringList{"calc", "--type", "住院", "--claim", "1", "--band", "5000"}
        << "calc: --band expects BOUND:RATIO";
    QTest::newRow("band ratio of letters")
        << QStringList{"calc", "--type", "住院", "--claim", "1", "--band", "5000:abc"}
        << "calc: --band expects BOUND:RATIO";
    QTest::newRow("no claim") << QStringList{"calc", "--type", "住院"}
                              << "calc: --type and --claim are required";
    QTest::newRow("option without value")
        << QStringList{"calc", "--type", "住院", "--claim"} << "calc: --claim needs a value";
    QTest::newRow("unknown option")
        << QStringList{"calc", "--type", "住院", "--claim", "1", "--ratio", "1"}
        << "calc: unknown option --ratio";
}

void TestCalcCommand::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, error);
    QString out, err;
    QCOMPARE(run(args, &out, &err), 2);
    QVERIFY2(err.contains(error), qPrintable(err));
    QVERIFY(out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCalcCommand)
#include "tst_calccommand.moc"
