#pragma once

#include <QList>
#include <QString>

namespace kelvra {

// One item of the main menu: its component name, caption, handler and guarding access name
// (empty when it opens without a check).
struct MenuItemEntry
{
    QString menuName;
    QString itemName;
    QString caption;
    QString handler;
    QString accessName;
};

struct MenuEntry
{
    QString menuName;
    QString caption;
};

QList<MenuEntry> mainMenus();
QList<MenuItemEntry> mainMenuItems();

} // namespace kelvra
