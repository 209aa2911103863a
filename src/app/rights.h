#pragma once

#include <QString>

// An operator's other rights ("QX-10,12,18," in BM_YG.QXQT) hold a code when its
// two digits occur anywhere in the text.
inline bool HasOtherRight(const QString& operatorRights, const QString& code) {
    return operatorRights.contains(code);
}
