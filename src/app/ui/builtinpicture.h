#pragma once

#include <QPixmap>
#include <QString>

// The picture a window shows while its file is missing: a soft gradient with a
// line of text, drawn instead of shipped.
QPixmap builtinPicture(const QSize& size, const QString& text);
