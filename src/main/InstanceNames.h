#pragma once

#include <QString>

namespace kelvra {

// Where the copies of one user on one display meet: the lock that decides which copy is the
// first, and the local socket the first copy listens on.
struct InstanceNames
{
    QString lockFilePath;
    QString serverName; // a full path, so that it does not depend on Qt's default folder

    // The names for this user and display, in the runtime folder (the temp folder without one).
    static InstanceNames forSession(const QString& platformName);
    static InstanceNames inFolder(const QString& folder, const QString& key);
};

// "TSPmenu_form", the user and the display, fit for a file name.
QString instanceKey(const QString& userName, const QString& display);

QString currentUserName();
// DISPLAY, else WAYLAND_DISPLAY, else the platform name (offscreen, windows, ...).
QString currentDisplay(const QString& platformName);
QString instanceFolder();

} // namespace kelvra
