#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "orders/orderline.h"

class Database;

// The lines of the order being edited, as the line grid shows them. Every
// edit goes through the line rules; a value the rules refuse leaves the line
// as it was and is reported through refused().
class OrderLinesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The grid's columns in the order of the order window.
    enum Column {
        ID,
        SPBM,
        SPMC,
        SLHS,
        TXM,
        XH,
        DW,
        SCCJ,
        ZQDJ,
        SL,
        MJ,
        ZK,
        DJ,
        JE,
        JJ,
        ML,
        BZ,
        TJFJE,
        MXJF,
        ColumnCount
    };

    explicit OrderLinesModel(const Database& db, QObject* parent = nullptr);

    void setLines(const QString& orderId, const QList<OrderLine>& lines);
    const QList<OrderLine>& lines() const { return lines_; }

    // What new lines are filled with.
    void setPricing(int priceLevel, Decimal2 currentDiscount, int pointsDivisor);
    int priceLevel() const { return priceLevel_; }
    // Locked lines take no edits (an approved order).
    void setLocked(bool locked);

    int appendLine();
    void removeLine(int row);
    // Fills the line from the product with that code; false when refused.
    bool setProductCode(int row, const QString& code);
    bool changeField(int row, LineField field, Decimal2 value);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void refused(const QString& message);
    // The lines changed in a way that moves the order's totals.
    void linesChanged();

private:
    void rowChanged(int row);

    const Database& db_;
    QString orderId_;
    QList<OrderLine> lines_;
    int priceLevel_ = 0;
    Decimal2 currentDiscount_ = Decimal2::fromUnits(1);
    int pointsDivisor_ = 0;
    bool locked_ = false;
};
