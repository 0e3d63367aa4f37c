#include "policy/Eligibility.h"

#include "data/Database.h"

bool IsBxfw(qint64 personNo)
{
    QSqlQuery q = OpenQuerySql(QStringLiteral("select sfzf from grxx where idbh = ?"),
                               {QVariant::fromValue<qlonglong>(personNo)});
    return !(q.next() && q.value(0).toString() == QStringLiteral("是"));
}
