#pragma once

#include <QList>
#include <QString>

// The main menu as data: the desktop program builds its menu bar from it and menu
// initialisation stores it in table gn. Component names are object names of the menu actions.
struct MenuItemDef
{
    QString name;    // component name, e.g. "M_XtcsGdxtcs"
    QString caption; // "-" for a separator
    bool visible = true;
    QString opens; // class name of the screen it opens, empty for none

    bool isSeparator() const { return caption == QLatin1String("-"); }
};

struct MenuTopDef
{
    QString name;
    QString caption;
    QList<MenuItemDef> items;
};

namespace MenuCatalog {
const QList<MenuTopDef>& mainMenu();
// Names the administrator (operator 1) always gets after a login.
const QStringList& administratorItems();
} // namespace MenuCatalog
