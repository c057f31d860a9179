#include "platform/registry/detail/values.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/detail/value_cache.h"
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

LONG fromCache(const std::vector<CachedValue>& values, std::int64_t key, const Name& name, ValueRow& value) {
    for (const CachedValue& cached : values) {
        if (cached.folded == name.folded) {
            value = cached.row;
            return ERROR_SUCCESS;
        }
    }
    return missingValue(key);
}

// All values of the key into the cache, or the note that it has too many, or one too large to copy
// for the sake of its neighbours: SQLite measures a value without loading it.
LONG fillCache(std::int64_t key) {
    Query query(db(), "SELECT folded, name, type, CASE WHEN length(data) <= ?3 THEN data END,"
                      " length(data) <= ?3 FROM vals WHERE key = ?1 LIMIT ?2");
    query.bind(key).bind(static_cast<std::int64_t>(kMaxCachedValues + 1)).bind(kMaxCachedValueSize);
    std::vector<CachedValue> values;
    bool small = true;
    while (small && query.next()) {
        small = query.integer(4) != 0;
        values.push_back(
            {query.blob(0), {query.blob(1), static_cast<DWORD>(query.integer(2)), query.blob(3)}});
    }
    if (query.status() != ERROR_SUCCESS)
        return query.status();
    if (small && values.size() <= kMaxCachedValues)
        cacheValuesOf(key, std::move(values));
    else
        cacheValueByValue(key);
    return ERROR_SUCCESS;
}

} // namespace

LONG readValue(std::int64_t key, const Name& name, ValueRow& value) {
    if (key == kAccountsKeyId)
        return readAccount(name, value);
    if (Store::instance().viewPinned()) {
        const std::vector<CachedValue>* values = nullptr;
        if (cachedValuesOf(key, values) == CachedValues::Unknown) {
            if (const LONG status = fillCache(key))
                return status;
        }
        if (cachedValuesOf(key, values) == CachedValues::Complete)
            return fromCache(*values, key, name, value);
    }
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
