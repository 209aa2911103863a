#pragma once

#include <QString>
#include <QStringList>

class Database;

// Products a quick-box text stands for: the pinyin initials or the barcode
// contain it, or the code is it. Throws StoreError.
int CountQuickMatches(const Database& db, const QString& text);
// Their codes in code order.
QStringList QuickMatches(const Database& db, const QString& text);
