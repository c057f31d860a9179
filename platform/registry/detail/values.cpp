#include "platform/registry/detail/values.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/registry.h"

namespace vexor::registry::detail {

namespace {

// A value that isn't there: either the key has none of that name, or the key itself is gone.
LONG missingValue(std::int64_t key) {
    KeyRow row{};
    const LONG status = keyById(key, row);
    return status != ERROR_SUCCESS ? status : ERROR_FILE_NOT_FOUND;
}

LONG readAccount(const Name& name, ValueRow& value) {
    for (const Account& account : currentAccounts()) {
        if (account.name.folded == name.folded) {
            value = {account.name.text, REG_SZ, account.home + '\0'};
            return ERROR_SUCCESS;
        }
    }
    return ERROR_FILE_NOT_FOUND;
}

} // namespace

LONG readValue(std::int64_t key, const Name& name, ValueRow& value) {
    if (key == kAccountsKeyId)
        return readAccount(name, value);
    Query query(db(), "SELECT name, type, data FROM vals WHERE key = ?1 AND folded = ?2");
    query.bind(key).bindBlob(name.folded);
    if (!query.next())
        return query.status() != ERROR_SUCCESS ? query.status() : missingValue(key);
    value = {query.blob(0), static_cast<DWORD>(query.integer(1)), query.blob(2)};
    return ERROR_SUCCESS;
}

LONG writeValue(std::int64_t key, const Name& name, DWORD type, std::string_view data) {
    if (key == kAccountsKeyId)
        return ERROR_ACCESS_DENIED;
    if (const LONG status = touchKey(key))
        return status;
    return Query(db(), "INSERT INTO vals(key, folded, name, seq, type, data) VALUES (?1, ?2, ?3,"
                       " (SELECT coalesce(max(seq), 0) + 1 FROM vals WHERE key = ?1), ?4, ?5)"
                       " ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data")
        .bind(key)
        .bindBlob(name.folded)
        .bindBlob(name.text)
        .bind(type)
        .bindBlob(data)
        .run();
}

LONG removeValue(std::int64_t key, const Name& name) {
    if (key == kAccountsKeyId)
        return ERROR_ACCESS_DENIED;
    const LONG status =
        Query(db(), "DELETE FROM vals WHERE key = ?1 AND folded = ?2").bind(key).bindBlob(name.folded).run();
    if (status != ERROR_SUCCESS)
        return status;
    if (db().changes() == 0)
        return missingValue(key);
    return touchKey(key);
}

} // namespace vexor::registry::detail
