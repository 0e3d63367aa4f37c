#include "platform/ReportSampleData.h"

#include "data/Money.h"
#include "platform/Report.h"

namespace {
QVariant money(qint64 cents)
{
    return QVariant::fromValue(Money::fromCents(cents));
}

struct SampleLine
{
    const char* name;
    const char* itemClass;
    const char* form;
    const char* packing;
    qint64 price; // cents
    int quantity;
    double selfRatio;
};

const SampleLine Lines[] = {
    {"阿莫西林胶囊", "甲类药品", "胶囊", "0.25g×24粒", 1850, 3, 0},
    {"头孢克肟分散片", "乙类药品", "片剂", "0.1g×6片", 3260, 2, 0.1},
    {"复方甘草片", "甲类药品", "片剂", "100片", 620, 1, 0},
    {"血常规检查", "检查费", "", "", 2500, 1, 0},
    {"胸部X线摄片", "检查费", "", "", 8000, 1, 0},
    {"氯化钠注射液", "甲类药品", "注射剂", "250ml", 450, 6, 0},
    {"维生素C片", "自费", "片剂", "0.1g×100片", 380, 2, 1},
    {"床位费", "床位费", "", "", 4000, 7, 0},
};

ReportDataset lines(const QString& lineNo, qint64 lsh, qint64* total)
{
    QList<QVariantList> rows;
    int no = 0;
    *total = 0;
    for (const auto& l : Lines) {
        const qint64 cost = l.price * l.quantity;
        *total += cost;
        const bool self = l.selfRatio >= 1;
        const qint64 ratioPart = self ? 0 : qRound64(cost * l.selfRatio);
        rows << QVariantList{lsh,
                             ++no,
                             QString::fromUtf8(l.name),
                             QString::fromUtf8(l.itemClass),
                             l.selfRatio,
                             QString::fromUtf8(l.form),
                             QString::fromUtf8(l.packing),
                             money(l.price),
                             l.quantity,
                             money(cost),
                             money(self ? 0 : cost - ratioPart),
                             money(self ? cost : 0),
                             money(ratioPart),
                             money(0)};
    }
    return ReportDataset({QStringLiteral("lsh"), lineNo, QStringLiteral("xmmc"),
                          QStringLiteral("xmlb"), QStringLiteral("zfbl"), QStringLiteral("jx"),
                          QStringLiteral("gg"), QStringLiteral("dj"), QStringLiteral("sl"),
                          QStringLiteral("ylfy"), QStringLiteral("bxfy"), QStringLiteral("zffy"),
                          QStringLiteral("ylzf"), QStringLiteral("zff")},
                         rows);
}
} // namespace

