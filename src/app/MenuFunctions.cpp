#include "app/MenuFunctions.h"

#include "app/MenuCatalog.h"
#include "data/Database.h"

void RebuildMenuFunctions()
{
    RunScratchSql(QStringLiteral("delete from gn"));
    RunScratchSql(QStringLiteral("delete from yhgn"));
    int counter = 0;
    for (const auto& top : MenuCatalog::mainMenu())
        for (const auto& item : top.items)
            RunScratchSql(
                QStringLiteral("insert into gn (bh, mk, cd, mkms, cdms) values (?, ?, ?, ?, ?)"),
                {++counter, top.name, item.name, top.caption, item.caption});
}

void GrantAllMenuFunctions(int operatorId)
{
    RunScratchSql(QStringLiteral("insert into yhgn (yhbh, gnbh) select ?, bh from gn order by bh"),
                  {operatorId});
}
