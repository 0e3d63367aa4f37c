#include "policy/ui/PolicyListScreens.h"

#include "policy/DeductibleService.h"
#include "policy/RatioBandService.h"
#include "policy/YearParameterService.h"
#include "policy/ui/PolicyRowDialogs.h"
#include "policy/ui/TNdxtcsManage.h"
#include "ui/CharacterFilter.h"
#include "ui/DataGrid.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString numberText(const QVariant& v)
{
    return v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15);
}

bool askDelete(const char* question)
{
    return ShowMessageBox(QString::fromUtf8(question), QStringLiteral("提示"),
                          PromptIcon::Information,
                          PromptButton::Ok | PromptButton::Cancel) == PromptButton::Ok;
}

// The layout both policy tables share: a settings group (expense type, value edits, add and
// delete) above the list.
struct TablePanel
{
    QComboBox* type;
    QPushButton* add;
    QPushButton* remove;
    DataGrid* grid;
};

TablePanel buildTablePanel(QDialog* d, const char* title,
                           const QList<std::pair<const char*, QLineEdit*>>& edits,
                           const char* addCaption)
{
    auto* group = new QGroupBox(QString::fromUtf8(title), d);
    TablePanel p{new QComboBox(group), button(group, "Button1", addCaption),
                 button(group, "Button2", "删除"), new DataGrid(d)};
    p.type->setObjectName(QStringLiteral("cbFylx"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("费用类型："), group));
    row->addWidget(p.type);
    for (const auto& [label, edit] : edits) {
        edit->setParent(group);
        row->addWidget(new QLabel(QString::fromUtf8(label), group));
        row->addWidget(edit);
    }
    row->addWidget(p.add);
    row->addWidget(p.remove);
    auto* layout = new QVBoxLayout(d);
    layout->addWidget(group);
    layout->addWidget(p.grid);
    return p;
}

QLineEdit* valueEdit(const char* name, int maxLength, const QString& allowed)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    CharacterFilter::install(e, allowed);
    return e;
}

// Shows the outcome of an add, focuses the refused field and refreshes the list when done.
void finishAdd(const ServiceOutcome& outcome, const QHash<QString, QLineEdit*>& fields,
               DataGrid* grid)
{
    outcome.show();
    if (QLineEdit* e = fields.value(outcome.focus))
        e->setFocus();
    if (outcome.ok)
        grid->refresh();
}
} // namespace

TNdxtcs::TNdxtcs(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNdxtcs"));
    setWindowTitle(QStringLiteral("年度参数管理"));
    resize(560, 420);
    auto* group = new QGroupBox(QStringLiteral("年度列表"), this);
    m_grid = new DataGrid(group);
    (new QVBoxLayout(group))->addWidget(m_grid);
    auto* fields = new QHBoxLayout;
    for (const char* label : {"系统年度", "门诊支付限额", "住院支付限额", "门诊报销比例"}) {
        auto* e = new QLineEdit(this);
        e->setEnabled(false);
        fields->addWidget(new QLabel(QString::fromUtf8(label), this));
        fields->addWidget(e);
        m_current << e;
    }
    auto* insert = button(this, "btnInsert", "添加");
    auto* update = button(this, "btnUpdate", "修改");
    auto* exit = button(this, "btnExit", "返回");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(insert);
    buttons->addWidget(update);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    connect(insert, &QPushButton::clicked, this, &TNdxtcs::insertYear);
    connect(update, &QPushButton::clicked, this, &TNdxtcs::updateYear);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &DataGrid::rowActivated, this, &TNdxtcs::updateYear);
    connect(m_grid, &DataGrid::currentRowChanged, this, &TNdxtcs::showCurrent);
}

void TNdxtcs::showEvent(QShowEvent* event)
{
    // always fresh when shown; titles sort ascending, then descending
    m_grid->setSortRule(DataGrid::SortRule::AscendingThenDescending);
    m_grid->setQuery(YearParameterService::listSql(), {},
                     {GridColumn::integer("xtnd", "系统年度"),
                      GridColumn::number("mzzfxe", "门诊支付限额", 110),
                      GridColumn::number("zyzfxe", "住院支付限额", 110),
                      GridColumn::number("mzbl", "门诊报销比例", 110)},
                     QStringLiteral("xtnd"));
    QDialog::showEvent(event);
}

void TNdxtcs::showCurrent(int row)
{
    const char* fields[] = {"xtnd", "mzzfxe", "zyzfxe", "mzbl"};
    for (int i = 0; i < m_current.size(); ++i)
        m_current[i]->setText(
            row < 0 ? QString()
                    : numberText(m_grid->model()->value(row, QString::fromLatin1(fields[i]))));
}

void TNdxtcs::insertYear()
{
    TNdxtcsManage dialog(TNdxtcsManage::Mode::Add, {}, this);
    if (dialog.exec() == QDialog::Accepted)
        m_grid->refresh();
}

