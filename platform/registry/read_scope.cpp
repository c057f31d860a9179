// The ReadScope: the store begins the scope's read transaction lazily, with the first read call inside,
// so a scope that reads nothing costs nothing and never opens the store file by itself.
#include "platform/registry/store.h"

#include "platform/registry/detail/store_state.h"

namespace vexor::registry {

ReadScope::ReadScope() {
    detail::Store::instance().enterReadScope();
}

ReadScope::~ReadScope() {
    detail::Store::instance().leaveReadScope();
}

} // namespace vexor::registry
