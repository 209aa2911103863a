#include "masterdata/productinitials.h"

#include "services/pinyin.h"
#include "store/editabletable.h"

void RegenerateProductInitials(EditableTable& rows, PinyinDictionary& dictionary,
                               const std::function<void(int, int)>& progress) {
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        const QString name = rows.value(row, QStringLiteral("MC")).toString();
        rows.setValue(row, QStringLiteral("JP"), PinyinInitials(dictionary, name));
        if (progress) {
            progress(row + 1, count);
        }
    }
}
