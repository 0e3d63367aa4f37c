#include "app/ui/ScreenRegistry.h"

#include <QDialog>
#include <QHash>
#include <memory>

namespace {
QHash<QString, ScreenRegistry::Factory>& factories()
{
    static QHash<QString, ScreenRegistry::Factory> f;
    return f;
}
} // namespace

void ScreenRegistry::add(const QString& className, Factory factory)
{
    factories().insert(className, std::move(factory));
}

bool ScreenRegistry::contains(const QString& className)
{
    return factories().contains(className);
}

bool ScreenRegistry::open(const QString& className, QWidget* parent)
{
    const auto it = factories().constFind(className);
    if (it == factories().constEnd())
        return false;
    std::unique_ptr<QDialog> screen(it.value()(parent));
    if (!screen)
        return false;
    screen->exec();
    return true;
}
