#pragma once

#include <QString>

class Database;
struct NumberingContext;

// The number with its last five digits moved by `step`, kept at five digits
// with leading zeros: "…99999" + 1 is "…00000".
QString StepOrderNumber(const QString& id, int step);

// The next order number, passing over numbers that already have lines.
QString NextFreeOrderNumber(const Database& db, const NumberingContext& numbering);
