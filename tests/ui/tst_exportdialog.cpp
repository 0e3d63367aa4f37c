#include "support/ScriptedPrompter.h"
#include "ui/TFrmExcelFileEdit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestExportDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chosenPath_data();
    void chosenPath();
    void blankEntriesAreRefused();
    void browseFillsTheFolder();
    void enterWalksToOkAndConfirms();
};

void TestExportDialog::chosenPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("default extension") << "单位信息"
                                       << "/tmp/out/单位信息.xlsx";
    QTest::newRow("csv kept") << "list.csv"
                              << "/tmp/out/list.csv";
    QTest::newRow("xlsx kept") << "list.XLSX"
                               << "/tmp/out/list.XLSX";
}

void TestExportDialog::chosenPath()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    ScriptedPrompter prompter;
    TFrmExcelFileEdit d(name);
    d.folderEdit()->setText(QStringLiteral("/tmp/out/"));
    d.okButton()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.chosenPath(), path);
    QVERIFY(prompter.prompts().isEmpty());
}

void TestExportDialog::blankEntriesAreRefused()
{
    ScriptedPrompter prompter;
    TFrmExcelFileEdit d(QStringLiteral("x"));
    d.show();
    d.folderEdit()->setText(QStringLiteral("   "));
    d.okButton()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("请选择文件所在的目录！")});
    QVERIFY(d.isVisible());
}

void TestExportDialog::browseFillsTheFolder()
{
    ScriptedPrompter prompter;
    prompter.queueFolder(QStringLiteral("/tmp/chosen"));
    TFrmExcelFileEdit d(QStringLiteral("x"));
    d.browseButton()->click();
    QCOMPARE(d.folderEdit()->text(), QStringLiteral("/tmp/chosen") + QDir::separator());
    prompter.queueFolder(std::nullopt);
    d.browseButton()->click();
    QCOMPARE(d.folderEdit()->text(), QStringLiteral("/tmp/chosen") + QDir::separator());
}

void TestExportDialog::enterWalksToOkAndConfirms()
{
    ScriptedPrompter prompter;
    TFrmExcelFileEdit dialog(QStringLiteral("单位信息"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.nameEdit()->setFocus();
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.folderEdit());
    QTest::keyClicks(dialog.folderEdit(), QStringLiteral("/tmp/out/"));
    QTest::keyClick(dialog.folderEdit(), Qt::Key_Return);
    // moved on to OK without pressing any button (no folder prompt, still open)
    QCOMPARE(QApplication::focusWidget(), dialog.okButton());
    QVERIFY(prompter.prompts().isEmpty());
    QVERIFY(dialog.isVisible());
    QTest::keyClick(dialog.okButton(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenPath(), QStringLiteral("/tmp/out/单位信息.xlsx"));
}

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