void ReportSampleData::bind(Report& report)
{
    ReportData& d = report.data();
    d.clear();
    qint64 total = 0;
    d.bind(QStringLiteral("rmzymx"), lines(QStringLiteral("zymxbh"), 1024, &total));
    d.bind(QStringLiteral("RMzyzz"),
           ReportDataset({"lsh",  "ybnd",   "fylx", "dwbh", "grbh",  "xm",    "gl",
                          "rylb", "gmsfzh", "ywzf", "zgxm", "yylx",  "yymc",  "ryzd",
                          "ks",   "ys",     "rysj", "ylfy", "bxfy",  "zffy",  "ylzf",
                          "zff",  "zfje",   "czy",  "sj",   "sfyjs", "sfycx", "dwmc"},
                         {{1024,
                           2026,
                           QStringLiteral("住院"),
                           3,
                           57,
                           QStringLiteral("王建国"),
                           1998,
                           QStringLiteral("在职"),
                           QStringLiteral("110101197003150012"),
                           money(35000),
                           QStringLiteral("工程师"),
                           QStringLiteral("三级医院"),
                           QStringLiteral("市第一人民医院"),
                           QStringLiteral("肺炎"),
                           QStringLiteral("呼吸内科"),
                           QStringLiteral("李明"),
                           QStringLiteral("2026-03-02 00:00:00"),
                           money(total),
                           money(total * 8 / 10),
                           money(760),
                           money(652),
                           money(total * 2 / 10 - 1412),
                           money(total - total * 8 / 10),
                           QStringLiteral("张会计"),
                           QStringLiteral("2026-03-09 10:21:05"),
                           QStringLiteral("是"),
                           QStringLiteral("否"),
                           QStringLiteral("第三分厂")}}));
    d.link(QStringLiteral("rmzymx"), QStringLiteral("RMzyzz"), QStringLiteral("lsh"),
           QStringLiteral("lsh"));

    d.bind(QStringLiteral("rmmzmx"), lines(QStringLiteral("mzmxbh"), 311, &total));
    d.bind(QStringLiteral("rmmzzz"),
           ReportDataset({"lsh",  "ybnd", "grbh", "xm",   "gmsfzh", "dwbh",  "rylb",
                          "zgxm", "ywbx", "yymc", "ylfy", "bxfy",   "zffy",  "ylzf",
                          "zff",  "mzsj", "czy",  "sj",   "sfyjs",  "sfycx", "dwmc"},
                         {{311,
                           2026,
                           61,
                           QStringLiteral("刘芳"),
                           QStringLiteral("110101198507220025"),
                           2,
                           QStringLiteral("家属"),
                           QStringLiteral("刘志强"),
                           money(12000),
                           QStringLiteral("区中心医院"),
                           money(total),
                           money(total * 7 / 10),
                           money(760),
                           money(652),
                           money(total * 3 / 10 - 1412),
                           QStringLiteral("2026-04-11 00:00:00"),
                           QStringLiteral("张会计"),
                           QStringLiteral("2026-04-11 15:40:00"),
                           QStringLiteral("是"),
                           QStringLiteral("否"),
                           QStringLiteral("机关")}}));
    d.link(QStringLiteral("rmmzmx"), QStringLiteral("rmmzzz"), QStringLiteral("lsh"),
           QStringLiteral("lsh"));

    const QStringList person{"idbh",   "dwmc",   "xm",     "xb",   "zgsf", "rylb", "cssj",
                             "gmsfhm", "ffyhmc", "ffyhzh", "mzlj", "gzsj", "zylj"};
    d.bind(QStringLiteral("RMDBmaster"),
           ReportDataset(person, {{57, QStringLiteral("第三分厂"), QStringLiteral("王建国"),
                                   QStringLiteral("男"), QStringLiteral("工程师"),
                                   QStringLiteral("在职"), QStringLiteral("1970-03-15"),
                                   QStringLiteral("110101197003150012"), QString(), QString(),
                                   money(86050), QStringLiteral("1998-07-01"), money(1250000)}}));
    QList<QVariantList> years;
    const qint64 archived[][2] = {{2023, 0}, {2024, 0}, {2025, 0}};
    const qint64 amounts[][2] = {{42000, 380000}, {61550, 0}, {120030, 1526075}};
    for (int i = 0; i < 3; ++i)
        years << QVariantList{archived[i][0],
                              57,
                              QStringLiteral("第三分厂"),
                              QStringLiteral("王建国"),
                              QStringLiteral("男"),
                              QStringLiteral("工程师"),
                              QStringLiteral("在职"),
                              QStringLiteral("1970-03-15"),
                              QStringLiteral("110101197003150012"),
                              QString(),
                              QString(),
                              money(amounts[i][0]),
                              QStringLiteral("1998-07-01"),
                              money(amounts[i][1])};
    d.bind(QStringLiteral("RMzhqk"), ReportDataset(QStringList{"xtnd"} + person, years));
    d.link(QStringLiteral("RMzhqk"), QStringLiteral("RMDBmaster"), QStringLiteral("idbh"),
           QStringLiteral("idbh"));

    // the program's memos, where the template has them
    const std::pair<const char*, const char*> memos[] = {
        {"memo_dw", "报销单位：示范公司"}, {"memo20", "1139.50"}, {"memo22", "7500.00"}};
    for (const auto& [name, text] : memos)
        if (ReportObject* o = report.findObject(QString::fromUtf8(name)))
            o->text = QString::fromUtf8(text);
}
