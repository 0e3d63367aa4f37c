#include "policy/DemoVouchers.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Money.h"
#include "policy/ClaimPolicyLoader.h"
#include "policy/Eligibility.h"
#include "policy/LineRule.h"

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace {
struct Person
{
    qint64 id = 0;
    QString name;
    QString idNumber;
    QString category;
    QString position;
    int unit = 0;
    int startYear = 0;
};

struct Item
{
    QString name;
    QString itemClass;
    qint64 ratio = 0; // ten-thousandths
    QString form;
    QString packing;
    Money price;
};

struct Hospital
{
    QString name;
    QString type;
};

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Persons who may claim and have a working start date, as the voucher screen requires.
QList<Person> claimants()
{
    QList<Person> all;
    QSqlQuery q = OpenQuerySql(
        QStringLiteral("select idbh, xm, gmsfhm, rylb, dwid, zgsf, gzsj from grxx order by idbh"));
    while (q.next()) {
        const QString started = q.value(6).toString();
        if (started.size() < 4)
            continue;
        all.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toString(), q.value(5).toString(), q.value(4).toInt(),
                    started.left(4).toInt()});
    }
    q.finish();
    QList<Person> out;
    for (const Person& p : all)
        if (IsBxfw(p.id))
            out.append(p);
    return out;
}

QList<Item> items()
{
    QList<Item> out;
    QSqlQuery q =
        OpenQuerySql(QStringLiteral("select mc, xmlb, zfbl, jx, gg, dj from ylxm order by bh"));
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong(),
                    q.value(3).toString(), q.value(4).toString(), Money::fromStored(q.value(5))});
    return out;
}

QList<Hospital> hospitals()
{
    QList<Hospital> out;
    QSqlQuery q = OpenQuerySql(QStringLiteral("select mc, yylx from ddyljg order by bh"));
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString()});
    return out;
}

struct Totals
{
    Money medical, reimbursable, selfPaid, categoryB, ratioSelfPay;
};

class Generator
{
public:
    Generator(int year, QDate lastDay) : m_year(year), m_lastDay(lastDay) {}
    bool load()
    {
        m_persons = claimants();
        m_items = items();
        m_hospitals = hospitals();
        m_operator =
            QueryScalar(QStringLiteral("select xm from yh where idbh = ?"), {1}).toString();
        // About thirty claimants, so that many have more than one voucher of a type.
        std::shuffle(m_persons.begin(), m_persons.end(), m_rng);
        m_persons = m_persons.mid(0, 30);
        return !m_persons.isEmpty() && !m_items.isEmpty() && !m_hospitals.isEmpty();
    }

    void run(int count)
    {
        const QDate first(m_year, 1, 1);
        const qint64 span = std::max<qint64>(0, first.daysTo(m_lastDay));
        QList<QDate> dates;
        for (int i = 0; i < count; ++i)
            dates.append(first.addDays(qint64(m_rng.bounded(quint64(span + 1)))));
        std::sort(dates.begin(), dates.end());
        for (const QDate& d : dates)
            voucher(d);
    }

private:
    int between(int lo, int hi) { return int(m_rng.bounded(lo, hi + 1)); }
    template <typename T> const T& pick(const QList<T>& list)
    {
        return list.at(int(m_rng.bounded(quint32(list.size()))));
    }

    void voucher(const QDate& date);
    Totals lines(qint64 lsh, bool general);

    int m_year;
    QDate m_lastDay;
    QRandomGenerator m_rng{20261211};
    QList<Person> m_persons;
    QList<Item> m_items;
    QList<Hospital> m_hospitals;
    QString m_operator;
    const QStringList m_departments = words("内科 外科 骨科 妇科 儿科 眼科 口腔科 心内科 消化内科");
    const QStringList m_doctors = words("张建华 李文 王晓红 陈立 刘海波 赵敏 孙志刚 周平");
    const QStringList m_diagnoses = words("上呼吸道感染 高血压 2型糖尿病 急性胃肠炎 "
                                          "腰椎间盘突出症 冠心病 社区获得性肺炎 桡骨骨折 "
                                          "胆囊结石 老年性白内障 慢性支气管炎 过敏性皮炎");
};

