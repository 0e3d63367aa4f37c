#include "data/OperationLog.h"

#include "app/OperatorContext.h"
#include "data/Clock.h"
#include "data/Database.h"

#include <QDebug>

void WriteOperationLog(const QString& text)
{
    const auto* table = Schema::table(QStringLiteral("czrz"));
    const int nameWidth = table->column(QStringLiteral("czy"))->width;
    const int textWidth = table->column(QStringLiteral("cz"))->width;
    const QString name = OperatorContext::current().operatorName.left(nameWidth);
    if (!ExecQuerySql(QStringLiteral("insert into czrz (czy, sj, cz) values (?, ?, ?)"),
                      {name, Clock::nowText(), text.left(textWidth)}))
        qWarning("operation log line not written: %s", qPrintable(text));
}
