#pragma once

#include <QString>

#include <functional>

// Replaces every "[...]" of a text with what `replace` makes of its inner text
// (trimmed); a "[" without its "]" stays as it is.
QString ReplacePlaceholders(const QString& text,
                            const std::function<QString(const QString& inner)>& replace);
