#include "app/ui/Screens.h"

#include "app/ui/ScreenRegistry.h"
#include "policy/ui/PolicyListScreens.h"
#include "policy/ui/TGdxtcs.h"
#include "queries/ui/Tfrmdesignreport.h"
#include "refdata/ui/TdwFrm.h"

namespace {
template <typename Screen> void screen(const char* className)
{
    ScreenRegistry::add(QString::fromLatin1(className),
                        [](QWidget* parent) { return new Screen(parent); });
}
} // namespace

void RegisterScreens()
{
    screen<TGdxtcs>("TGdxtcs");
    screen<TNdxtcs>("TNdxtcs");
    screen<TfrmQfbz>("TfrmQfbz");
    screen<Tfrmbxbl>("Tfrmbxbl");
    screen<TdwFrm>("TdwFrm");
    screen<Tfrmdesignreport>("Tfrmdesignreport");
}
