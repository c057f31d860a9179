// One write call's stay in the store: it begins with the file made ready for writing and a transaction
// open, and ends committed (or, on failure, rolled back) unless it runs inside a Transaction scope,
// which then decides.
#pragma once

#include "platform/registry/detail/store_state.h"

namespace vexor::registry::detail {

class WriteScope {
  public:
    WriteScope() : m_status(Store::instance().beginWrite(m_own)) {}
    ~WriteScope() {
        if (!m_finished && m_status == ERROR_SUCCESS)
            Store::instance().endWrite(m_own, ERROR_CANTWRITE);
    }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

    // ERROR_SUCCESS when the write may go ahead.
    LONG status() const { return m_status; }

    LONG finish(LONG result) {
        m_finished = true;
        return Store::instance().endWrite(m_own, result);
    }

  private:
    bool m_own = false;
    LONG m_status;
    bool m_finished = false;
};

} // namespace vexor::registry::detail
