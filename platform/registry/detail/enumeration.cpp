#include "platform/registry/detail/enumeration.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/registry.h"

#include <vector>

namespace vexor::registry::detail {

namespace {

// What the store looked like when a position was remembered.
struct Stamp {
    std::uint64_t generation = 0;
    std::uint64_t ownWrites = 0;
    std::int64_t dataVersion = -1;
    bool operator==(const Stamp&) const = default;
};

enum class Kind { None, Subkeys, Values };

struct Cursor {
    Kind kind = Kind::None;
    std::int64_t key = 0;
    DWORD index = 0;
    Stamp stamp;
    SubkeyItem subkey;
    ValueItem value;
};

Cursor g_cursor;
std::vector<Account> g_accounts; // the accounts key's values, read afresh at index 0

LONG currentStamp(Stamp& stamp) {
    const Store& store = Store::instance();
    Query query(db(), "PRAGMA data_version");
    if (!query.next())
        return query.status();
    stamp = {store.generation(), store.ownWrites(), query.integer(0)};
    return ERROR_SUCCESS;
}

// Where the cursor stands relative to `index` of this enumeration: 0 = at it, 1 = just before it.
int cursorDistance(Kind kind, std::int64_t key, DWORD index, const Stamp& stamp) {
    if (g_cursor.kind != kind || g_cursor.key != key || !(g_cursor.stamp == stamp) || g_cursor.index > index)
        return -1;
    return static_cast<int>(std::min<DWORD>(index - g_cursor.index, 2));
}

// Nothing found: the end of the items, or a key that is gone.
LONG noItem(const Query& query, std::int64_t key) {
    if (query.status() != ERROR_SUCCESS)
        return query.status();
    KeyRow row{};
    const LONG status = keyById(key, row);
    return status != ERROR_SUCCESS ? status : ERROR_NO_MORE_ITEMS;
}

LONG fetchSubkey(std::int64_t key, DWORD index, bool afterCursor, SubkeyItem& item) {
    Query query(db(), afterCursor ? "SELECT name, folded, written FROM keys WHERE parent = ?1 AND folded > ?2"
                                    " ORDER BY folded LIMIT 1"
                                  : "SELECT name, folded, written FROM keys WHERE parent = ?1"
                                    " ORDER BY folded LIMIT 1 OFFSET ?2");
    query.bind(key);
    if (afterCursor)
        query.bindBlob(g_cursor.subkey.folded);
    else
        query.bind(index);
    if (!query.next())
        return noItem(query, key);
    item = {query.blob(0), query.blob(1), query.integer(2)};
    return ERROR_SUCCESS;
}

LONG fetchValue(std::int64_t key, DWORD index, bool afterCursor, ValueItem& item) {
    Query query(db(), afterCursor ? "SELECT name, type, data, seq FROM vals WHERE key = ?1 AND seq > ?2"
                                    " ORDER BY seq LIMIT 1"
                                  : "SELECT name, type, data, seq FROM vals WHERE key = ?1"
                                    " ORDER BY seq LIMIT 1 OFFSET ?2");
    query.bind(key).bind(afterCursor ? g_cursor.value.seq : static_cast<std::int64_t>(index));
    if (!query.next())
        return noItem(query, key);
    item = {query.blob(0), static_cast<DWORD>(query.integer(1)), query.blob(2), query.integer(3)};
    return ERROR_SUCCESS;
}

LONG accountAt(DWORD index, ValueItem& item) {
    if (index == 0 || g_accounts.empty())
        g_accounts = currentAccounts();
    if (index >= g_accounts.size())
        return ERROR_NO_MORE_ITEMS;
    const Account& account = g_accounts[index];
    item = {account.name.text, REG_SZ, account.home + '\0', static_cast<std::int64_t>(index)};
    return ERROR_SUCCESS;
}

void remember(Kind kind, std::int64_t key, DWORD index, const Stamp& stamp) {
    g_cursor.kind = kind;
    g_cursor.key = key;
    g_cursor.index = index;
    g_cursor.stamp = stamp;
}

} // namespace

LONG subkeyAt(std::int64_t key, DWORD index, SubkeyItem& item) {
    if (key == kAccountsKeyId)
        return ERROR_NO_MORE_ITEMS;
    Stamp stamp;
    if (const LONG status = currentStamp(stamp))
        return status;
    const int distance = cursorDistance(Kind::Subkeys, key, index, stamp);
    if (distance == 0) {
        item = g_cursor.subkey;
        return ERROR_SUCCESS;
    }
    if (const LONG status = fetchSubkey(key, index, distance == 1, item))
        return status;
    g_cursor.subkey = item;
    remember(Kind::Subkeys, key, index, stamp);
    return ERROR_SUCCESS;
}

LONG valueAt(std::int64_t key, DWORD index, ValueItem& item) {
    if (key == kAccountsKeyId)
        return accountAt(index, item);
    Stamp stamp;
    if (const LONG status = currentStamp(stamp))
        return status;
    const int distance = cursorDistance(Kind::Values, key, index, stamp);
    if (distance == 0) {
        item = g_cursor.value;
        return ERROR_SUCCESS;
    }
    if (const LONG status = fetchValue(key, index, distance == 1, item))
        return status;
    g_cursor.value = item;
    remember(Kind::Values, key, index, stamp);
    return ERROR_SUCCESS;
}

void forgetEnumerationCursor() {
    g_cursor = Cursor();
    g_accounts.clear();
}

} // namespace vexor::registry::detail
