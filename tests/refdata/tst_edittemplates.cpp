#include "data/Database.h"
#include "platform/EditRecord.h"
#include "refdata/ui/TFrmTemplateEdit.h"
#include "refdata/ui/TFrmTemplateEditDialog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"
#include "ui/DataGrid.h"
#include "ui/RecordBinder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The columns the test dialog edits, in tab order; bzxx is a memo, khyhmc an editable combo.
const QStringList Fields = {QStringLiteral("dwmc"), QStringLiteral("dwjc"), QStringLiteral("lxr"),
                            QStringLiteral("bzxx"), QStringLiteral("khyhmc")};

// Writes a unit row with bound values, as a unit service would.
void postUnit(EditRecord& r)
{
    QVariantList values;
    for (const QString& f : Fields)
        values << r.text(f);
    if (r.state() == EditRecord::State::Insert) {
        const qint64 id = InsertReturningId(
            QStringLiteral("insert into dwxx(dwmc,dwjc,lxr,bzxx,khyhmc) values(?,?,?,?,?)"), values,
            QStringLiteral("idbh"));
        r.setValue(QStringLiteral("idbh"), id);
    } else {
        values << r.value(QStringLiteral("idbh"));
        RunScratchSql(QStringLiteral("update dwxx set dwmc=?,dwjc=?,lxr=?,bzxx=?,khyhmc=? "
                                     "where idbh=?"),
                      values);
    }
}

// A unit editor derived from the template the way a screen derives it. Design limits that
// differ from the column widths show that the column width wins.
class UnitEntryDialog : public TFrmTemplateEditDialog
{
public:
    explicit UnitEntryDialog(bool withFirst = true) : record(QStringLiteral("dwxx"))
    {
        setWindowTitle(QStringLiteral("单位"));
        record.setPoster(postUnit);
        auto* binder = new RecordBinder(&record, this);
        auto* layout = new QVBoxLayout(clientArea());
        for (const QString& f : Fields) {
            QWidget* w = nullptr;
            if (f == QLatin1String("bzxx")) {
                auto* memo = new QPlainTextEdit(clientArea());
                binder->bind(memo, f);
                w = memo;
            } else if (f == QLatin1String("khyhmc")) {
                auto* combo = new QComboBox(clientArea());
                combo->setEditable(true);
                combo->addItems({QStringLiteral("工商银行"), QStringLiteral("农业银行")});
                binder->bind(combo, f);
                w = combo;
            } else {
                auto* edit = new QLineEdit(clientArea());
                edit->setMaxLength(f == QLatin1String("lxr") ? 5 : 80);
                binder->bind(edit, f);
                w = edit;
            }
            w->setObjectName(f);
            layout->addWidget(w);
        }
        if (withFirst)
            setFirstControl(control(QStringLiteral("dwmc")));
    }
    QWidget* control(const QString& f) const { return clientArea()->findChild<QWidget*>(f); }
    QLineEdit* edit(const QString& f) const { return clientArea()->findChild<QLineEdit*>(f); }
    QPlainTextEdit* memo() const { return clientArea()->findChild<QPlainTextEdit*>("bzxx"); }

    EditRecord record;
};

int unitCount()
{
    return QueryScalar(QStringLiteral("select count(*) from dwxx")).toInt();
}

// Opens the dialog on a new row, as a list screen does before showing it.
void openForEntry(UnitEntryDialog& dlg)
{
    dlg.record.append();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget(), dlg.control(QStringLiteral("dwmc")));
}
} // namespace

class TestEditTemplates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void enterMovesOn_data();
    void enterMovesOn();
    void lengthsCapped_data();
    void lengthsCapped();
    void cancelStartsANewRow();
    void editsAStoredRow();
    void failedPostKeepsTheRow();
    void closeEventIgnored();
    void unusableFirstControl_data();
    void unusableFirstControl();
    void buttonPanelLayout();
    void listTemplate();
};

void TestEditTemplates::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("rows");      // units stored afterwards
    QTest::addColumn<bool>("open");     // dialog still shown
    QTest::addColumn<QString>("shown"); // dwmc's text afterwards
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+S saves and starts the next")
        << int(Qt::Key_S) << ctrl << 1 << true << QString();
    QTest::newRow("Ctrl+Shift+S does nothing")
        << int(Qt::Key_S) << (ctrl | Qt::ShiftModifier) << 0 << true << QStringLiteral("Acme");
    QTest::newRow("Ctrl+Alt+S does nothing")
        << int(Qt::Key_S) << (ctrl | Qt::AltModifier) << 0 << true << QStringLiteral("Acme");
    QTest::newRow("Ctrl+Z undoes the entry") << int(Qt::Key_Z) << ctrl << 0 << true << QString();
    QTest::newRow("Ctrl+Q closes") << int(Qt::Key_Q) << ctrl << 0 << false << QString();
    QTest::newRow("Esc closes") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << 0 << false
                                << QString();
}

