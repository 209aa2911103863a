#include "services/ui/codeexists.h"

#include <QMessageBox>

#include "services/codecheck.h"

bool CodeExists(QWidget* owner, const Database& db, const QString& table, const QString& code) {
    if (!CodeTaken(db, table, code)) {
        return false;
    }
    QMessageBox::warning(owner, QStringLiteral("提示："),
                         QStringLiteral("您输入的编码已存在，请更改编码!"));
    return true;
}
