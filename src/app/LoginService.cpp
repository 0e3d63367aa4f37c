#include "app/LoginService.h"

#include "app/MenuCatalog.h"
#include "app/MenuFunctions.h"
#include "app/OperatorContext.h"
#include "data/Database.h"
#include "data/OperationLog.h"
#include "platform/Prompter.h"
#include "users/PasswordCipher.h"

#include <QRegularExpression>
#include <cmath>

namespace {
const QString InfoCaption = QStringLiteral("提示信息");
const QString ErrorCaption = QStringLiteral("错误信息");

void info(const QString& text)
{
    ShowMessageBox(text, InfoCaption, PromptIcon::Information);
}

// Rounds to the nearest whole number, an exact half to the even neighbour.
int wholeLimit(const QVariant& v)
{
    if (v.isNull())
        return 0;
    return int(std::nearbyint(v.toDouble()));
}

LoginService::Outcome unknownNumber()
{
    auto& ctx = OperatorContext::current();
    ShowErrorBox(QStringLiteral("用户编号不正确，请重新输入！"), ErrorCaption);
    WriteOperationLog(ctx.operatorNo + QStringLiteral("用户编号不正确！"));
    return {false, true, true, true};
}

// Reads the year and limits into the context; a missing row leaves them empty or 0.
void readPolicySettings()
{
    auto& ctx = OperatorContext::current();
    QSqlQuery q = OpenQuerySql(QStringLiteral("select xtnd, zcmc from gdxtcs"));
    if (q.next()) {
        ctx.currentYear = q.value(0).toString();
        ctx.organizationName = q.value(1).toString();
    } else {
        ctx.currentYear.clear();
    }
    ctx.outpatientLimit = 0;
    ctx.generalLimit = 0;
    ctx.outpatientRatio = 0.0;
    bool isYear = false;
    const int year = ctx.currentYear.toInt(&isYear);
    if (!isYear)
        return;
    q = OpenQuerySql(QStringLiteral("select mzzfxe, zyzfxe, mzbl from ndxtcs where xtnd = ?"),
                     {year});
    if (q.next()) {
        ctx.outpatientLimit = wholeLimit(q.value(0));
        ctx.generalLimit = wholeLimit(q.value(1));
        ctx.outpatientRatio = q.value(2).toDouble();
    }
}
} // namespace

LoginService::Outcome LoginService::attempt(const QString& userText, const QString& passwordText)
{
    const QString user = userText.trimmed();
    const QString password = passwordText.trimmed();
    if (user.isEmpty() && password.isEmpty()) {
        info(QStringLiteral("请输入您的用户编号和密码！"));
        return {};
    }
    if (user.isEmpty()) {
        info(QStringLiteral("用户编号不能为空，请输入您的用户编号"));
        return {};
    }
    if (password.isEmpty()) {
        info(QStringLiteral("用户密码不能为空，请输入您的用户密码"));
        return {};
    }
    auto& ctx = OperatorContext::current();
    ctx.operatorNo = user;
    // Only a number reaches the database; anything else is an unknown number.
    static const QRegularExpression digits(QStringLiteral("^\\d{1,10}$"));
    bool isNumber = digits.match(user).hasMatch();
    const qlonglong id = isNumber ? user.toLongLong() : 0;
    isNumber = isNumber && id <= 2147483647;
    try {
        if (!isNumber) {
            if (!Database::isOpen())
                throw DatabaseError(QStringLiteral("数据库未连接"));
            return unknownNumber();
        }
        QSqlQuery q =
            OpenQuerySql(QStringLiteral("select mm, xm, idbh from yh where idbh = ?"), {id});
        if (!q.next())
            return unknownNumber();
        const QString stored = q.value(0).toString().trimmed();
        const QString name = q.value(1).toString().trimmed();
        const int operatorId = q.value(2).toInt();
        if (q.next())
            return unknownNumber();
        ctx.operatorPassword = stored;
        ctx.operatorName = name;
        ctx.operatorId = operatorId;
        readPolicySettings();
        if (PasswordMatches(stored, password))
            return {true, false, false, false};
        ShowErrorBox(QStringLiteral("用户密码不正确，请重新输入！"), ErrorCaption);
        WriteOperationLog(ctx.operatorName + QStringLiteral("用户密码不正确"));
        return {false, false, true, true};
    } catch (const DatabaseError&) {
        return failed();
    }
}

LoginService::Outcome LoginService::failed()
{
    ShowErrorBox(QStringLiteral("登录失败，请重新登录！"), ErrorCaption);
    WriteOperationLog(OperatorContext::current().operatorName + QStringLiteral("登陆失败"));
    return {false, false, false, true};
}

void LoginService::loggedIn()
{
    WriteOperationLog(OperatorContext::current().operatorName + QStringLiteral("登陆系统"));
}

void LoginService::CheckUser(MenuHost& menu)
{
    const int id = OperatorContext::current().operatorId;
    menu.enableAllItems();
    QSqlQuery q = OpenQuerySql(QStringLiteral("select gnbh from yhgn where yhbh = ?"), {id});
    if (!q.next())
        info(QStringLiteral("该用户没有分配任何权限！"));
    q = OpenQuerySql(QStringLiteral("select cd from gn where bh not in "
                                    "(select gnbh from yhgn where yhbh = ?) order by bh"),
                     {id});
    QStringList names;
    while (q.next())
        names << q.value(0).toString().trimmed();
    for (const QString& name : names)
        if (!menu.setItemEnabled(name, false))
            info(QStringLiteral("数据库资源与菜单不符，建议管理员运行功能初始化！"));
    // The built-in administrator always keeps what he needs to manage the others.
    if (id == 1)
        for (const QString& name : MenuCatalog::administratorItems())
            menu.setItemEnabled(name, true);
}

LoginService::MenuInitResult LoginService::InitialiseMenuFunctions()
{
    if (ShowMessageBox(QStringLiteral("在第一次使用软件或所有用户权限重新设置时启用，是否确认？"),
                       InfoCaption, PromptIcon::Information,
                       PromptButton::Ok | PromptButton::Cancel) != PromptButton::Ok)
        return MenuInitResult::Cancelled;
    if (ShowMessageBox(QStringLiteral("即将执行菜单初始化，是否确认？"), InfoCaption,
                       PromptIcon::Question,
                       PromptButton::Ok | PromptButton::Cancel) != PromptButton::Ok)
        return MenuInitResult::Cancelled;
    try {
        Transaction t;
        RebuildMenuFunctions();
        t.commit();
    } catch (const DatabaseError&) {
        info(QStringLiteral("菜单初始化失败！"));
        return MenuInitResult::Failed;
    }
    info(QStringLiteral("菜单初始化完成,请重新登录！"));
    WriteOperationLog(QStringLiteral("菜单初始化完成"));
    return MenuInitResult::Done;
}
