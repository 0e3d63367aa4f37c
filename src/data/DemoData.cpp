#include "data/DemoData.h"

#include "data/Clock.h"
#include "data/Database.h"

int DemoData::defaultYear()
{
    return Clock::today().year();
}

void DemoData::fill()
{
    Transaction t;
    t.commit();
}
