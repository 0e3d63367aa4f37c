#include "data/Schema.h"

namespace {
ColumnDef id(const char* n)
{
    return {QString::fromLatin1(n), ColumnType::Identity, 0, 0, {}, true};
}
ColumnDef integer(const char* n, const char* def = "")
{
    return {QString::fromLatin1(n), ColumnType::Integer, 0, 0, QString::fromLatin1(def), false};
}
ColumnDef smallint(const char* n)
{
    return {QString::fromLatin1(n), ColumnType::SmallInt, 0, 0, {}, false};
}
ColumnDef text(const char* n, int w, const char* def = "")
{
    return {QString::fromLatin1(n), ColumnType::Text, w, 0, QString::fromUtf8(def), false};
}
// decimal(12,2) with default 0 where the program relies on it
ColumnDef money(const char* n, bool zeroDefault = false)
{
    return {QString::fromLatin1(n),
            ColumnType::Decimal,
            12,
            2,
            zeroDefault ? QStringLiteral("0") : QString(),
            false};
}
ColumnDef decimal(const char* n, int p, int s)
{
    return {QString::fromLatin1(n), ColumnType::Decimal, p, s, {}, false};
}
ColumnDef real(const char* n)
{
    return {QString::fromLatin1(n), ColumnType::Float, 0, 0, {}, false};
}
// the outpatient ratio of the year; 0 unless an administrator sets it
ColumnDef realDefault0(const char* n)
{
    return {QString::fromLatin1(n), ColumnType::Float, 0, 0, QStringLiteral("0"), false};
}
ColumnDef datetime(const char* n)
{
    return {QString::fromLatin1(n), ColumnType::DateTime, 19, 0, {}, false};
}
IndexDef index(const char* name, QStringList cols, bool unique = false)
{
    return {QString::fromLatin1(name), std::move(cols), unique};
}

// The person columns shared by grxx and its archive, in archive order.
QList<ColumnDef> personColumns(bool identity)
{
    QList<ColumnDef> c;
    c << (identity ? id("idbh") : integer("idbh")) << integer("dwid") << text("xm", 8)
      << text("xb", 2) << text("rylb", 40) << text("xl", 20) << text("zgsf", 20)
      << text("gmsfhm", 20) << text("ffyhmc", 40) << text("ffyhzh", 30) << text("lxdh", 15)
      << text("jtzz", 40) << datetime("cssj") << datetime("gzsj") << datetime("txsj");
    const bool z = identity; // the live table relies on zero defaults, the archive copies values
    c << money("mzlj", z) << money("mzylfylj", z) << money("mzzffylj", z) << money("mzylzflj", z)
      << money("mzzffy", z) << money("zylj", z) << money("zyylfylj", z) << money("zyzffylj", z)
      << money("zyylzflj", z) << money("zyzffy", z) << text("sfzf", 2) << text("zfyy", 40)
      << text("bzxx", 200) << money("mzzfje", z) << money("zyzfje", z);
    return c;
}

QList<ColumnDef> lineColumns(const char* lineNo)
{
    return {decimal("lsh", 12, 0), decimal(lineNo, 12, 0),
            text("xmmc", 50),      text("xmlb", 40),
            decimal("zfbl", 6, 4), text("jx", 50),
            text("gg", 50),        money("dj"),
            decimal("sl", 12, 0),  money("ylfy"),
            money("bxfy"),         money("zffy"),
            money("ylzf"),         money("zff")};
}

QList<TableDef> build()
{
    QList<TableDef> t;
    t << TableDef{QStringLiteral("dwxx"),
                  {id("idbh"), text("dwmc", 60), text("dwjc", 20), text("dwdz", 60),
                   text("khyhmc", 40), text("khyhzh", 30), text("fddbr", 8), text("frsfzhm", 18),
                   text("lxr", 8), text("lxdz", 40), text("lxdh", 30), text("bzxx", 200)},
                  {index("dwxx_dwmc", {QStringLiteral("dwmc")})}};

    t << TableDef{QStringLiteral("grxx"),
                  personColumns(true),
                  {index("grxx_gmsfhm", {QStringLiteral("gmsfhm")}),
                   index("grxx_dwid", {QStringLiteral("dwid")}),
                   index("grxx_xm", {QStringLiteral("xm")})}};

    QList<ColumnDef> bak{integer("xtnd")};
    bak << personColumns(false);
    t << TableDef{QStringLiteral("grxx_bak"),
                  bak,
                  {index("grxx_bak_key", {QStringLiteral("xtnd"), QStringLiteral("idbh")}),
                   index("grxx_bak_idbh", {QStringLiteral("idbh")})}};

    t << TableDef{QStringLiteral("rylb"), {id("idbh"), text("rylb", 40), text("ms", 100)}, {}};
    t << TableDef{QStringLiteral("yylx"), {id("bh"), text("yylx", 20), text("ms", 50)}, {}};
    t << TableDef{QStringLiteral("fylx"), {id("bh"), text("fylx", 10), text("ms", 50)}, {}};

    t << TableDef{QStringLiteral("ddyljg"),
                  {id("bh"), text("mc", 40), text("yylx", 20), integer("bxdj"), text("khyh", 40),
                   text("yhzh", 20), text("tel", 15), text("lxr", 10), text("sfyy", 2),
                   text("sfzx", 2)},
                  {index("ddyljg_mc", {QStringLiteral("mc")})}};

    t << TableDef{
        QStringLiteral("ylxm"),
        {id("bh"), text("mc", 40), text("xmlb", 40), decimal("zfbl", 6, 4), decimal("dj", 6, 2),
         text("jx", 30), text("pybh", 12), text("sfsy", 2), text("gg", 30)},
        {index("ylxm_mc", {QStringLiteral("mc")}), index("ylxm_pybh", {QStringLiteral("pybh")})}};

    t << TableDef{QStringLiteral("qfbz"),
                  {id("bh"), text("fylx", 255), integer("qfbz")},
                  {index("qfbz_fylx", {QStringLiteral("fylx")})}};
    t << TableDef{
        QStringLiteral("bxbl"),
        {text("fylx", 20), integer("zfje"), real("zfbl"), text("rylb", 40), text("yylx", 20)},
        {index("bxbl_fylx", {QStringLiteral("fylx"), QStringLiteral("zfje")})}};
    t << TableDef{QStringLiteral("ndxtcs"),
                  {integer("xtnd"), real("mzzfxe"), real("zyzfxe"), realDefault0("mzbl")},
                  {index("ndxtcs_xtnd", {QStringLiteral("xtnd")}, true)}};
    t << TableDef{
        QStringLiteral("gdxtcs"), {integer("xtnd"), text("bflj", 260), text("zcmc", 100)}, {}};

    t << TableDef{QStringLiteral("zyzz"),
                  {id("lsh"),           integer("ybnd"),          text("fylx", 20),
                   integer("dwbh"),     integer("grbh"),          text("xm", 8),
                   smallint("gl"),      text("rylb", 40),         text("gmsfzh", 20),
                   money("ywzf", true), text("zgxm", 20),         text("yylx", 20),
                   text("yymc", 40),    text("ryzd", 40),         text("ks", 50),
                   text("ys", 8),       datetime("rysj"),         money("ylfy", true),
                   money("bxfy", true), money("zffy", true),      money("ylzf", true),
                   money("zff", true),  money("zfje", true),      text("czy", 10),
                   datetime("sj"),      text("sfyjs", 2, "'否'"), text("sfycx", 2, "'否'")},
                  {index("zyzz_person",
                         {QStringLiteral("grbh"), QStringLiteral("ybnd"), QStringLiteral("fylx")}),
                   index("zyzz_sj", {QStringLiteral("sj")}),
                   index("zyzz_rysj", {QStringLiteral("rysj")})}};

    t << TableDef{QStringLiteral("zymx"),
                  lineColumns("zymxbh"),
                  {index("zymx_lsh", {QStringLiteral("lsh"), QStringLiteral("zymxbh")})}};
    t << TableDef{QStringLiteral("mzmx"),
                  lineColumns("mzmxbh"),
                  {index("mzmx_lsh", {QStringLiteral("lsh"), QStringLiteral("mzmxbh")})}};

    t << TableDef{QStringLiteral("mzzz"),
                  {id("lsh"),
                   integer("ybnd"),
                   integer("grbh"),
                   text("xm", 8),
                   text("gmsfzh", 20),
                   integer("dwbh"),
                   text("rylb", 40),
                   text("zgxm", 20),
                   money("ywbx", true),
                   text("yymc", 40),
                   money("ylfy", true),
                   money("bxfy", true),
                   money("zffy", true),
                   money("ylzf", true),
                   money("zff", true),
                   datetime("mzsj"),
                   text("czy", 8),
                   datetime("sj"),
                   text("sfyjs", 2, "'否'"),
                   text("sfycx", 2, "'否'")},
                  {index("mzzz_grbh", {QStringLiteral("grbh"), QStringLiteral("ybnd")}),
                   index("mzzz_sj", {QStringLiteral("sj")})}};

    t << TableDef{
        QStringLiteral("yh"), {id("idbh"), text("xm", 8), text("pybm", 8), text("mm", 255)}, {}};
    ColumnDef gnKey = integer("bh");
    gnKey.primaryKey = true;
    t << TableDef{QStringLiteral("gn"),
                  {gnKey, text("mk", 50), text("cd", 50), text("mkms", 50), text("cdms", 50)},
                  {}};
    t << TableDef{QStringLiteral("yhgn"),
                  {integer("yhbh"), integer("gnbh")},
                  {index("yhgn_yhbh", {QStringLiteral("yhbh"), QStringLiteral("gnbh")})}};
    t << TableDef{QStringLiteral("czrz"),
                  {id("bh"), text("czy", 8), datetime("sj"), text("cz", 100)},
                  {index("czrz_sj", {QStringLiteral("sj")})}};
    return t;
}

QString columnSql(const ColumnDef& c, Backend b)
{
    const bool pg = b == Backend::Postgres;
    QString type;
    QString check;
    switch (c.type) {
    case ColumnType::Identity:
        return pg ? c.name + QStringLiteral(" integer generated by default as identity primary key")
                  : c.name + QStringLiteral(" integer primary key autoincrement");
    case ColumnType::Integer:
        type = QStringLiteral("integer");
        break;
    case ColumnType::SmallInt:
        type = QStringLiteral("smallint");
        if (!pg)
            check = QStringLiteral("%1 between -32768 and 32767").arg(c.name);
        break;
    case ColumnType::Decimal: {
        // decimal(p,s) as an integer of at most p digits
        type = QStringLiteral("bigint");
        QString bound = QStringLiteral("1") + QString(c.width, QLatin1Char('0'));
        check = QStringLiteral("%1 > -%2 and %1 < %2").arg(c.name, bound);
        break;
    }
    case ColumnType::Float:
        type = pg ? QStringLiteral("double precision") : QStringLiteral("real");
        break;
    case ColumnType::DateTime:
    case ColumnType::Text:
        if (pg) {
            type = QStringLiteral("varchar(%1)").arg(c.width);
        } else {
            type = QStringLiteral("text");
            check = QStringLiteral("length(%1) <= %2").arg(c.name).arg(c.width);
        }
        break;
    }
    QString sql = c.name + QLatin1Char(' ') + type;
    if (c.primaryKey)
        sql += QStringLiteral(" primary key");
    if (!c.defaultSql.isEmpty())
        sql += QStringLiteral(" default ") + c.defaultSql;
    if (!check.isEmpty())
        sql += QStringLiteral(" check (%1)").arg(check);
    return sql;
}
} // namespace

const ColumnDef* TableDef::column(const QString& n) const
{
    for (const auto& c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const QList<TableDef>& Schema::tables()
{
    static const QList<TableDef> all = build();
    return all;
}

const TableDef* Schema::table(const QString& name)
{
    for (const auto& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList Schema::createStatements(Backend backend)
{
    QStringList out;
    for (const auto& t : tables()) {
        QStringList cols;
        for (const auto& c : t.columns)
            cols << columnSql(c, backend);
        out << QStringLiteral("create table %1 (%2)").arg(t.name, cols.join(QStringLiteral(", ")));
        for (const auto& i : t.indexes)
            out << QStringLiteral("create %1index %2 on %3 (%4)")
                       .arg(i.unique ? QStringLiteral("unique ") : QString(), i.name, t.name,
                            i.columns.join(QStringLiteral(", ")));
    }
    out << QStringLiteral("create table schema_version (version integer not null)");
    return out;
}

qint64 Schema::scaleFactor(const ColumnDef& column)
{
    if (column.type != ColumnType::Decimal)
        return 1;
    qint64 f = 1;
    for (int i = 0; i < column.scale; ++i)
        f *= 10;
    return f;
}
