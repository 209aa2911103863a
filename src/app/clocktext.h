#pragma once

#include <QDateTime>
#include <QString>

// The status-bar clock: "2026-12-11 14:23:12 星期五", the same on every locale.
QString clockText(const QDateTime& now);
