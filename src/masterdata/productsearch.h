#pragma once

#include <QString>

#include "masterdata/productquery.h"

class Database;

// The quick product box of the documents: a product matches when its pinyin
// initials or its barcode contain the text, or its code is the text. Letters
// match without regard to case; ', % and _ are found as typed.
ProductQuery QuickMatches(const QString& text);

// How many products match. Throws StoreError.
int CountQuickMatches(const Database& db, const QString& text);
