#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "store/decimal2.h"

struct ProductRecord;

// One line of a wedding order (xsd_mx); sales returns use the same rules.
struct OrderLine {
    QString SPBM;
    QString SPMC;
    bool SLHS = false;
    QString TXM;
    QString XH;
    QString DW;
    QString SCCJ;
    Decimal2 ZQDJ;  // list price at the order's price level
    Decimal2 SL;
    Decimal2 MJ;
    Decimal2 ZK;  // discount factor: 1 is full price
    Decimal2 DJ;
    Decimal2 JE;
    Decimal2 JJ;  // unit cost
    Decimal2 ML;
    QString BZ;
    bool TDZ = true;
    bool TJF = false;
    std::optional<Decimal2> TJFJE;  // the amount that earns points; empty when none does
    QString JFGZ;                   // the product's money per point, as typed there
    Decimal2 MXJF;
    Decimal2 unitArea;  // the product's area per unit (BM_SP.MJ), not stored with the line
};

enum class LineField { ZQDJ, ZK, SL, DJ, JE, MXJF };

// The texts the operator sees when a line cannot take a value.
namespace LineMessages {
inline const QString kUnknownProduct = QStringLiteral("您输入的编码不存在0！");
inline const QString kFillFailed = QStringLiteral("您输入的编码不存在1！");
inline const QString kNoPointsDivisor =
    QStringLiteral("积分规则为0，无法计算积分。请修改商品的积分规则或公司的积分设置！");
}  // namespace LineMessages

// "原价" is level 0, "售价一" … "售价五" are 1 to 5; any other text has no level.
std::optional<int> PriceLevelOf(const QString& JG);

// Sets one field as the operator typed it and brings the rest of the line in
// line with it. A points divisor of 0 refuses the change: the message comes
// back and the line stays as it was.
std::optional<QString> ChangeLine(OrderLine& line, LineField field, Decimal2 value,
                                  int pointsDivisor);

struct LineFill {
    std::optional<OrderLine> line;
    QString error;  // when there is no line
};

// A new line from a product: its price at the level, the discount when the
// product takes one, quantity 1, cost, margin and points.
LineFill FillLine(const std::optional<ProductRecord>& product, int priceLevel,
                  Decimal2 currentDiscount, int pointsDivisor);

struct OrderTotals {
    Decimal2 ZJE;
    Decimal2 ZSL;
    Decimal2 ZML;
    Decimal2 ZMJ;
    Decimal2 JF;  // a whole number; none for the walk-in customer
};

OrderTotals ComputeTotals(const QList<OrderLine>& lines, const QString& memberCode);

// A quick-box text that is a price for the current line rather than a product:
// a number below 90000 typed while the line's quantity is 1.
std::optional<Decimal2> QuickBoxPrice(const QString& text, const OrderLine& currentLine);
