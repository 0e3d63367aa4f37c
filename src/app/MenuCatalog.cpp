#include "app/MenuCatalog.h"

#include <QStringList>

namespace {
MenuItemDef item(const char* name, const char* caption, const char* opens, bool visible = true)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), visible,
            QString::fromLatin1(opens)};
}
MenuItemDef sep(const char* name, bool visible = true)
{
    return {QString::fromLatin1(name), QStringLiteral("-"), visible, {}};
}
constexpr bool Hidden = false;

QList<MenuTopDef> build()
{
    return {
        {QStringLiteral("N1"),
         QStringLiteral("系统参数"),
         {item("M_XtcsGdxtcs", "当前年度", "TGdxtcs"), item("M_XtcsNdxtcs", "年度设置", "TNdxtcs"),
          sep("N38"), item("M_XtcsDatabaselogin", "数据库设置", "TDatabaselogin", Hidden),
          sep("N15", Hidden), item("N4", "用户管理", "TFrmYhgl"),
          item("M_XtcsMmxg", "修改密码", "TUpdatePwd"), item("M_XtcsYhdl", "用户登录", ""),
          sep("N21"), item("N32", "菜单初始化", ""), item("M_XtcsStrz", "系统日志", "TFrmCzrz"),
          sep("N22"), item("N14", "年度结算", "TfrmNdjs"), sep("N24"),
          item("M_XtcsExit", "退出系统", "")}},
        {QStringLiteral("N2"),
         QStringLiteral("基本信息"),
         {item("N12", "单位信息管理", "TdwFrm"), sep("N16"),
          item("N5", "人员类别管理", "TFrmKhlxgl"), item("M_Grxx", "人员信息管理", "TgrFrm"),
          sep("N17"), item("N34", "医院类型管理", "TFrmyylxgl"),
          item("N9", "定点医院管理", "TfrmDdyljg"), sep("N36"),
          item("N55", "医疗项目管理", "TFrmSjlrYlxm"), sep("N37", Hidden),
          item("N35", "费用类型管理", "TFrmfylxgl", Hidden), sep("N39"),
          item("N45", "起付标准设置", "TfrmQfbz"), item("N40", "报销比例设置", "Tfrmbxbl"),
          sep("N41"), item("N42", "系统报表编辑", "Tfrmdesignreport")}},
        {QStringLiteral("N23"),
         QStringLiteral("人事变动"),
         {item("N57", "人员停止报销", "TFrmRsbdRytb"), item("N10", "人员单位调动", "TfrmDwdd"),
          item("N33", "人员类别修改", "Tfrmrylb")}},
        {QStringLiteral("N7"),
         QStringLiteral("费用报销"),
         {item("N11", "门诊报销", "TfrmMzbx", Hidden), item("N8", "医疗费用报销", "TfrmZybx"),
          sep("N13"), item("N27", "门诊报销单据撤销", "TfrmMzDjCx", Hidden),
          item("N28", "报销单据撤销", "TfrmZydjcx"), sep("N29"),
          item("N30", "门诊撤销单据还原", "TfrmMzDjCxHy", Hidden),
          item("N31", "撤销单据还原", "TfrmZydjcxHy", Hidden), sep("N18", Hidden),
          item("N19", "门诊情况查询", "TfrmMzqkcx", Hidden),
          item("N20", "报销情况查询", "TfrmZyqkcx")}},
        {QStringLiteral("N6"),
         QStringLiteral("综合查询"),
         {item("N3", "人员情况查询", "TFrmCBDWRYQK"), item("N46", "人员报销情况查询", "Tfrmjszhqk"),
          item("N47", "参保单位报销情况查询", "TFrmCBDWRYQK")}},
        {QStringLiteral("N25"),
         QStringLiteral("帮助"),
         {item("N43", "关于", "TfrmAbout"), item("N44", "备份数据库", "Tfrmbackup")}},
    };
}
} // namespace

const QList<MenuTopDef>& MenuCatalog::mainMenu()
{
    static const QList<MenuTopDef> menu = build();
    return menu;
}

const QStringList& MenuCatalog::administratorItems()
{
    static const QStringList names{QStringLiteral("M_XtcsYhdl"),   QStringLiteral("N4"),
                                   QStringLiteral("M_XtcsExit"),   QStringLiteral("M_XtcsMmxg"),
                                   QStringLiteral("M_XtcsNdxtcs"), QStringLiteral("N32")};
    return names;
}
