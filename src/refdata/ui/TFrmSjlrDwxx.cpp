#include "refdata/ui/TFrmSjlrDwxx.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "platform/EditRecord.h"
#include "platform/Prompter.h"
#include "ui/DataGrid.h"
#include "ui/EnterToNextFilter.h"
#include "ui/RecordBinder.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
struct Field
{
    const char* name;
    const char* label;
    QString Unit::*member;
};
const Field Fields[] = {{"dwjc", "单位简称：", &Unit::dwjc},
                        {"dwmc", "单位名称：", &Unit::dwmc},
                        {"dwdz", "地址：", &Unit::dwdz},
                        {"khyhmc", "开户银行名称：", &Unit::khyhmc},
                        {"khyhzh", "开户银行账号：", &Unit::khyhzh},
                        {"fddbr", "法定代表人：", &Unit::fddbr},
                        {"lxr", "联系人：", &Unit::lxr},
                        {"lxdh", "联系电话：", &Unit::lxdh},
                        {"lxdz", "联系地址：", &Unit::lxdz}};
const QString Caption = QStringLiteral("提示信息");

Unit unitOf(const EditRecord& r)
{
    Unit u;
    u.idbh = r.value(QStringLiteral("idbh")).toLongLong();
    for (const Field& f : Fields)
        u.*(f.member) = r.text(QString::fromLatin1(f.name));
    u.frsfzhm = r.text(QStringLiteral("frsfzhm"));
    u.bzxx = r.text(QStringLiteral("bzxx"));
    return u;
}

QVariantMap rowOf(const Unit& u)
{
    QVariantMap row{{QStringLiteral("idbh"), u.idbh},
                    {QStringLiteral("frsfzhm"), u.frsfzhm},
                    {QStringLiteral("bzxx"), u.bzxx}};
    for (const Field& f : Fields)
        row.insert(QString::fromLatin1(f.name), u.*(f.member));
    return row;
}
} // namespace

TFrmSjlrDwxx::TFrmSjlrDwxx(qint64 idbh, DataGrid* list, QWidget* parent)
    : QDialog(parent), m_record(new EditRecord(QStringLiteral("dwxx"), this)), m_list(list)
{
    // The unit service writes the row with its log line; a new unit gets its number.
    m_record->setPoster([](EditRecord& r) {
        if (r.state() == EditRecord::State::Insert)
            r.setValue(QStringLiteral("idbh"), UnitService::add(unitOf(r)));
        else
            UnitService::edit(unitOf(r));
    });
    auto* binder = new RecordBinder(m_record, this);
    setObjectName(QStringLiteral("TFrmSjlrDwxx"));
    setWindowTitle(QStringLiteral("单位详细信息"));
    auto* form = new QFormLayout(this);
    auto* number = new QLineEdit(this);
    number->setEnabled(false);
    m_edits.insert(QStringLiteral("idbh"), number);
    binder->bind(number, QStringLiteral("idbh"));
    form->addRow(QStringLiteral("单位编号："), number);
    for (const Field& f : Fields) {
        auto* e = new QLineEdit(this);
        const QString name = QString::fromLatin1(f.name);
        e->setObjectName(name);
        binder->bind(e, name);
        m_edits.insert(name, e);
        form->addRow(QString::fromUtf8(f.label), e);
    }
    auto* navigator = new QHBoxLayout;
    const struct
    {
        Move move;
        const char* text;
        const char* hint;
    } moves[] = {{Move::First, "|<", "最前"},
                 {Move::Previous, "<", "上一条"},
                 {Move::Next, ">", "下一条"},
                 {Move::Last, ">|", "最后"}};
    for (const auto& m : moves) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromLatin1(m.text));
        b->setToolTip(QString::fromUtf8(m.hint));
        b->setEnabled(list != nullptr);
        navigator->addWidget(b);
        m_navigator.insert(int(m.move), b);
        const Move to = m.move;
        connect(b, &QToolButton::clicked, this, [this, to] { move(to); });
    }
    navigator->addStretch();
    form->addRow(QStringLiteral("数据导航："), navigator);
    auto* buttons = new QHBoxLayout;
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    auto* undoButton = new QPushButton(QStringLiteral("撤消"), this);
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    for (QPushButton* b : {saveButton, undoButton, closeButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    form->addRow(buttons);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(undoButton, &QPushButton::clicked, this, &TFrmSjlrDwxx::undo);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        m_record->cancel(); // the pending change is dropped
        reject();
    });
    EnterToNextFilter::install(this);
    if (idbh > 0)
        loadUnit(idbh);
    else
        m_record->append();
}

