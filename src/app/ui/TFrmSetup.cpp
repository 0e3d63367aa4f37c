#include "app/ui/TFrmSetup.h"

#include "data/Clock.h"
#include "data/DatabaseSetup.h"
#include "platform/Prompter.h"
#include "ui/EnterToNextFilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

TFrmSetup::TFrmSetup(const QString& folder, QWidget* parent) : QDialog(parent), m_folder(folder)
{
    setObjectName(QStringLiteral("TFrmSetup"));
    setWindowTitle(QStringLiteral("建立新的数据库"));
    m_org = new QLineEdit(this);
    m_org->setObjectName(QStringLiteral("EdtOrganization"));
    m_org->setMaxLength(100);
    m_year = new QLineEdit(QString::number(Clock::today().year()), this);
    m_year->setObjectName(QStringLiteral("EdtYear"));
    m_year->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), m_year));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("EdtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(20);
    m_repeat = new QLineEdit(this);
    m_repeat->setObjectName(QStringLiteral("EdtRepeat"));
    m_repeat->setEchoMode(QLineEdit::Password);
    m_repeat->setMaxLength(20);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("数据目录：%1 中还没有数据库。").arg(folder), this));
    form->addRow(QStringLiteral("单位名称："), m_org);
    form->addRow(QStringLiteral("当前年度："), m_year);
    form->addRow(QStringLiteral("管理员密码："), m_password);
    form->addRow(QStringLiteral("再次输入密码："), m_repeat);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    EnterToNextFilter::install(this, m_ok);
    connect(m_ok, &QPushButton::clicked, this, &TFrmSetup::create);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSetup::create()
{
    if (m_password->text() != m_repeat->text()) {
        ShowMessageBox(QStringLiteral("两次输入的密码不一致，请重新输入！"),
                       QStringLiteral("提示信息"), PromptIcon::Information);
        m_repeat->clear();
        m_password->setFocus();
        m_password->selectAll();
        return;
    }
    const DatabaseSetup::Options options{m_org->text().trimmed(), m_year->text().toInt(),
                                         m_password->text()};
    const QString problem = DatabaseSetup::validate(options);
    if (!problem.isEmpty()) {
        ShowMessageBox(problem, QStringLiteral("提示信息"), PromptIcon::Information);
        return;
    }
    QString why;
    if (!DatabaseSetup::createDataFolder(m_folder, options, &why)) {
        ShowErrorBox(QStringLiteral("数据库建立失败：") + why, QStringLiteral("错误信息"));
        return;
    }
    ShowMessageBox(QStringLiteral("数据库建立成功，请用用户编号1和刚才设置的密码登录。"),
                   QStringLiteral("提示信息"), PromptIcon::Information);
    accept();
}
