#include "policy/ui/TNdxtcsManage.h"

#include "ui/CharacterFilter.h"
#include "ui/EnterToNextFilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

inline const QString RatioField = QStringLiteral("mzbl");

TNdxtcsManage::TNdxtcsManage(Mode mode, const YearParameterService::Entry& entry, QWidget* parent)
    : QDialog(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("TNdxtcsManage"));
    setWindowTitle(QStringLiteral("年度参数管理"));
    auto* form = new QFormLayout;
    struct Field
    {
        QString name;
        const char* label;
        int maxLength;
        QString value;
    };
    const Field fields[] = {
        {YearParameterService::YearField, "年               度", 4, entry.year},
        {YearParameterService::OutpatientField, "门诊支付限额 ", 6, entry.outpatient},
        {YearParameterService::GeneralField, "住院支付限额", 6, entry.general},
        {RatioField, "门诊报销比例", 6, entry.ratio},
    };
    for (const auto& f : fields) {
        auto* e = new QLineEdit(f.value, this);
        e->setObjectName(f.name);
        e->setMaxLength(f.maxLength);
        CharacterFilter::install(e, CharacterFilter::Decimal);
        form->addRow(QString::fromUtf8(f.label), e);
        m_edits.insert(f.name, e);
    }
    // the year of an existing row cannot change
    m_edits.value(YearParameterService::YearField)->setEnabled(mode == Mode::Add);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setAutoDefault(false);
    auto* back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName(QStringLiteral("btnCancel"));
    back->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    EnterToNextFilter::install(this, m_ok);
    connect(m_ok, &QPushButton::clicked, this, &TNdxtcsManage::confirm);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
}

void TNdxtcsManage::confirm()
{
    const YearParameterService::Entry entry{
        m_edits.value(YearParameterService::YearField)->text(),
        m_edits.value(YearParameterService::OutpatientField)->text(),
        m_edits.value(YearParameterService::GeneralField)->text(),
        m_edits.value(RatioField)->text()};
    const ServiceOutcome outcome = m_mode == Mode::Add ? YearParameterService::add(entry)
                                                       : YearParameterService::modify(entry);
    outcome.show();
    if (outcome.ok)
        return accept();
    if (!outcome.focus.isEmpty()) {
        m_edits.value(outcome.focus)->setFocus();
        return;
    }
    reject(); // the database refused the values: nothing was stored
}
