#include "app/ui/Startup.h"

#include "app/ConnectionConfig.h"
#include "app/DataFolder.h"
#include "app/ui/TFlashShow.h"
#include "app/ui/TFrmSetup.h"
#include "app/ui/TLogin.h"
#include "app/ui/TMain.h"
#include "data/Database.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QFileInfo>

Startup::Startup()
{
    login = [](TMain& main) {
        TLogin dialog(&main);
        return dialog.exec() == QDialog::Accepted;
    };
    offerSetup = [] {
        TFrmSetup dialog(DataFolder::current());
        return dialog.exec() == QDialog::Accepted;
    };
}

Startup::~Startup() = default;

std::unique_ptr<TMain> Startup::takeMainWindow()
{
    return std::move(m_main);
}

void Startup::connect()
{
    const ConnectionSettings settings = ConnectionConfig::load();
    if (settings.backend == Backend::Sqlite && !QFileInfo::exists(settings.sqliteFile))
        offerSetup();
    if (Database::open(settings) && Database::schemaVersion() > 0) {
        m_splash->ShowProgress(QStringLiteral("数据库连接成功"), 250);
        m_splash->repaint();
        return;
    }
    Database::close();
    ShowMessageBox(QStringLiteral("数据库连接信息已经失效，无法连接指定数据库，请重新设定连接信息"),
                   QString(), PromptIcon::None, PromptButton::Ok);
}

bool Startup::run()
{
    m_splash = std::make_unique<TFlashShow>();
    m_splash->show();
    m_splash->repaint();
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Quenlo"));
    m_splash->ShowProgress(QStringLiteral("正在连接数据库..."), 250);
    m_splash->ShowProgress(QStringLiteral("正在连接数据库..."), 250);
    connect();
    m_main = std::make_unique<TMain>();
    m_splash->ShowProgress(QStringLiteral("正在系统登录..."), 0);
    if (!login(*m_main))
        return false;
    m_splash->ShowProgress(QStringLiteral("正在初始化系统环境信息..."), 250);
    m_splash->ShowProgress(QStringLiteral("系统初始化完毕,开始运行系统..."), 150);
    m_splash->repaint();
    m_splash->fadeOut();
    m_splash->close();
    m_main->showOrganization();
    m_main->show();
    m_main->repaint();
    return true;
}