void TestEditTemplates::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, rows);
    QFETCH(bool, open);
    QFETCH(QString, shown);
    QUENLO_INSTALLED_DB(db);
    RunScratchSql(QStringLiteral("delete from dwxx"));
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QTest::keyClicks(dlg.edit(QStringLiteral("dwmc")), QStringLiteral("Acme"));
    // The key comes while the operator is still typing in the second field.
    QLineEdit* half = dlg.edit(QStringLiteral("dwjc"));
    half->setFocus();
    QTest::keyClicks(half, QStringLiteral("AC"));
    QTest::keyClick(half, Qt::Key(key), modifiers);

    QCOMPARE(unitCount(), rows);
    if (rows) {
        QSqlQuery q = OpenQuerySql(QStringLiteral("select dwmc, dwjc from dwxx"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Acme"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("AC"));
    }
    QCOMPARE(dlg.isVisible(), open);
    QCOMPARE(dlg.edit(QStringLiteral("dwmc"))->text(), shown);
    // Open, the dialog is always on a row being added; closed, nothing is left half edited.
    QCOMPARE(dlg.record.state(), open ? EditRecord::State::Insert : EditRecord::State::Browse);
    if (!open)
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(prompter.prompts().isEmpty());
}

void TestEditTemplates::enterMovesOn_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("memoText");
    QTest::newRow("Enter in an edit") << "dwmc" << Qt::KeyboardModifiers() << "dwjc"
                                      << "";
    QTest::newRow("Enter in the memo") << "bzxx" << Qt::KeyboardModifiers() << "bzxx"
                                       << "a\n";
    QTest::newRow("Ctrl+Enter leaves the memo")
        << "bzxx" << Qt::KeyboardModifiers(Qt::ControlModifier) << "khyhmc"
        << "a";
    QTest::newRow("Enter in the last field goes to the buttons")
        << "khyhmc" << Qt::KeyboardModifiers() << "BtnPost"
        << "";
}

void TestEditTemplates::enterMovesOn()
{
    QFETCH(QString, from);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, to);
    QFETCH(QString, memoText);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QWidget* w = dlg.control(from);
    w->setFocus();
    if (from == QLatin1String("bzxx"))
        QTest::keyClicks(w, QStringLiteral("a"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, modifiers);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(dlg.memo()->toPlainText(), memoText);
    QCOMPARE(dlg.record.text(QStringLiteral("bzxx")), memoText);
    QCOMPARE(unitCount(), 0);
}

void TestEditTemplates::lengthsCapped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("width");
    QTest::newRow("design 80, column 60") << "dwmc" << 60;
    QTest::newRow("design 5, column 8") << "lxr" << 8;
    QTest::newRow("memo, column 200") << "bzxx" << 200;
    QTest::newRow("combo, column 40") << "khyhmc" << 40;
}

void TestEditTemplates::lengthsCapped()
{
    QFETCH(QString, field);
    QFETCH(int, width);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QWidget* w = dlg.control(field);
    w->setFocus();
    QWidget* target = w;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        target = combo->lineEdit();
    QTest::keyClicks(target, QString(width + 5, QLatin1Char('x')));
    QCOMPARE(dlg.record.text(field), QString(width, QLatin1Char('x')));
    if (field == QLatin1String("bzxx")) {
        // Text pasted in the middle of a full memo is cut, the text around it stays.
        dlg.memo()->clear();
        QTest::keyClicks(dlg.memo(), QString(width - 2, QLatin1Char('a')) + QStringLiteral("zz"));
        QTextCursor c = dlg.memo()->textCursor();
        c.setPosition(1);
        dlg.memo()->setTextCursor(c);
        dlg.memo()->insertPlainText(QStringLiteral("123"));
        QCOMPARE(dlg.record.text(field),
                 QString(width - 2, QLatin1Char('a')) + QStringLiteral("zz"));
    }
    // What fits is stored in full.
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(prompter.texts(), QStringList());
    QCOMPARE(QueryScalar(QStringLiteral("select length(%1) from dwxx").arg(field)).toInt(), width);
}

