#include "data/DemoData.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/TextRoutines.h"
#include "policy/DemoVouchers.h"
#include "users/PasswordCipher.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QStringList>

namespace {
QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A fixed seed: every demo folder holds the same sample data.
QRandomGenerator& rng()
{
    static QRandomGenerator r(20261211);
    return r;
}

int between(int lo, int hi)
{
    return int(rng().bounded(lo, hi + 1));
}

template <typename T> const T& pick(const QList<T>& list)
{
    return list.at(int(rng().bounded(qsizetype(list.size()))));
}

void insertUnits()
{
    struct Unit
    {
        const char* name;
        const char* shortName;
        const char* address;
    };
    const Unit units[] = {
        {"示范公司机关本部", "机关本部", "建设路88号"},
        {"示范公司第一分公司", "一分公司", "解放大道120号"},
        {"示范公司第二分公司", "二分公司", "人民路45号"},
        {"示范公司物流中心", "物流中心", "港口路7号"},
        {"示范公司研发中心", "研发中心", "科技园创新路3号"},
        {"示范公司销售公司", "销售公司", "中山北路210号"},
        {"示范公司后勤服务部", "后勤服务部", "建设路90号"},
    };
    const QStringList banks = words("工商银行城东支行 建设银行人民路支行 农业银行港口支行");
    const QStringList contacts = words("王丽 陈刚 刘芳 赵强 孙敏 周涛 吴静");
    int i = 0;
    for (const auto& u : units) {
        RunScratchSql(QStringLiteral("insert into dwxx (dwmc, dwjc, dwdz, khyhmc, khyhzh, fddbr, "
                                     "lxr, lxdz, lxdh) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {QString::fromUtf8(u.name), QString::fromUtf8(u.shortName),
                       QString::fromUtf8(u.address), banks.at(i % banks.size()),
                       QStringLiteral("62220%1").arg(100200300 + i * 7919),
                       contacts.at((i + 3) % contacts.size()), contacts.at(i % contacts.size()),
                       QString::fromUtf8(u.address),
                       QStringLiteral("0571-8%1").arg(6100200 + i * 131)});
        ++i;
    }
}

void insertCodeTables()
{
    const QStringList categories = words("在职职工 退休职工 离休干部 职工配偶 职工子女");
    const QStringList categoryNotes =
        words("在岗的正式职工 已办理退休手续的职工 离休干部 职工的配偶 未成年的职工子女");
    for (int i = 0; i < categories.size(); ++i)
        RunScratchSql(QStringLiteral("insert into rylb (rylb, ms) values (?, ?)"),
                      {categories.at(i), categoryNotes.at(i)});
    const QStringList hospitalTypes = words("三级医院 二级医院 一级医院 社区卫生服务中心");
    for (const QString& t : hospitalTypes)
        RunScratchSql(QStringLiteral("insert into yylx (yylx, ms) values (?, ?)"), {t, t});
}

void insertHospitals()
{
    struct Hospital
    {
        const char* name;
        const char* type;
        int grade;
    };
    const Hospital hospitals[] = {
        {"市第一人民医院", "三级医院", 3},
        {"市中医院", "三级医院", 3},
        {"省立医院", "三级医院", 3},
        {"市第二人民医院", "二级医院", 2},
        {"城东区人民医院", "二级医院", 2},
        {"港区医院", "二级医院", 2},
        {"科技园医院", "一级医院", 1},
        {"建设路社区卫生服务中心", "社区卫生服务中心", 1},
        {"人民路社区卫生服务中心", "社区卫生服务中心", 1},
        {"市妇幼保健院", "二级医院", 2},
    };
    const QStringList contacts = words("张医生 李主任 王科长 陈主任 刘科长");
    int i = 0;
    for (const auto& h : hospitals) {
        RunScratchSql(QStringLiteral("insert into ddyljg (mc, yylx, bxdj, khyh, yhzh, tel, lxr, "
                                     "sfyy, sfzx) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {QString::fromUtf8(h.name), QString::fromUtf8(h.type), h.grade,
                       QStringLiteral("工商银行"), QStringLiteral("95588%1").arg(10000 + i * 37),
                       QStringLiteral("0571-8%1").arg(7000100 + i * 17), contacts.at(i % 5),
                       QStringLiteral("是"), i == 9 ? QStringLiteral("是") : QStringLiteral("否")});
        ++i;
    }
}

void insertItems()
{
    struct Group
    {
        const char* itemClass;
        const char* names;
        const char* form;
        int ratioPerTenThousand; // self-pay ratio
        int minCents;
        int maxCents;
    };
    const Group groups[] = {
        {"甲类药品",
         "阿莫西林胶囊 青霉素钠 头孢氨苄片 对乙酰氨基酚片 布洛芬缓释胶囊 阿司匹林肠溶片 "
         "硝苯地平片 二甲双胍片 复方甘草片 维生素C片 葡萄糖注射液 氯化钠注射液 甲硝唑片 "
         "红霉素软膏 板蓝根颗粒 感冒清热颗粒 氨茶碱片 地塞米松片 胰岛素注射液 卡托普利片",
         "片剂", 0, 150, 8000},
        {"乙类药品",
         "阿托伐他汀钙片 氯吡格雷片 奥美拉唑肠溶胶囊 左氧氟沙星片 头孢克肟胶囊 "
         "缬沙坦胶囊 苯磺酸氨氯地平片 瑞舒伐他汀片 兰索拉唑片 阿卡波糖片 "
         "丹参滴丸 银杏叶片 复方丹参片 六味地黄丸 清开灵注射液 "
         "低分子肝素注射液 单硝酸异山梨酯片 美托洛尔缓释片 格列齐德片 孟鲁司特钠片",
         "片剂", 1000, 800, 25000},
        {"自费",
         "冬虫夏草胶囊 人参口服液 阿胶 鱼油软胶囊 蛋白粉 钙片 复合维生素 褪黑素片 "
         "燕窝口服液 灵芝孢子粉 维生素E软胶囊 葡萄籽胶囊 胶原蛋白口服液 益生菌粉 叶黄素片",
         "胶囊", 10000, 2000, 60000},
        {"检查费",
         "血常规 尿常规 肝功能 肾功能 血脂四项 心电图 胸部X线片 腹部B超 甲状腺功能 血糖测定", "", 0,
         1000, 20000},
        {"床位费", "普通病房床位 双人病房床位 单人病房床位 重症监护床位 观察床位", "", 0, 2000,
         30000},
        {"治疗费", "静脉输液 肌肉注射 换药 清创缝合 针灸 推拿 雾化吸入 吸氧 导尿 理疗", "", 0, 500,
         15000},
        {"特殊检查",
         "CT平扫 磁共振成像 胃镜检查 肠镜检查 冠状动脉造影 骨密度测定 PET-CT 彩色多普勒超声 "
         "动态心电图 肺功能检查",
         "", 2000, 20000, 300000},
        {"特殊治疗",
         "血液透析 体外冲击波碎石 心脏起搏器植入 放射治疗 化学治疗 高压氧治疗 介入治疗 "
         "激光治疗 射频消融 康复训练",
         "", 2000, 30000, 900000},
    };
    for (const auto& g : groups) {
        for (const QString& name : words(g.names)) {
            const int cents = between(g.minCents, g.maxCents);
            RunScratchSql(
                QStringLiteral("insert into ylxm (mc, xmlb, zfbl, dj, jx, pybh, sfsy, gg) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?)"),
                {name, QString::fromUtf8(g.itemClass), g.ratioPerTenThousand,
                 Money::fromCents(cents).toStored(), QString::fromUtf8(g.form),
                 GetPinyinInitials(name).left(12), QStringLiteral("是"),
                 QString::fromUtf8(g.form).isEmpty()
                     ? QStringLiteral("次")
                     : QStringLiteral("每盒%1粒").arg(between(1, 4) * 6)});
        }
    }
}

void insertPolicy(int year)
{
    RunScratchSql(QStringLiteral("update ndxtcs set mzzfxe = ?, zyzfxe = ? where xtnd = ?"),
                  {3000.0, 50000.0, year});
    RunScratchSql(QStringLiteral("insert into ndxtcs (xtnd, mzzfxe, zyzfxe) values (?, ?, ?)"),
                  {year - 1, 2500.0, 45000.0});
    RunScratchSql(QStringLiteral("insert into qfbz (fylx, qfbz) values (?, ?)"),
                  {QStringLiteral("门诊"), 200});
    RunScratchSql(QStringLiteral("insert into qfbz (fylx, qfbz) values (?, ?)"),
                  {QStringLiteral("住院"), 1000});
    struct Band
    {
        const char* type;
        int bound;
        double ratio;
    };
    const Band bands[] = {{"门诊", 1000, 0.6}, {"门诊", 3000, 0.7},  {"门诊", 10000, 0.8},
                          {"住院", 5000, 0.8}, {"住院", 20000, 0.9}, {"住院", 100000, 0.95}};
    for (const auto& b : bands)
        RunScratchSql(QStringLiteral("insert into bxbl (fylx, zfje, zfbl) values (?, ?, ?)"),
                      {QString::fromUtf8(b.type), b.bound, b.ratio});
}

void insertPersons(int year)
{
    const QStringList surnames =
        words("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 "
              "韩 冯 邓 曹 彭 曾 萧 田 董 潘 袁 蔡 蒋 余 于 杜 叶 程 魏 苏 吕 丁 任 沈 欧阳 司马");
    const QStringList givenMale =
        words("伟 强 磊 军 勇 杰 涛 明 超 刚 平 辉 鹏 华 飞 建国 志强 文斌 海涛 德明");
    const QStringList givenFemale =
        words("芳 娜 敏 静 丽 艳 娟 霞 秀英 桂英 玉兰 丹 萍 红 玲 婷 雪 琳 璐 慧");
    const QStringList positions =
        words("科员 工程师 会计 主任 经理 技术员 司机 销售代表 助理 部长");
    const QStringList stopReasons = words("调离本单位 死亡 参加其他保险 长期出国");
    const QStringList addresses = words("建设路 解放大道 人民路 港口路 中山北路 科技园 城东新村");
    const int units = QueryScalar(QStringLiteral("select count(*) from dwxx")).toInt();

    QSqlQuery q(Database::connection());
    q.prepare(QStringLiteral(
        "insert into grxx (dwid, xm, xb, rylb, xl, zgsf, gmsfhm, lxdh, jtzz, cssj, gzsj, txsj, "
        "sfzf, zfyy, bzxx) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < 200; ++i) {
        const bool male = rng().bounded(2) == 0;
        const QString name = pick(surnames) + (male ? pick(givenMale) : pick(givenFemale));
        const bool relative = i % 7 == 3;
        const bool retired = !relative && (i % 5 == 1 || i % 50 == 7);
        QString category = retired ? QStringLiteral("退休职工") : QStringLiteral("在职职工");
        if (relative)
            category = i % 2 ? QStringLiteral("职工子女") : QStringLiteral("职工配偶");
        if (i % 50 == 7 && !relative)
            category = QStringLiteral("离休干部");
        const bool child = category == QStringLiteral("职工子女");
        const bool veteran = category == QStringLiteral("离休干部");
        const int age = child     ? between(3, 17)
                        : veteran ? between(85, 95)
                        : retired ? between(60, 82)
                                  : between(22, 59);
        const QDate birth(year - age, between(1, 12), between(1, 28));
        // insured since starting work; a child since birth
        const QDate started = child ? birth : birth.addYears(between(18, std::min(age, 24)));
        const QString id = QStringLiteral("330106%1%2")
                               .arg(birth.toString(QStringLiteral("yyyyMMdd")))
                               .arg(between(1000, 9999));
        const bool stopped = i % 23 == 5;
        q.addBindValue(1 + i % units);
        q.addBindValue(name);
        q.addBindValue(male ? QStringLiteral("男") : QStringLiteral("女"));
        q.addBindValue(category);
        q.addBindValue(QStringLiteral("本科"));
        q.addBindValue(relative ? QString() : pick(positions));
        q.addBindValue(id);
        q.addBindValue(QStringLiteral("13%1").arg(900000000 + i * 7717));
        q.addBindValue(pick(addresses) + QStringLiteral("%1号").arg(between(1, 300)));
        q.addBindValue(DateText::fromDate(birth));
        q.addBindValue(DateText::fromDate(started));
        q.addBindValue(retired ? DateText::fromDate(birth.addYears(60))
                               : QVariant(QMetaType::fromType<QString>()));
        q.addBindValue(stopped ? QStringLiteral("是") : QStringLiteral("否"));
        q.addBindValue(stopped ? pick(stopReasons) : QString());
        q.addBindValue(QString());
        if (!q.exec())
            throw DatabaseError(q.lastError().text());
    }
}

void insertOperators()
{
    // A second operator without any rights, for trying the menu permissions.
    const QString name = QStringLiteral("李会计");
    RunScratchSql(QStringLiteral("insert into yh (xm, pybm, mm) values (?, ?, ?)"),
                  {name, GetPinyinInitials(name), EncryptPassword(QStringLiteral("demo"))});
}
} // namespace

int DemoData::defaultYear()
{
    return Clock::today().year();
}

void DemoData::fill()
{
    const int year = QueryScalar(QStringLiteral("select xtnd from gdxtcs")).toInt();
    Transaction t;
    insertUnits();
    insertCodeTables();
    insertHospitals();
    insertItems();
    insertPolicy(year);
    insertPersons(year);
    insertOperators();
    DemoVouchers::fill();
    t.commit();
}
