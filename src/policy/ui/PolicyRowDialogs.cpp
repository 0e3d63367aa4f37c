#include "policy/ui/PolicyRowDialogs.h"

#include "policy/DeductibleService.h"
#include "policy/RatioBandService.h"
#include "ui/CharacterFilter.h"
#include "ui/EnterToNextFilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Lays out the fields and the two buttons; returns the confirming button.
QPushButton* finish(QDialog* d, QFormLayout* form)
{
    auto* ok = new QPushButton(QStringLiteral("确定"), d);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("取消"), d);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(form);
    layout->addLayout(buttons);
    EnterToNextFilter::install(d, ok);
    return ok;
}

QLineEdit* field(QDialog* d, const QString& name, const QString& value, int maxLength,
                 const QString& allowed)
{
    auto* e = new QLineEdit(value, d);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    if (!allowed.isEmpty())
        CharacterFilter::install(e, allowed);
    return e;
}

void store(QDialog* d, const ServiceOutcome& outcome)
{
    outcome.show();
    if (outcome.ok)
        d->accept();
}
} // namespace

Tfrmsetqfbz::Tfrmsetqfbz(int bh, const QString& expenseType, int amount, QWidget* parent)
    : QDialog(parent), m_bh(bh)
{
    setObjectName(QStringLiteral("Tfrmsetqfbz"));
    setWindowTitle(QStringLiteral("修改起付标准"));
    auto* form = new QFormLayout;
    auto* type = field(this, QStringLiteral("fylx"), expenseType, 255, {});
    type->setEnabled(false);
    m_amount =
        field(this, QStringLiteral("qfbz"), QString::number(amount), 4, CharacterFilter::Digits);
    form->addRow(QStringLiteral("费用类型"), type);
    form->addRow(QStringLiteral("起付标准"), m_amount);
    m_ok = finish(this, form);
    connect(m_ok, &QPushButton::clicked, this,
            [this] { store(this, DeductibleService::update(m_bh, m_amount->text())); });
}

Tfrmsetbxbl::Tfrmsetbxbl(const QString& expenseType, int bound, double ratio, QWidget* parent)
    : QDialog(parent), m_type(expenseType), m_oldBound(bound)
{
    setObjectName(QStringLiteral("Tfrmsetbxbl"));
    setWindowTitle(QStringLiteral("修改报销比例"));
    auto* form = new QFormLayout;
    auto* type = field(this, QStringLiteral("fylx"), expenseType, 20, {});
    type->setEnabled(false);
    m_bound =
        field(this, QStringLiteral("zfje"), QString::number(bound), 8, CharacterFilter::Digits);
    m_ratio =
        field(this, QStringLiteral("zfbl"), QString::number(ratio), 4, CharacterFilter::Decimal);
    form->addRow(QStringLiteral("费用类型"), type);
    form->addRow(QStringLiteral("医疗费用"), m_bound);
    form->addRow(QStringLiteral("报销比例"), m_ratio);
    m_ok = finish(this, form);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        store(this, RatioBandService::update(m_type, m_oldBound, m_bound->text(), m_ratio->text()));
    });
}
