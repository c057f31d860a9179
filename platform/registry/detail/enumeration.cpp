#include "platform/registry/detail/enumeration.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/detail/touches.h"
#include "platform/registry/registry.h"

#include <algorithm>
#include <vector>

namespace vexor::registry::detail {

namespace {

// What the store looked like when a position was remembered. Inside a pinned view no other process
// can change it, so the view stands for their commits; outside one, PRAGMA data_version tells them.
struct Stamp {
    std::uint64_t generation = 0;
    std::uint64_t ownWrites = 0;
    std::int64_t dataVersion = -1;
    std::uint64_t view = 0;
    bool operator==(const Stamp&) const = default;
};

// Values may be large, so they are fetched one at a time, each from where the one before it ended.
struct ValueCursor {
    bool valid = false;
    std::int64_t key = 0;
    DWORD index = 0;
    Stamp stamp;
    ValueItem value;
};

// Subkeys are small, so they are fetched a batch at a time: the steps of an enumeration are then
// served from memory while the store is unchanged, one statement for every kSubkeyBatch of them.
constexpr std::int64_t kSubkeyBatch = 64;

struct SubkeyBatch {
    std::int64_t key = 0;
    Stamp stamp;
    DWORD first = 0; // the index of items[0]
    std::vector<SubkeyItem> items;
    bool reachesEnd = false; // no subkey follows the last item
};

ValueCursor g_cursor;
SubkeyBatch g_subkeys;
std::vector<Account> g_accounts; // the accounts key's values, read afresh at index 0

Stamp pinnedStamp(const Store& store) {
    return {store.generation(), store.ownWrites(), -1, store.viewEpoch()};
}

LONG currentStamp(Stamp& stamp) {
    const Store& store = Store::instance();
    if (store.viewPinned()) {
        stamp = pinnedStamp(store);
        return ERROR_SUCCESS;
    }
    Query query(db(), "PRAGMA data_version");
    if (!query.next())
        return query.status();
    stamp = {store.generation(), store.ownWrites(), query.integer(0)};
    return ERROR_SUCCESS;
}

// Where the cursor stands relative to `index` of this enumeration: 0 = at it, 1 = just before it.
int cursorDistance(std::int64_t key, DWORD index, const Stamp& stamp) {
    if (!g_cursor.valid || g_cursor.key != key || !(g_cursor.stamp == stamp) || g_cursor.index > index)
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

// The batch that holds `index`, fetched from it onward (or from just after the batch before it).
LONG fetchSubkeys(std::int64_t key, DWORD index, const Stamp& stamp) {
    if (const LONG status = writeDeferredTouches()) // the items carry their keys' last-write times
        return status;
    const bool follows = g_subkeys.key == key && g_subkeys.stamp == stamp && !g_subkeys.items.empty() &&
                         index == g_subkeys.first + g_subkeys.items.size();
    Query query(db(), follows ? "SELECT name, folded, written, id, deny_full FROM keys WHERE parent = ?1"
                                " AND folded > ?2 ORDER BY folded LIMIT ?3"
                              : "SELECT name, folded, written, id, deny_full FROM keys WHERE parent = ?1"
                                " ORDER BY folded LIMIT ?3 OFFSET ?2");
    query.bind(key);
    if (follows)
        query.bindBlob(g_subkeys.items.back().folded);
    else
        query.bind(index);
    query.bind(kSubkeyBatch);
    std::vector<SubkeyItem> items;
    while (query.next())
        items.push_back(
            {query.blob(0), query.blob(1), query.integer(2), query.integer(3), query.integer(4) != 0});
    if (query.status() != ERROR_SUCCESS)
        return query.status();
    g_subkeys = {key, stamp, index, std::move(items), false};
    g_subkeys.reachesEnd = static_cast<std::int64_t>(g_subkeys.items.size()) < kSubkeyBatch;
    return ERROR_SUCCESS;
}

// Past the last item: the end of the subkeys, or a key that is gone.
LONG endOfSubkeys(std::int64_t key) {
    KeyRow row{};
    const LONG status = keyById(key, row);
    return status != ERROR_SUCCESS ? status : ERROR_NO_MORE_ITEMS;
}

bool batchHolds(std::int64_t key, DWORD index, const Stamp& stamp) {
    return g_subkeys.key == key && g_subkeys.stamp == stamp && index >= g_subkeys.first &&
           index - g_subkeys.first < g_subkeys.items.size();
}

bool batchEndsBefore(std::int64_t key, DWORD index, const Stamp& stamp) {
    return g_subkeys.key == key && g_subkeys.stamp == stamp && g_subkeys.reachesEnd &&
           index >= g_subkeys.first + g_subkeys.items.size();
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

void remember(std::int64_t key, DWORD index, const Stamp& stamp) {
    g_cursor.valid = true;
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
    if (batchEndsBefore(key, index, stamp))
        return endOfSubkeys(key);
    if (!batchHolds(key, index, stamp)) {
        if (const LONG status = fetchSubkeys(key, index, stamp))
            return status;
        if (g_subkeys.items.empty())
            return endOfSubkeys(key);
    }
    item = g_subkeys.items[index - g_subkeys.first];
    return ERROR_SUCCESS;
}

LONG valueAt(std::int64_t key, DWORD index, ValueItem& item) {
    if (key == kAccountsKeyId)
        return accountAt(index, item);
    Stamp stamp;
    if (const LONG status = currentStamp(stamp))
        return status;
    const int distance = cursorDistance(key, index, stamp);
    if (distance == 0) {
        item = g_cursor.value;
        return ERROR_SUCCESS;
    }
    if (const LONG status = fetchValue(key, index, distance == 1, item))
        return status;
    g_cursor.value = item;
    remember(key, index, stamp);
    return ERROR_SUCCESS;
}

// The batch is in SQLite's order of the folded names, which is std::string's.
bool findEnumeratedSubkey(std::int64_t parent, const std::string& folded, KeyRow& key) {
    const Store& store = Store::instance();
    if (!store.viewPinned() || g_subkeys.key != parent || !(g_subkeys.stamp == pinnedStamp(store)))
        return false;
    const auto found =
        std::lower_bound(g_subkeys.items.begin(), g_subkeys.items.end(), folded,
                         [](const SubkeyItem& item, const std::string& f) { return item.folded < f; });
    if (found == g_subkeys.items.end() || found->folded != folded)
        return false;
    key = {found->id, found->denyFull};
    return true;
}

void forgetEnumerationCursor() {
    g_cursor = ValueCursor();
    g_subkeys = SubkeyBatch();
    g_accounts.clear();
}

} // namespace vexor::registry::detail
