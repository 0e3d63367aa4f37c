#include "refdata/ui/TFrmSjlrDwxx.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "platform/Prompter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

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
} // namespace

TFrmSjlrDwxx::TFrmSjlrDwxx(qint64 idbh, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFrmSjlrDwxx"));
    setWindowTitle(QStringLiteral("单位详细信息"));
    auto* form = new QFormLayout(this);
    auto* number = new QLineEdit(this);
    number->setEnabled(false);
    m_edits.insert(QStringLiteral("idbh"), number);
    form->addRow(QStringLiteral("单位编号："), number);
    const TableDef* table = Schema::table(QStringLiteral("dwxx"));
    for (const Field& f : Fields) {
        auto* e = new QLineEdit(this);
        const QString name = QString::fromLatin1(f.name);
        if (const ColumnDef* c = table->column(name))
            e->setMaxLength(c->width);
        m_edits.insert(name, e);
        form->addRow(QString::fromUtf8(f.label), e);
    }
    auto* buttons = new QHBoxLayout;
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    form->addRow(buttons);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    if (idbh > 0)
        if (const auto u = UnitService::load(idbh))
            m_unit = *u;
    show(m_unit);
}

void TFrmSjlrDwxx::show(const Unit& unit)
{
    m_edits.value(QStringLiteral("idbh"))
        ->setText(unit.idbh > 0 ? QString::number(unit.idbh) : QString());
    for (const Field& f : Fields)
        m_edits.value(QString::fromLatin1(f.name))->setText(unit.*(f.member));
}

bool TFrmSjlrDwxx::save()
{
    const QString caption = QStringLiteral("提示信息");
    if (edit(QStringLiteral("dwmc"))->text().isEmpty() ||
        edit(QStringLiteral("dwjc"))->text().isEmpty()) {
        ShowMessageBox(QStringLiteral("单位名称或单位简称不能为空！"), caption,
                       PromptIcon::Information);
        edit(QStringLiteral("dwmc"))->setFocus();
        return false;
    }
    Unit u = m_unit;
    for (const Field& f : Fields)
        u.*(f.member) = edit(QString::fromLatin1(f.name))->text();
    if (u.idbh == 0) {
        try {
            u.idbh = UnitService::add(u);
        } catch (const DatabaseError& e) {
            ShowMessageBox(QStringLiteral("数据保存失败,详细提示信息为：") + e.text(), caption,
                           PromptIcon::Information);
            return false;
        }
        ShowMessageBox(QStringLiteral("单位添加成功！"), caption, PromptIcon::Information);
        m_unit = Unit{}; // a new empty row for the next unit
        show(m_unit);
        edit(QStringLiteral("dwmc"))->setFocus();
        return true;
    }
    try {
        UnitService::edit(u);
    } catch (const DatabaseError& e) {
        ShowMessageBox(QStringLiteral("数据保存失败, 详细提示信息为：") + e.text(), caption,
                       PromptIcon::Information);
        return false;
    }
    m_unit = u;
    ShowMessageBox(QStringLiteral("数据保存成功！"), caption, PromptIcon::Information);
    return true;
}