Totals Generator::lines(qint64 lsh, bool general)
{
    Totals t;
    const int count = general ? between(3, 8) : between(1, 4);
    for (int no = 1; no <= count; ++no) {
        const Item& item = pick(m_items);
        // costly items once, cheap ones in quantity (a stay in hospital takes more of them)
        const int quantity =
            item.price > Money::fromCents(100000) ? 1 : between(1, general ? 10 : 3);
        QString why;
        const auto a = LineRule::price(
            {item.itemClass, item.ratio, item.price.toText(), QString::number(quantity)}, &why);
        if (!a)
            throw DatabaseError(why);
        RunScratchSql(QStringLiteral("insert into zymx (lsh, zymxbh, xmmc, xmlb, zfbl, jx, gg, dj, "
                                     "sl, ylfy, bxfy, zffy, ylzf, zff) "
                                     "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {lsh, no, item.name, item.itemClass, item.ratio, item.form, item.packing,
                       a->unitPrice.toStored(), a->quantity, a->medicalCost.toStored(),
                       a->reimbursableCost.toStored(), a->selfPaidCost.toStored(),
                       a->categoryBSelfPay.toStored(), a->ratioSelfPay.toStored()});
        t.medical += a->medicalCost;
        t.reimbursable += a->reimbursableCost;
        t.selfPaid += a->selfPaidCost;
        t.categoryB += a->categoryBSelfPay;
        t.ratioSelfPay += a->ratioSelfPay;
    }
    return t;
}

void Generator::voucher(const QDate& date)
{
    const bool general = m_rng.bounded(5) < 2;
    const QString type = general ? QStringLiteral("住院") : QStringLiteral("门诊");
    const Person& p = pick(m_persons);
    const Hospital& h = pick(m_hospitals);
    // The previous amount: what the person paid on earlier vouchers of the year and type.
    const Money previous = Money::fromStored(
        QueryScalar(QStringLiteral("select sum(zfje) from zyzz where sfycx = ? and grbh = ? "
                                   "and ybnd = ? and fylx = ?"),
                    {QStringLiteral("否"), p.id, m_year, type}));
    const qint64 lsh = InsertReturningId(
        QStringLiteral("insert into zyzz (fylx, gmsfzh, ybnd, grbh, xm, gl, ywzf, zgxm, rylb, "
                       "dwbh, yymc, yylx, ks, ys, ryzd, rysj, czy) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {type, p.idNumber, m_year, p.id, p.name, p.startYear, previous.toStored(), p.position,
         p.category, p.unit, h.name, h.type, pick(m_departments), pick(m_doctors),
         pick(m_diagnoses), DateText::fromDate(date), m_operator},
        QStringLiteral("lsh"));
    const Totals t = lines(lsh, general);

    ClaimInput in;
    in.expenseType = type;
    in.claim = t.reimbursable.toDouble();
    in.previous = previous.toDouble();
    in.policy = LoadClaimPolicy(type, QString::number(m_year));
    const ClaimResult r = calcBxje(in);
    const Money reimbursed = Money::fromDouble(r.reimbursed);
    const Money selfPaid = Money::fromDouble(r.selfPaid);

    const QDate settled = std::min(date.addDays(between(0, 5)), m_lastDay);
    RunScratchSql(QStringLiteral("update zyzz set bxfy = ?, ylfy = ?, zfje = ?, zffy = ?, "
                                 "ylzf = ?, zff = ?, sfyjs = ?, sj = ? where lsh = ?"),
                  {reimbursed.toStored(), t.medical.toStored(), selfPaid.toStored(),
                   t.selfPaid.toStored(), t.categoryB.toStored(), t.ratioSelfPay.toStored(),
                   QStringLiteral("是"), DateText::fromDate(settled), lsh});
    const QString sql =
        general ? QStringLiteral("update grxx set zylj = zylj + ?, zyylfylj = zyylfylj + ?, "
                                 "zyzffylj = zyzffylj + ?, zyylzflj = zyylzflj + ?, "
                                 "zyzffy = zyzffy + ?, zyzfje = zyzfje + ? where idbh = ?")
                : QStringLiteral("update grxx set mzlj = mzlj + ?, mzylfylj = mzylfylj + ?, "
                                 "mzzffylj = mzzffylj + ?, mzylzflj = mzylzflj + ?, "
                                 "mzzffy = mzzffy + ?, mzzfje = mzzfje + ? where idbh = ?");
    RunScratchSql(sql,
                  {reimbursed.toStored(), t.medical.toStored(), t.selfPaid.toStored(),
                   t.categoryB.toStored(), t.ratioSelfPay.toStored(), selfPaid.toStored(), p.id});
}
} // namespace

void DemoVouchers::fill()
{
    const int year = QueryScalar(QStringLiteral("select xtnd from gdxtcs")).toInt();
    // Expense dates up to today, within the year.
    const QDate today = Clock::today();
    const QDate lastDay = today.year() == year ? today : QDate(year, 12, 31);
    Generator g(year, lastDay);
    if (g.load())
        g.run(Count);
}