void TNdxtcs::updateYear()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    auto v = [&](const char* f) {
        return numberText(m_grid->model()->value(row, QString::fromLatin1(f)));
    };
    TNdxtcsManage dialog(TNdxtcsManage::Mode::Modify,
                         {v("xtnd"), v("mzzfxe"), v("zyzfxe"), v("mzbl")}, this);
    if (dialog.exec() == QDialog::Accepted)
        m_grid->refresh();
}

TfrmQfbz::TfrmQfbz(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmQfbz"));
    setWindowTitle(QStringLiteral("起付标准设置"));
    resize(520, 400);
    m_amount = valueEdit("edtQfbz", 0, CharacterFilter::Decimal);
    const TablePanel p =
        buildTablePanel(this, "起付标准设置", {{"起付标准：", m_amount}}, "设置起付标准");
    m_type = p.type;
    m_type->addItems(DeductibleService::expenseTypes());
    m_grid = p.grid;
    connect(p.add, &QPushButton::clicked, this, &TfrmQfbz::add);
    connect(p.remove, &QPushButton::clicked, this, &TfrmQfbz::remove);
    connect(m_grid, &DataGrid::rowActivated, this, &TfrmQfbz::editRow);
}

void TfrmQfbz::showEvent(QShowEvent* event)
{
    m_type->setCurrentIndex(0);
    m_grid->setQuery(DeductibleService::listSql(), {},
                     {GridColumn::integer("bh", "编号", 60), GridColumn::text("fylx", "费用类型"),
                      GridColumn::integer("qfbz", "起付标准")},
                     QStringLiteral("bh"));
    QDialog::showEvent(event);
}

void TfrmQfbz::add()
{
    finishAdd(DeductibleService::add(m_type->currentText(), m_amount->text()),
              {{DeductibleService::AmountField, m_amount}}, m_grid);
}

void TfrmQfbz::remove()
{
    if (m_grid->currentRow() < 0 || !askDelete("确定要删除此种起付标准类型吗？"))
        return;
    const ServiceOutcome outcome =
        DeductibleService::remove(m_grid->currentValue(QStringLiteral("fylx")).toString());
    outcome.show();
    m_grid->refresh();
}

void TfrmQfbz::editRow()
{
    if (m_grid->currentRow() < 0)
        return;
    Tfrmsetqfbz dialog(m_grid->currentValue(QStringLiteral("bh")).toInt(),
                       m_grid->currentValue(QStringLiteral("fylx")).toString(),
                       m_grid->currentValue(QStringLiteral("qfbz")).toInt(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_grid->refresh();
}

Tfrmbxbl::Tfrmbxbl(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfrmbxbl"));
    setWindowTitle(QStringLiteral("报销比例设置"));
    resize(620, 400);
    m_bound = valueEdit("edtZfje", 8, CharacterFilter::Digits);
    m_ratio = valueEdit("edtZfbl", 4, CharacterFilter::Decimal);
    const TablePanel p = buildTablePanel(
        this, "报销参数", {{"医疗费用：", m_bound}, {"报销比例：", m_ratio}}, "设置报销比例");
    m_type = p.type;
    m_grid = p.grid;
    connect(p.add, &QPushButton::clicked, this, &Tfrmbxbl::add);
    connect(p.remove, &QPushButton::clicked, this, &Tfrmbxbl::remove);
    connect(m_grid, &DataGrid::rowActivated, this, &Tfrmbxbl::editRow);
}

void Tfrmbxbl::showEvent(QShowEvent* event)
{
    m_type->clear();
    m_type->addItems(RatioBandService::expenseTypes());
    m_type->setCurrentIndex(0);
    m_grid->setQuery(RatioBandService::listSql(), {},
                     {GridColumn::text("fylx", "费用类型"), GridColumn::integer("zfje", "医疗费用"),
                      GridColumn::number("zfbl", "报销比例")},
                     QStringLiteral("fylx, zfje"));
    QDialog::showEvent(event);
}

void Tfrmbxbl::add()
{
    finishAdd(RatioBandService::add(m_type->currentText(), m_bound->text(), m_ratio->text()),
              {{RatioBandService::BoundField, m_bound}, {RatioBandService::RatioField, m_ratio}},
              m_grid);
}

void Tfrmbxbl::remove()
{
    if (m_grid->currentRow() < 0 || !askDelete("确定要删除此种报销比例吗？"))
        return;
    const ServiceOutcome outcome =
        RatioBandService::remove(m_grid->currentValue(QStringLiteral("fylx")).toString(),
                                 m_grid->currentValue(QStringLiteral("zfje")).toInt());
    outcome.show();
    m_grid->refresh();
}

void Tfrmbxbl::editRow()
{
    if (m_grid->currentRow() < 0)
        return;
    Tfrmsetbxbl dialog(m_grid->currentValue(QStringLiteral("fylx")).toString(),
                       m_grid->currentValue(QStringLiteral("zfje")).toInt(),
                       m_grid->currentValue(QStringLiteral("zfbl")).toDouble(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_grid->refresh();
}
