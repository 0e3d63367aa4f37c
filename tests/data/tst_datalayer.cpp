#include "app/MenuCatalog.h"
#include "app/OperatorContext.h"
#include "data/Clock.h"
#include "data/OperationLog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "users/PasswordCipher.h"

#include <QTest>

class TestDataLayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 6))); }
    void cleanup() { Clock::install(nullptr); }

    void installationRows();
    void failureInTransactionRollsBack();
    void valuesAreBoundLiterally();
    void operationLog_data();
    void operationLog();
    void operationLogWithoutConnectionIsSilent();
    void askCommitPendingWork_data();
    void askCommitPendingWork();
};

void TestDataLayer::installationRows()
{
    QUENLO_INSTALLED_DB(db);
    QSqlQuery q = OpenQuerySql(QStringLiteral("select xtnd, zcmc, bflj from gdxtcs"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2026);
    QCOMPARE(q.value(1).toString(), QStringLiteral("测试单位"));
    QVERIFY(q.value(2).toString().isEmpty());
    QVERIFY(!q.next());
    QCOMPARE(
        QueryScalar(QStringLiteral("select count(*) from ndxtcs where xtnd = ?"), {2026}).toInt(),
        1);
    q = OpenQuerySql(QStringLiteral("select idbh, xm, mm from yh"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    QCOMPARE(q.value(1).toString(), QStringLiteral("系统管理员"));
    QVERIFY(PasswordMatches(q.value(2).toString(), QStringLiteral("admin")));
    QVERIFY(!q.next());
    q = OpenQuerySql(QStringLiteral("select fylx from fylx order by bh"));
    QStringList types;
    while (q.next())
        types << q.value(0).toString();
    QCOMPARE(types, (QStringList{QStringLiteral("门诊"), QStringLiteral("住院")}));

    // gn numbered 1, 2, 3 ... in menu order, every function granted to operator 1
    int expected = 0;
    for (const auto& top : MenuCatalog::mainMenu())
        expected += top.items.size();
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from gn")).toInt(), expected);
    QCOMPARE(QueryScalar(QStringLiteral("select max(bh) from gn")).toInt(), expected);
    q = OpenQuerySql(
        QStringLiteral("select bh, mk, cd, mkms, cdms from gn where bh <= 3 order by bh"));
    const QStringList want[] = {
        {QStringLiteral("1"), QStringLiteral("N1"), QStringLiteral("M_XtcsGdxtcs"),
         QStringLiteral("系统参数"), QStringLiteral("当前年度")},
        {QStringLiteral("2"), QStringLiteral("N1"), QStringLiteral("M_XtcsNdxtcs"),
         QStringLiteral("系统参数"), QStringLiteral("年度设置")},
        {QStringLiteral("3"), QStringLiteral("N1"), QStringLiteral("N38"),
         QStringLiteral("系统参数"), QStringLiteral("-")},
    };
    for (const auto& row : want) {
        QVERIFY(q.next());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(q.value(i).toString(), row.at(i));
    }
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from yhgn where yhbh = 1")).toInt(),
             expected);
}

void TestDataLayer::failureInTransactionRollsBack()
{
    QUENLO_INSTALLED_DB(db);
    bool thrown = false;
    try {
        Transaction t;
        RunScratchSql(QStringLiteral("insert into dwxx (dwmc, dwjc) values (?, ?)"),
                      {QStringLiteral("甲单位"), QStringLiteral("甲")});
        // one character too long: the whole change is refused
        RunScratchSql(QStringLiteral("insert into dwxx (dwmc, dwjc) values (?, ?)"),
                      {QStringLiteral("乙单位"), QString(21, QLatin1Char('x'))});
        t.commit();
    } catch (const DatabaseError& e) {
        thrown = true;
        QVERIFY(!e.text().isEmpty());
    }
    QVERIFY(thrown);
    QVERIFY(!Database::inTransaction());
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from dwxx")).toInt(), 0);
}

void TestDataLayer::valuesAreBoundLiterally()
{
    QUENLO_INSTALLED_DB(db);
    const QString tricky = QStringLiteral("O'Brien %_\\ ; drop");
    RunScratchSql(QStringLiteral("insert into dwxx (dwmc, dwjc) values (?, ?)"),
                  {tricky, QStringLiteral("x")});
    QCOMPARE(
        QueryScalar(QStringLiteral("select dwmc from dwxx where dwmc = ?"), {tricky}).toString(),
        tricky);
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from dwxx where dwmc = ?"),
                         {QStringLiteral("O'Brien")})
                 .toInt(),
             0);
}

void TestDataLayer::operationLog_data()
{
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "系统管理员"
                           << "系统管理员登陆系统"
                           << "系统管理员登陆系统";
    QTest::newRow("apostrophe") << "O'Neil"
                                << "删除单位'甲'"
                                << "删除单位'甲'";
    const QString longText(150, QChar(0x6587));
    QTest::newRow("150 characters") << "张三" << longText << longText.left(100);
}

void TestDataLayer::operationLog()
{
    QFETCH(QString, operatorName);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QUENLO_INSTALLED_DB(db);
    OperatorContext::current().operatorName = operatorName;
    WriteOperationLog(text);
    QSqlQuery q = OpenQuerySql(QStringLiteral("select czy, sj, cz from czrz"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), operatorName);
    QCOMPARE(q.value(1).toString(), QStringLiteral("2026-03-04 09:05:06"));
    QCOMPARE(q.value(2).toString(), stored);
    QVERIFY(!q.next());
}

void TestDataLayer::operationLogWithoutConnectionIsSilent()
{
    Database::close();
    WriteOperationLog(QStringLiteral("无连接"));
    QVERIFY(!Database::isOpen());
}

void TestDataLayer::askCommitPendingWork_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("texts");
    const QString question =
        QStringLiteral("本次对原有数据所作的修改还未存入数据库中，现在存入吗？");
    QTest::newRow("yes stores") << int(PromptButton::Yes) << 1
                                << QStringList{question, QStringLiteral("提交数据成功！")};
    QTest::newRow("no rolls back") << int(PromptButton::No) << 0 << QStringList{question};
}

void TestDataLayer::askCommitPendingWork()
{
    QFETCH(int, answer);
    QFETCH(int, rows);
    QFETCH(QStringList, texts);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    AskCommitPendingWork(); // nothing open: nothing asked
    QVERIFY(prompter.prompts().isEmpty());
    Database::beginTransaction();
    RunScratchSql(QStringLiteral("insert into rylb (rylb) values (?)"), {QStringLiteral("在职")});
    prompter.queueAnswer(PromptButton(answer));
    AskCommitPendingWork();
    QCOMPARE(prompter.texts(), texts);
    QCOMPARE(prompter.prompts().first().caption, QStringLiteral("提示"));
    QCOMPARE(prompter.prompts().first().icon, PromptIcon::Question);
    QVERIFY(!Database::inTransaction());
    QCOMPARE(QueryScalar(QStringLiteral("select count(*) from rylb")).toInt(), rows);
    QVERIFY(CommitPendingWork());
}

QTEST_GUILESS_MAIN(TestDataLayer)
#include "tst_datalayer.moc"
