#include "app/menurights.h"

#include "app/menutable.h"

const QList<OtherRight>& otherRights() {
    static const QList<OtherRight> rights = {
        {QStringLiteral("10"), QStringLiteral("成本查看、管理权")},
        {QStringLiteral("11"), QStringLiteral("查看库存明细中库存金额")},
        {QStringLiteral("12"), QStringLiteral("单据反审核权")},
        {QStringLiteral("13"), QStringLiteral("清空商品资料权")},
        {QStringLiteral("14"), QStringLiteral("修改商品价格权")},
        {QStringLiteral("15"), QStringLiteral("修改积分权")},
        {QStringLiteral("16"), QStringLiteral("销售单重复打印权")},
        {QStringLiteral("17"), QStringLiteral("修改单号权")},
        {QStringLiteral("18"), QStringLiteral("导出权")},
    };
    return rights;
}

namespace MenuRights {

bool entryAllowed(const QString& menuRights, const QString& code, const QString& operatorCode) {
    return operatorCode == QLatin1String(kAdministratorCode) || menuRights.isEmpty() ||
           menuRights.contains(code + QLatin1Char(','));
}

Permissions::Permissions(const std::optional<EmployeeRights>& row, QString operatorCode)
    : row_(row), operatorCode_(std::move(operatorCode)) {}

bool Permissions::allows(int menuNumber, int position) const {
    if (menuNumber < 1 || menuNumber > kMenusWithRights) {
        return false;
    }
    if (!row_) {
        return operatorCode_ == QLatin1String(kAdministratorCode);
    }
    return entryAllowed(row_->menuRights[menuNumber - 1], menuEntryCode(menuNumber, position),
                        operatorCode_);
}

QString grantedText(int menuNumber, const QList<bool>& ticked) {
    QString text;
    for (int p = 0; p < ticked.size(); ++p) {
        if (ticked[p]) {
            text += menuEntryCode(menuNumber, p) + QLatin1Char(',');
        }
    }
    return text.isEmpty() ? QStringLiteral("null") : text;
}

QString otherRightsText(const QList<bool>& ticked) {
    QString text = QStringLiteral("QX-");
    const QList<OtherRight>& rights = otherRights();
    for (int i = 0; i < ticked.size() && i < rights.size(); ++i) {
        if (ticked[i]) {
            text += rights[i].code + QLatin1Char(',');
        }
    }
    return text;
}

QString listCaption(const QString& caption) {
    const qsizetype k = caption.indexOf(QLatin1String("(&")) + 1;  // from 1; 0 when absent
    return k - 1 > 1 ? caption.left(k - 1) : caption;
}

}  // namespace MenuRights
