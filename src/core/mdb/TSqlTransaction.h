#pragma once

#include "mdb/TMdbQuery.h"

namespace corvane {

// Runs a block of statements as one transaction: begun here unless the query is already in
// one (the caller's transaction then decides), committed by Commit(), rolled back when the
// block is left without it.
class TSqlTransaction {
public:
    explicit TSqlTransaction(TMdbQuery& query) : query_(query), own_(!query.InTransaction()) {
        if (own_) query_.BeginTransaction();
    }
    ~TSqlTransaction() {
        if (own_) query_.Rollback();
    }
    TSqlTransaction(const TSqlTransaction&) = delete;
    TSqlTransaction& operator=(const TSqlTransaction&) = delete;

    void Commit() {
        if (!own_) return;
        query_.Commit();
        own_ = false;
    }

private:
    TMdbQuery& query_;
    bool own_;
};

} // namespace corvane
