#pragma once

#include <QString>

// The remembered login password (Default.ini dl/mm) is kept scrambled so that
// it cannot be read at a glance. This is no protection against a determined
// reader of the file, which is why the file is owner-only.
namespace SavedPassword {

QString scramble(const QString& password);
// Undoes scramble(); a value written by hand is taken as it stands.
QString unscramble(const QString& saved);

}  // namespace SavedPassword