void TFrmSjlrDwxx::loadUnit(qint64 idbh)
{
    if (const auto u = UnitService::load(idbh))
        m_record->load(rowOf(*u));
}

qint64 TFrmSjlrDwxx::currentId() const
{
    return m_record->value(QStringLiteral("idbh")).toLongLong();
}

bool TFrmSjlrDwxx::isInserting() const
{
    return m_record->state() == EditRecord::State::Insert;
}

bool TFrmSjlrDwxx::isModified() const
{
    return m_record->isModified();
}

bool TFrmSjlrDwxx::save()
{
    if (edit(QStringLiteral("dwmc"))->text().isEmpty() ||
        edit(QStringLiteral("dwjc"))->text().isEmpty()) {
        ShowMessageBox(QStringLiteral("单位名称或单位简称不能为空！"), Caption,
                       PromptIcon::Information);
        edit(QStringLiteral("dwmc"))->setFocus();
        return false;
    }
    // a shown unit saved as it is starts being edited and is written again
    m_record->edit();
    if (m_record->state() == EditRecord::State::Insert) {
        try {
            m_record->post();
        } catch (const DatabaseError& e) {
            ShowMessageBox(QStringLiteral("数据保存失败,详细提示信息为：") + e.text(), Caption,
                           PromptIcon::Information);
            return false;
        }
        ShowMessageBox(QStringLiteral("单位添加成功！"), Caption, PromptIcon::Information);
        m_record->append(); // a new empty row for the next unit
        edit(QStringLiteral("dwmc"))->setFocus();
        return true;
    }
    try {
        m_record->post();
    } catch (const DatabaseError& e) {
        ShowMessageBox(QStringLiteral("数据保存失败, 详细提示信息为：") + e.text(), Caption,
                       PromptIcon::Information);
        return false;
    }
    ShowMessageBox(QStringLiteral("数据保存成功！"), Caption, PromptIcon::Information);
    return true;
}

void TFrmSjlrDwxx::undo()
{
    if (!isModified())
        return;
    // A new unit starts again empty rather than falling back to the unit shown before, which
    // the next keystrokes would then overwrite.
    const bool inserting = isInserting();
    m_record->cancel();
    if (inserting)
        m_record->append();
}

bool TFrmSjlrDwxx::askAboutChanges()
{
    if (!isModified())
        return true;
    const PromptButton answer = ShowMessageBox(
        QStringLiteral("当前正在编辑的数据还未存盘，现在保存吗？"), QStringLiteral("提示"),
        PromptIcon::Question, PromptButton::Yes | PromptButton::No | PromptButton::Cancel);
    if (answer == PromptButton::Cancel)
        return false;
    if (answer == PromptButton::Yes)
        return save();
    m_record->cancel();
    return true;
}

void TFrmSjlrDwxx::move(Move to)
{
    if (!m_list || m_list->model()->totalRows() == 0)
        return;
    // Moving on never stores or drops typed changes unasked.
    if (!askAboutChanges())
        return;
    const int current = std::max(0, m_list->currentRow());
    int row = current;
    switch (to) {
    case Move::First:
        row = 0;
        break;
    case Move::Previous:
        row = std::max(0, current - 1);
        break;
    case Move::Next:
        row = std::min(m_list->model()->totalRows() - 1, current + 1);
        break;
    case Move::Last:
        row = m_list->model()->totalRows() - 1;
        break;
    }
    m_list->setCurrentRow(row);
    loadUnit(m_list->currentValue(QStringLiteral("idbh")).toLongLong());
}

void TFrmSjlrDwxx::reject()
{
    AskCommitPendingWork();
    if (!askAboutChanges())
        return;
    QDialog::reject();
}
