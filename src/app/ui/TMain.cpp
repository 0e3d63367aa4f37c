#include "app/ui/TMain.h"

#include "app/MenuCatalog.h"
#include "app/OperatorContext.h"
#include "app/ui/ScreenRegistry.h"
#include "app/ui/TLogin.h"
#include "app/ui/TfrmAbout.h"
#include "data/Database.h"
#include "data/TextRoutines.h"
#include "platform/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct BigButton
{
    const char* name;
    const char* caption;
    const char* fires;
    QStyle::StandardPixmap icon;
};
const BigButton BigButtons[] = {
    {"LbSpeedButton2", "费用报销", "N8", QStyle::SP_FileDialogDetailedView},
    {"LbSpeedButton4", "报销查询", "N20", QStyle::SP_FileDialogContentsView},
    {"LbSpeedButton1", "人员信息", "M_Grxx", QStyle::SP_DirHomeIcon},
    {"LbSpeedButton3", "医疗项目", "N55", QStyle::SP_DriveHDIcon},
};
} // namespace

TMain::TMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TMain"));
    setWindowTitle(QStringLiteral("Quenlo"));
    buildMenu();
    buildBody();
    setFixedSize(688, 505 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TMain::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    for (const auto& top : MenuCatalog::mainMenu()) {
        QMenu* menu = bar->addMenu(top.caption);
        menu->setObjectName(top.name);
        menu->menuAction()->setObjectName(top.name);
        for (const auto& item : top.items) {
            QAction* a = item.isSeparator() ? menu->addSeparator() : menu->addAction(item.caption);
            a->setObjectName(item.name);
            a->setVisible(item.visible);
            m_actions.insert(item.name.toLower(), a);
            if (!item.isSeparator()) {
                const QString name = item.name;
                const QString opens = item.opens;
                connect(a, &QAction::triggered, this,
                        [this, name, opens] { onAction(name, opens); });
            }
        }
    }
}

void TMain::buildBody()
{
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Background"));
    body->setAttribute(Qt::WA_StyledBackground);
    body->setStyleSheet(QStringLiteral(
        "#Background { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a6f97, "
        "stop:1 #013a63); }"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(20, 40, 20, 30);

    m_organization = new QLabel(body);
    m_organization->setObjectName(QStringLiteral("Label1"));
    m_organization->setAlignment(Qt::AlignCenter);
    m_organization->setStyleSheet(
        QStringLiteral("color: red; font-weight: bold; font-size: 35px; font-family: 黑体;"));
    auto* product = new QLabel(QStringLiteral("Quenlo"), body);
    product->setObjectName(QStringLiteral("Label2"));
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(
        QStringLiteral("color: lime; font-weight: bold; font-size: 32px; font-family: 黑体;"));
    layout->addWidget(m_organization);
    layout->addWidget(product);
    layout->addStretch();

    auto bar = [body]() {
        auto* line = new QFrame(body);
        line->setFixedSize(401, 3);
        line->setStyleSheet(QStringLiteral("background: rgb(240, 250, 255);"));
        return line;
    };
    layout->addWidget(bar(), 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const auto& b : BigButtons) {
        auto* button = new QToolButton(body);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(QString::fromUtf8(b.caption));
        button->setIcon(style()->standardIcon(b.icon));
        button->setIconSize(QSize(48, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setStyleSheet(QStringLiteral(
            "QToolButton { color: yellow; font-weight: bold; font-size: 13px; background: "
            "transparent; border: none; padding: 6px 14px; }"));
        const QString fires = QString::fromLatin1(b.fires);
        // The button fires the menu item, so it follows the item's enabling.
        connect(button, &QToolButton::clicked, this, [this, fires] {
            if (QAction* a = menuAction(fires))
                a->trigger();
        });
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(bar(), 0, Qt::AlignHCenter);
    layout->addStretch();
    setCentralWidget(body);

    const int widths[] = {150, 250, 200, 350};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFixedWidth(widths[i]);
        statusBar()->addWidget(panel);
        m_panels << panel;
    }
    statusBar()->setSizeGripEnabled(false);
}

QAction* TMain::menuAction(const QString& name) const
{
    return m_actions.value(name.trimmed().toLower());
}

void TMain::enableAllItems()
{
    for (QAction* a : std::as_const(m_actions))
        a->setEnabled(true);
}

bool TMain::setItemEnabled(const QString& name, bool enabled)
{
    QAction* a = menuAction(name);
    if (!a)
        return false;
    a->setEnabled(enabled);
    return true;
}

void TMain::showOperatorStatus()
{
    m_panels[0]->setText(QStringLiteral("当前用户: ") + OperatorContext::current().operatorName);
    QString address;
    GetLocalIPv4(address);
    m_panels[1]->setText(QStringLiteral("本机IP地址：") + address);
    m_panels[2]->setText(TfrmAbout::supportLine());
}

void TMain::showOrganization()
{
    if (m_organizationShown)
        return;
    m_organizationShown = true;
    const QString name = OperatorContext::current().organizationName;
    m_organization->setText(name);
    setWindowTitle(name + QStringLiteral("Quenlo"));
}

void TMain::runLogin()
{
    TLogin login(this, this);
    login.exec();
}

void TMain::onAction(const QString& name, const QString& opens)
{
    if (name == QLatin1String("M_XtcsExit"))
        return confirmExit();
    if (name == QLatin1String("M_XtcsYhdl"))
        return runLogin();
    if (name == QLatin1String("N32"))
        return initialiseMenu();
    if (name == QLatin1String("N43")) {
        TfrmAbout about(this);
        about.exec();
        return;
    }
    if (!ScreenRegistry::open(opens, this))
        ShowInfo(QStringLiteral("此功能尚未提供。"));
}

void TMain::confirmExit()
{
    if (ShowMessageBox(QStringLiteral("您真的需要退出吗？"), QStringLiteral("提示信息"),
                       PromptIcon::Question,
                       PromptButton::Ok | PromptButton::Cancel) == PromptButton::Ok)
        close();
}

void TMain::initialiseMenu()
{
    switch (LoginService::InitialiseMenuFunctions()) {
    case LoginService::MenuInitResult::Cancelled:
        return;
    case LoginService::MenuInitResult::Done:
        runLogin();
        return;
    case LoginService::MenuInitResult::Failed:
        Q_EMIT fatalError();
        return;
    }
}

void TMain::closeEvent(QCloseEvent* event)
{
    Database::close();
    event->accept();
}
