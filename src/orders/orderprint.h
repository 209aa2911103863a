#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class IniFile;
struct OrderHeader;

// The print kinds of the order's own print buttons.
namespace OrderPrintKind {
inline const QString Order = QStringLiteral("xsd");
inline const QString Process = QStringLiteral("XSD_L");
inline const QString Deposit = QStringLiteral("XSD_Y");
inline const QString Final = QStringLiteral("XSD_Q");
}  // namespace OrderPrintKind

// How "打印[&P]" and "场布收据" print the loaded order.
struct OrderPrintPlan {
    std::optional<QString> refusal;  // the order may not be printed yet
    bool ticket = false;             // the receipt printer instead of the template
    QStringList extraTemplates;      // file names in PrintFormat/, printed after the order
};

OrderPrintPlan PlanOrderPrint(const OrderHeader& header, const IniFile& ini);

inline const QString kPrinted = QStringLiteral("打印成功");
