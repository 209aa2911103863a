#pragma once

#include <QString>

// The first start puts a launcher for the program on the user's desktop:
// "<softwareName>.desktop" in desktopFolder, replacing a file of that name.
// Returns false when it could not be written; nothing else depends on it.
bool writeDesktopShortcut(const QString& desktopFolder, const QString& softwareName,
                          const QString& program, const QString& homeFolder);
