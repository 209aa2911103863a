#pragma once

#include <QList>
#include <QString>

// One entry of a main menu; a separator has the caption "-".
struct MenuEntry {
    QString name;
    QString caption;
    bool shown = true;

    bool isSeparator() const { return caption == QLatin1String("-"); }
};

struct MainMenu {
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

// The five menus of the main window in their order. Rights codes follow the
// positions, so an entry inserted here renumbers every entry after it.
const QList<MainMenu>& mainMenus();

// Menus 1 to 4 are governed by rights; the help menu is always usable.
inline constexpr int kMenusWithRights = 4;

// Menu number (from 1) followed by the position (from 0) plus 10: "318".
QString menuEntryCode(int menuNumber, int position);
