#pragma once

#include <QString>

class Database;
class QWidget;

// Warns the operator, in a box owned by the window, when the typed code is
// taken; the caller keeps the code only when this returns false.
bool CodeExists(QWidget* owner, const Database& db, const QString& table, const QString& code);
