#pragma once

#include <QString>

// Fits a text to a width counted in characters. Right alignment (anything but
// "L") keeps the end of a text that is too long, left alignment its beginning.
QString PadText(const QString& text, int width, const QString& alignment);

// Digits with at most one point, and no more than one "0" before the point:
// the rule the quantity and price fields have always applied.
bool IsDecimalText(const QString& text);

// Not empty, and nothing but digits and points.
bool IsDigitsOrPoints(const QString& text);
