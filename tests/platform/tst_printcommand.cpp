#include "data/Database.h"
#include "data/Money.h"
#include "platform/ReportCapitalFigures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// quenloctl print, run as a program on a demo data folder; the PDFs are read back.
class TestPrintCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void settledVoucher();
    void templates();
    void badInput_data();
    void badInput();

private:
    int run(const QStringList& args, QString* err = nullptr);
    QString pdfText(const QString& file);
    QTemporaryDir m_dir;
    QString m_folder;
};

int TestPrintCommand::run(const QStringList& args, QString* err)
{
    QProcess p;
    p.start(QStringLiteral(QUENLO_BIN_DIR "/quenloctl"),
            QStringList{QStringLiteral("--data-dir"), m_folder} + args);
    p.waitForFinished(120000);
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QString TestPrintCommand::pdfText(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestPrintCommand::initTestCase()
{
    m_folder = m_dir.filePath(QStringLiteral("demo"));
    QString err;
    QCOMPARE(run({QStringLiteral("demo")}, &err), 0);
}

void TestPrintCommand::settledVoucher()
{
    ConnectionSettings s;
    s.sqliteFile = m_folder + QStringLiteral("/js.db");
    QVERIFY(Database::open(s));
    QSqlQuery q = OpenQuerySql(QStringLiteral("select lsh, xm, bxfy, ylfy from zyzz "
                                              "where sfyjs = ? order by bxfy desc"),
                               {QStringLiteral("是")});
    QVERIFY(q.next());
    const QString lsh = q.value(0).toString();
    const QString name = q.value(1).toString();
    const Money bxfy = Money::fromStored(q.value(2));
    const Money ylfy = Money::fromStored(q.value(3));
    Database::close();

    const QString pdf = m_dir.filePath(QStringLiteral("voucher.pdf"));
    QString err;
    QCOMPARE(run({"print", "voucher", lsh, "--out", pdf}, &err), 0);
    const QString text = pdfText(pdf);
    for (const QString& s :
         {QStringLiteral("报销单位：示范公司"), name, bxfy.toText(), ylfy.toText(),
          ChineseCapitalAmount(bxfy), QStringLiteral("流水号：") + lsh})
        QVERIFY2(text.contains(s), qPrintable(s + "\n" + text));

    // the same voucher with its lines
    const QString lines = m_dir.filePath(QStringLiteral("lines.pdf"));
    QCOMPARE(run({"print", "voucher", lsh, "--out", lines, "--template", "报销单据加明细"}, &err),
             0);
    const QString withLines = pdfText(lines);
    QVERIFY(withLines.contains(QStringLiteral("医疗费用报销明细单")));
    QVERIFY(withLines.contains(QStringLiteral("合计")));
    QVERIFY(withLines.contains(ChineseCapitalAmount(bxfy)));
}

void TestPrintCommand::templates()
{
    for (const char* name :
         {"报销单据", "报销单据加明细", "门诊单据", "门诊单据2", "历年帐户情况", "人员帐户信息"}) {
        const QString pdf = m_dir.filePath(QString::fromUtf8(name) + ".pdf");
        QString err;
        QCOMPARE(run({"print", "template", QString::fromUtf8(name), "--out", pdf}, &err), 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QVERIFY(pdfText(pdf).contains(QStringLiteral("第1页 共1页")));
    }
    QVERIFY(pdfText(m_dir.filePath("人员帐户信息.pdf")).contains("1139.50"));
}

void TestPrintCommand::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString out = QStringLiteral("x.pdf");
    QTest::newRow("no voucher") << QStringList{"print", "voucher", "99999", "--out", out} << 1
                                << "没有流水号为 99999 的报销单据";
    QTest::newRow("not a number") << QStringList{"print", "voucher", "1;drop", "--out", out} << 2
                                  << "must be a number";
    QTest::newRow("no template") << QStringList{"print", "template", "无此模板", "--out", out} << 1
                                 << "无此模板.rmf";
    QTest::newRow("no out") << QStringList{"print", "template", "报销单据"} << 2
                            << "--out FILE.pdf is required";
    QTest::newRow("other kind") << QStringList{"print", "list", "x", "--out", out} << 2
                                << "unknown kind list";
    QTest::newRow("no memo_dw") << QStringList{"print", "voucher",    "1",           "--out",
                                               out,     "--template", "人员帐户信息"}
                                << 1 << "没有对象“memo_dw”";
}

void TestPrintCommand::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    QString err;
    QCOMPARE(run(args, &err), status);
    QVERIFY2(err.contains(message), qPrintable(err));
}

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
