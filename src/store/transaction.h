#pragma once

class Database;

// Rolls back unless committed. A transaction opened inside another joins it:
// the inner one leaving without commit makes the outer commit fail.
class Transaction {
public:
    explicit Transaction(const Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    const Database& db_;
    bool outermost_ = false;
    bool done_ = false;
};
