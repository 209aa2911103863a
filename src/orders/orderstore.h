#pragma once

#include <QString>

#include <optional>

#include "orders/order.h"
#include "store/documentstore.h"

class Database;

// Reads and writes wedding orders (xsd_zb with its lines in xsd_mx).
class OrderStore {
public:
    explicit OrderStore(const Database& db);

    // The stored order with its version; nothing when the number has no header.
    // `lock` reads the header for update inside a transaction.
    std::optional<Order> load(const QString& id, bool lock = false) const;
    bool hasLines(const QString& id) const;

    // Inside the caller's transaction: locks the stored order and refuses with
    // DocumentConflict when it is no longer the one the edit started from.
    void verifyCurrent(const Order& order) const;

    // Inside the caller's transaction: refuses with DocumentConflict when the
    // stored order is no longer the one the edit started from, then writes the
    // header and the lines and takes the new version into the order.
    void write(Order& order) const;

    // The header and the lines go together.
    void remove(const QString& id) const;

private:
    const Database& db_;
    DocumentStore documents_;
};
