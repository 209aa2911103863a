#include "orders/orderline.h"

#include "orders/order.h"

#include <QStringList>

#include "masterdata/productrecord.h"
#include "services/texthelpers.h"
#include "store/decimal4.h"

namespace {

// The line's own rule when it has one, else the company's money per point.
std::optional<Decimal2> divisorOf(const OrderLine& line, int pointsDivisor) {
    Decimal2 d = Decimal2::fromUnits(pointsDivisor);
    if (IsDecimalText(line.JFGZ)) {
        d = Decimal2::parse(line.JFGZ).value_or(Decimal2());
    }
    if (d.isZero()) {
        return std::nullopt;
    }
    return d;
}

// The amount rule: a negative amount rounds away from zero like a positive one
// (quantity -1 at 1.23 is -1.23).
Decimal2 amountOf(Decimal2 quantity, Decimal2 price) {
    return ToCents(Decimal4::product(quantity, price));
}

void applyPoints(OrderLine& line, Decimal2 divisor) {
    if (line.TJF) {
        line.TJFJE = line.JE;
    }
    line.MXJF = DivideToCents(line.TJFJE.value_or(Decimal2()), divisor);
}

}  // namespace

std::optional<int> PriceLevelOf(const QString& JG) {
    static const QStringList levels = {"原价", "售价一", "售价二", "售价三", "售价四", "售价五"};
    const qsizetype level = levels.indexOf(JG);
    return level < 0 ? std::nullopt : std::optional<int>(int(level));
}

std::optional<QString> ChangeLine(OrderLine& line, LineField field, Decimal2 value,
                                  int pointsDivisor) {
    if (field == LineField::MXJF) {
        line.MXJF = value;
        return std::nullopt;
    }
    OrderLine next = line;
    const std::optional<Decimal2> divisor = divisorOf(next, pointsDivisor);
    if (!divisor) {
        return LineMessages::kNoPointsDivisor;
    }
    switch (field) {
        case LineField::ZQDJ:
        case LineField::ZK:
            (field == LineField::ZQDJ ? next.ZQDJ : next.ZK) = value;
            next.DJ = ToCents(Decimal4::product(next.ZK, next.ZQDJ));
            next.JE = amountOf(next.SL, next.DJ);
            next.ML = ToCents(Decimal4::product(next.SL, next.DJ - next.JJ));
            break;
        case LineField::SL:
            next.SL = value;
            next.JE = amountOf(next.SL, next.DJ);
            next.MJ = ToCents(Decimal4::product(next.SL, next.unitArea));
            next.ML = ToCents(Decimal4::product(next.SL, next.DJ - next.JJ));
            break;
        case LineField::DJ:
            next.DJ = value;
            next.JE = amountOf(next.SL, next.DJ);
            next.ML = ToCents(Decimal4::product(next.SL, next.DJ - next.JJ));
            break;
        case LineField::JE:
            next.JE = value;
            next.ML = ToCents(Decimal4::from(next.JE) - Decimal4::product(next.SL, next.JJ));
            break;
        case LineField::MXJF:
            break;
    }
    applyPoints(next, *divisor);
    line = next;
    return std::nullopt;
}

LineFill FillLine(const std::optional<ProductRecord>& product, int priceLevel,
                  Decimal2 currentDiscount, int pointsDivisor) {
    if (!product) {
        return {std::nullopt, LineMessages::kUnknownProduct};
    }
    if (priceLevel < 0 || priceLevel >= int(product->prices.size())) {
        return {std::nullopt, LineMessages::kFillFailed};
    }
    OrderLine line;
    line.SPBM = product->BM;
    line.SPMC = product->MC;
    line.JJ = product->CBJJ.isZero() ? product->JJ : product->CBJJ;
    line.ZQDJ = product->prices[priceLevel];
    line.unitArea = product->MJ;
    line.MJ = product->MJ;
    line.SLHS = product->SLHS;
    line.TXM = product->TXM;
    line.XH = product->XH;
    line.DW = product->DW;
    line.SCCJ = product->SCCJ;
    line.ZK = product->TDZ ? currentDiscount : Decimal2::fromUnits(1);
    line.DJ = ToCents(Decimal4::product(line.ZK, line.ZQDJ));
    line.SL = Decimal2::fromUnits(1);
    line.JE = amountOf(line.SL, line.DJ);
    line.ML = line.DJ - line.JJ;
    line.TDZ = product->TDZ;
    line.TJF = product->TJF;
    line.JFGZ = product->JFGZ;
    const std::optional<Decimal2> divisor = divisorOf(line, pointsDivisor);
    if (!divisor) {
        return {std::nullopt, LineMessages::kFillFailed};
    }
    applyPoints(line, *divisor);
    return {line, QString()};
}

OrderTotals ComputeTotals(const QList<OrderLine>& lines, const QString& memberCode) {
    OrderTotals t;
    Decimal2 points;
    for (const OrderLine& line : lines) {
        t.ZJE += line.JE;
        t.ZSL += line.SL;
        t.ZML += line.ML;
        t.ZMJ += line.MJ;
        points += line.MXJF;
    }
    // Whole points, truncated toward zero.
    t.JF = memberCode == kWalkInCustomer ? Decimal2() : Decimal2::fromUnits(points.cents() / 100);
    return t;
}

std::optional<Decimal2> QuickBoxPrice(const QString& text, const OrderLine& currentLine) {
    if (!IsDecimalText(text) || currentLine.SL != Decimal2::fromUnits(1)) {
        return std::nullopt;
    }
    const Decimal2 value = Decimal2::parse(text).value_or(Decimal2());
    if (value >= Decimal2::fromUnits(90000)) {
        return std::nullopt;
    }
    return value;
}