void TestEditTemplates::cancelStartsANewRow()
{
    QUENLO_INSTALLED_DB(db);
    RunScratchSql(QStringLiteral("delete from dwxx"));
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QLineEdit* name = dlg.edit(QStringLiteral("dwmc"));
    QTest::keyClicks(name, QStringLiteral("First"));
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClicks(name, QStringLiteral("Typo"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    // The undone entry starts again on an empty new row, not on the row saved before it.
    QCOMPARE(dlg.record.state(), EditRecord::State::Insert);
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("Second"));
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QSqlQuery q = OpenQuerySql(QStringLiteral("select dwmc from dwxx order by idbh"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    QCOMPARE(names, (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
}

void TestEditTemplates::editsAStoredRow()
{
    QUENLO_INSTALLED_DB(db);
    RunScratchSql(QStringLiteral("delete from dwxx"));
    ScriptedPrompter prompter;
    const qint64 id = InsertReturningId(
        QStringLiteral("insert into dwxx(dwmc,dwjc,bzxx) values(?,?,?)"),
        {QStringLiteral("Old"), QStringLiteral("O"), QStringLiteral("line 1\nline 2")},
        QStringLiteral("idbh"));
    UnitEntryDialog dlg;
    dlg.record.load({{QStringLiteral("idbh"), id},
                     {QStringLiteral("dwmc"), QStringLiteral("Old")},
                     {QStringLiteral("dwjc"), QStringLiteral("O")},
                     {QStringLiteral("bzxx"), QStringLiteral("line 1\nline 2")}});
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(dlg.memo()->toPlainText(), QStringLiteral("line 1\nline 2"));
    // Typing into a shown row starts editing it; undoing puts the stored text back.
    QLineEdit* name = dlg.edit(QStringLiteral("dwmc"));
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(dlg.record.state(), EditRecord::State::Edit);
    QVERIFY(dlg.record.isModified());
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(dlg.record.state(), EditRecord::State::Browse);
    QCOMPARE(name->text(), QStringLiteral("Old"));
    QTest::keyClicks(name, QStringLiteral("er"));
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QueryScalar(QStringLiteral("select dwmc from dwxx where idbh=?"), {id}).toString(),
             QStringLiteral("Older"));
    QCOMPARE(unitCount(), 1); // changed in place, no row added
    QCOMPARE(dlg.record.state(), EditRecord::State::Insert);
    QCOMPARE(name->text(), QString());
}

void TestEditTemplates::failedPostKeepsTheRow()
{
    QUENLO_INSTALLED_DB(db);
    RunScratchSql(QStringLiteral("delete from dwxx"));
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QTest::keyClicks(dlg.edit(QStringLiteral("dwmc")), QStringLiteral("Acme"));
    // A value from elsewhere than the capped edit that the column refuses.
    dlg.record.setValue(QStringLiteral("lxr"), QStringLiteral("123456789"));
    QTest::keyClick(dlg.edit(QStringLiteral("dwmc")), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(prompter.prompts().size(), 1);
    const Prompt p = prompter.prompts().first();
    QVERIFY2(p.text.startsWith(TFrmTemplateEditDialog::PostFailedText), qPrintable(p.text));
    QVERIFY(p.text.size() > TFrmTemplateEditDialog::PostFailedText.size());
    QCOMPARE(p.icon, PromptIcon::Error);
    QCOMPARE(unitCount(), 0);
    QCOMPARE(dlg.record.state(), EditRecord::State::Insert);
    QCOMPARE(dlg.edit(QStringLiteral("dwmc"))->text(), QStringLiteral("Acme"));
    // Corrected, the same row is saved.
    QLineEdit* contact = dlg.edit(QStringLiteral("lxr"));
    contact->setFocus();
    contact->selectAll();
    QTest::keyClicks(contact, QStringLiteral("Li"));
    QTest::keyClick(contact, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(prompter.prompts().size(), 1);
    QCOMPARE(
        QueryScalar(QStringLiteral("select lxr from dwxx where dwmc=?"), {QStringLiteral("Acme")})
            .toString(),
        QStringLiteral("Li"));
}

void TestEditTemplates::closeEventIgnored()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QVERIFY(!(dlg.windowFlags() & Qt::WindowCloseButtonHint));
    QCloseEvent e;
    QApplication::sendEvent(&dlg, &e);
    QVERIFY(!e.isAccepted());
    QVERIFY(!dlg.close());
    QVERIFY(dlg.isVisible());
    // Esc and Enter in an open drop-down list act on the list, not on the dialog.
    auto* combo = dlg.findChild<QComboBox*>(QStringLiteral("khyhmc"));
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCOMPARE(dlg.record.text(QStringLiteral("khyhmc")), QStringLiteral("农业银行"));
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
    dlg.closeButton()->click();
    QVERIFY(!dlg.isVisible());
}

void TestEditTemplates::unusableFirstControl_data()
{
    QTest::addColumn<QString>("first");
    QTest::newRow("none") << QString();
    QTest::newRow("an unbound edit") << "unbound";
    QTest::newRow("not an editing control") << "BtnPost";
}

void TestEditTemplates::unusableFirstControl()
{
    QFETCH(QString, first);
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    UnitEntryDialog dlg(false);
    auto* unbound = new QLineEdit(dlg.clientArea());
    unbound->setObjectName(QStringLiteral("unbound"));
    if (!first.isEmpty())
        dlg.setFirstControl(dlg.findChild<QWidget*>(first));
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(prompter.texts(), QStringList{TFrmTemplateEditDialog::InitFailedText});
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.editRecord(), nullptr);
}

void TestEditTemplates::buttonPanelLayout()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    UnitEntryDialog dlg;
    openForEntry(dlg);
    QCOMPARE(dlg.size(), QSize(699, 357));
    auto* bevel = dlg.findChild<QFrame*>(QStringLiteral("Bevel1"));
    QVERIFY(bevel);
    for (const int width : {699, 900}) {
        dlg.setFixedSize(width, 357);
        QCoreApplication::processEvents();
        QFrame* panel = dlg.buttonPanel();
        QCOMPARE(panel->height(), 45);
        QCOMPARE(panel->geometry().bottom(), dlg.rect().bottom());
        QCOMPARE(panel->width() - dlg.closeButton()->geometry().right() - 1, 10);
        QCOMPARE(bevel->width(), panel->width() - 30);
    }
    QCOMPARE(dlg.postButton()->toolTip(), QStringLiteral("保存当前记录并开始录入下一条记录"));
    QCOMPARE(dlg.closeButton()->text(), QStringLiteral("关闭(&Q)"));
}

namespace {
// A list derived from the template, recording the buttons it was asked to handle.
class UnitList : public TFrmTemplateEdit
{
public:
    QList<int> tags;

protected:
    void ToolButtonClick(int tag) override
    {
        tags << tag;
        TFrmTemplateEdit::ToolButtonClick(tag);
    }
};
} // namespace

void TestEditTemplates::listTemplate()
{
    QUENLO_INSTALLED_DB(db);
    ScriptedPrompter prompter;
    RunScratchSql(QStringLiteral("insert into dwxx(dwmc,dwjc) values(?,?)"),
                  {QStringLiteral("Acme"), QStringLiteral("A")});
    UnitList list;
    QCOMPARE(list.size(), QSize(621, 320));
    QCOMPARE(list.palette().color(QPalette::Window), QColor(204, 207, 217));
    QCOMPARE(list.searchPanel()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(list.searchPanel()->height(), 37);
    QCOMPARE(list.grid()->objectName(), QStringLiteral("DBGridEh1"));
    QVERIFY(list.grid()->setQuery(
        QStringLiteral("select idbh, dwmc from dwxx"), {},
        {GridColumn::integer("idbh", "编号"), GridColumn::text("dwmc", "单位名称")}));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QStringList names = {"SP1", "SP2", "SP3", "SB4"};
    const QStringList texts = {"添加", "删除", "修改", "关闭"};
    for (int i = 0; i < names.size(); ++i) {
        QToolButton* b = list.button(i + 1);
        QVERIFY(b);
        QCOMPARE(b->objectName(), names[i]);
        QCOMPARE(b->text(), texts[i]);
        QVERIFY(b->autoRaise());
        if (i < 3)
            b->click();
    }
    QTableView* view = list.grid()->view();
    const QRect cell = view->visualRect(view->model()->index(0, 1));
    // A double click is a press and release followed by the double-click event.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(list.tags, (QList<int>{1, 2, 3, 3}));
    QVERIFY(list.isVisible());
    list.button(TFrmTemplateEdit::CloseTag)->click();
    QCOMPARE(list.tags.last(), int(TFrmTemplateEdit::CloseTag));
    QVERIFY(!list.isVisible());
}

QTEST_MAIN(TestEditTemplates)
#include "tst_edittemplates.moc"
