#include "app/ui/TLogin.h"

#include "app/LoginService.h"
#include "app/OperatorContext.h"
#include "app/ui/TMain.h"
#include "data/Database.h"
#include "ui/CharacterFilter.h"
#include "ui/EnterToNextFilter.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TLogin::TLogin(TMain* main, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                          Qt::WindowCloseButtonHint),
      m_main(main)
{
    setObjectName(QStringLiteral("TLogin"));
    setWindowTitle(QStringLiteral("系统登录"));
    auto* title = new QLabel(QStringLiteral("用户登陆"), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    title->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    title->setAlignment(Qt::AlignCenter);
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("EdtUser"));
    m_user->setMaxLength(10);
    CharacterFilter::install(m_user, CharacterFilter::Digits);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("EdtPwd"));
    m_password->setMaxLength(20);
    m_password->setEchoMode(QLineEdit::Password);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_cancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("用户编号："), this), 1, 0);
    grid->addWidget(m_user, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("用户密码："), this), 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    grid->addWidget(m_ok, 3, 1);
    grid->addWidget(m_cancel, 3, 2);
    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_ok);
    setTabOrder(m_ok, m_cancel);
    EnterToNextFilter::install(this, m_ok);

    connect(m_ok, &QPushButton::clicked, this, &TLogin::login);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TLogin::showEvent(QShowEvent* event)
{
    OperatorContext::current().clearForLogin();
    m_user->setFocus();
    QDialog::showEvent(event);
}

void TLogin::login()
{
    auto outcome = LoginService::attempt(m_user->text(), m_password->text());
    if (outcome.accepted) {
        try {
            LoginService::CheckUser(*m_main);
            m_main->showOperatorStatus();
            LoginService::loggedIn();
            accept();
            return;
        } catch (const DatabaseError&) {
            outcome = LoginService::failed();
        }
    }
    if (outcome.clearUser)
        m_user->clear();
    if (outcome.clearPassword)
        m_password->clear();
    if (outcome.focusUser)
        m_user->setFocus();
}
