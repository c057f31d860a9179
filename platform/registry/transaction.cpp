// The Transaction scope. Scopes nest by joining the outermost one, which alone commits; a scope that
// ends without commit() makes the whole transaction roll back.
#include "platform/registry/store.h"

#include "platform/registry/detail/store_state.h"

namespace vexor::registry {

using detail::Store;

Transaction::Transaction() {
    Store& store = Store::instance();
    m_outermost = store.transactionDepth() == 0;
    m_status = store.enterTransaction();
}

Transaction::~Transaction() {
    if (m_done)
        return;
    Store& store = Store::instance();
    if (!m_outermost)
        store.abandonInnerScope();
    store.leaveTransaction(false);
}

LONG Transaction::commit() {
    if (m_done)
        return m_status;
    m_done = true;
    m_status = Store::instance().leaveTransaction(true);
    return m_status;
}

LONG Transaction::status() const {
    return m_status;
}

} // namespace vexor::registry
