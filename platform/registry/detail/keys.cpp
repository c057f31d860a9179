#include "platform/registry/detail/keys.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/enumeration.h"
#include "platform/registry/detail/key_cache.h"
#include "platform/registry/detail/replaced_keys.h"
#include "platform/registry/detail/schema.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/detail/touches.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <sys/random.h>
#include <unistd.h>

namespace vexor::registry::detail {

namespace {

LONG findChild(std::int64_t parent, const Name& name, KeyRow& child) {
    if (findEnumeratedSubkey(parent, name.folded, child))
        return ERROR_SUCCESS;
    switch (cachedChild(parent, name.folded, child)) {
    case CachedChild::Present:
        return ERROR_SUCCESS;
    case CachedChild::Absent:
        return ERROR_FILE_NOT_FOUND;
    case CachedChild::Unknown:
        break;
    }
    Query query(db(), "SELECT id, deny_full FROM keys WHERE parent = ?1 AND folded = ?2");
    query.bind(parent).bindBlob(name.folded);
    if (!query.next()) {
        if (query.status() != ERROR_SUCCESS)
            return query.status();
        cacheChild(parent, name.folded, nullptr);
        return ERROR_FILE_NOT_FOUND;
    }
    child = {query.integer(0), query.integer(1) != 0};
    cacheChild(parent, name.folded, &child);
    return ERROR_SUCCESS;
}

// Ids come from a random place in the 63-bit range, one after the other: a process draws where its
// run of ids starts and counts up from there. An id freed by a deletion or a rollback, or taken by
// another process, is then for all practical purposes never given to a second key (two processes'
// runs would have to meet), so a stale handle can't come to name another key. And the keys one save
// creates get neighbouring ids, so their rows and values lie together in the file instead of each on
// a page of its own: a large store is written and read in order. 0 to 15 stay free for the roots and
// for ids the store reserves.
constexpr std::int64_t kIdRunLength = std::int64_t(1) << 32;

// From the system, not from SQLite's generator: a forked child has a copy of that one's state and
// would draw what its parent draws.
std::int64_t randomRunStart() {
    std::int64_t start = 0;
    while (start < 16 || start > std::numeric_limits<std::int64_t>::max() - kIdRunLength) {
        if (getrandom(&start, sizeof start, 0) != static_cast<ssize_t>(sizeof start))
            sqlite3_randomness(sizeof start, &start);
        start &= std::numeric_limits<std::int64_t>::max();
    }
    return start;
}

// A forked child starts a run of its own: its copy of the counter would give out the ids its parent
// goes on to use.
std::int64_t newKeyId() {
    static std::int64_t next = 0;
    static std::int64_t runEnd = 0;
    static pid_t owner = 0;
    if (next >= runEnd || owner != getpid()) {
        next = randomRunStart();
        runEnd = next + kIdRunLength;
        owner = getpid();
    }
    return next++;
}

LONG insertKey(std::int64_t parent, const Name& name, std::int64_t& id) {
    if (!takeReplaced(parent, name.folded, id))
        id = newKeyId();
    const LONG status =
        Query(db(), "INSERT INTO keys(id, parent, name, folded, written) VALUES (?1, ?2, ?3, ?4, ?5)")
            .bind(id)
            .bind(parent)
            .bindBlob(name.text)
            .bindBlob(name.folded)
            .bind(fileTimeNow())
            .run();
    if (status == ERROR_SUCCESS) {
        cacheCreated(parent, name.folded, {id, false});
        forgetTouch(id); // an id taken back from a key deleted in this transaction: its older time is void
    }
    return status;
}

LONG anyDeniedIn(std::int64_t id, bool& denied) {
    Query query(db(),
                "WITH RECURSIVE tree(id, deny) AS ("
                " SELECT id, deny_full FROM keys WHERE id = ?1"
                " UNION ALL SELECT keys.id, keys.deny_full FROM keys JOIN tree ON keys.parent = tree.id)"
                " SELECT 1 FROM tree WHERE deny <> 0 LIMIT 1");
    query.bind(id);
    denied = query.next();
    return query.status();
}

// Inside a Transaction the deleted keys are remembered by place, so that keys created again there
// before the commit keep their ids.
LONG rememberTree(std::int64_t id) {
    if (Store::instance().transactionDepth() == 0)
        return ERROR_SUCCESS;
    Query query(db(), "WITH RECURSIVE tree(id) AS (SELECT ?1"
                      " UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)"
                      " SELECT id, parent, folded FROM keys WHERE id IN tree");
    query.bind(id);
    while (query.next())
        rememberReplaced(query.integer(1), query.blob(2), query.integer(0));
    return query.status();
}

} // namespace

LONG keyById(std::int64_t id, KeyRow& key) {
    if (id == kAccountsKeyId) {
        key = {id, false};
        return ERROR_SUCCESS;
    }
    Query query(db(), "SELECT deny_full FROM keys WHERE id = ?1");
    query.bind(id);
    if (!query.next())
        return query.status() != ERROR_SUCCESS ? query.status() : ERROR_KEY_DELETED;
    key = {id, query.integer(0) != 0};
    return ERROR_SUCCESS;
}

LONG walkPath(std::int64_t start, const std::vector<Name>& path, Walk& walk) {
    walk = {{start, false}, 0};
    // The roots always exist (checked when the store opens); only their marks matter, and only when
    // the walk ends at one.
    const bool root = start == kClassesRootId || start == kLocalMachineId;
    if (!(root && !path.empty())) {
        if (const LONG status = keyById(start, walk.key))
            return status;
    }
    std::size_t accountsAt = 0;
    if (const LONG status = findAccountsKeyOnPath(start, path, accountsAt))
        return status;
    if (accountsAt != kNotOnPath) {
        walk = {{kAccountsKeyId, false}, accountsAt + 1};
        return ERROR_SUCCESS;
    }
    if (start == kAccountsKeyId)
        return ERROR_SUCCESS; // nothing lives below it
    for (const Name& component : path) {
        KeyRow child{};
        const LONG status = findChild(walk.key.id, component, child);
        if (status == ERROR_FILE_NOT_FOUND)
            return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS)
            return status;
        walk.key = child;
        ++walk.found;
    }
    return ERROR_SUCCESS;
}

LONG createRest(const Walk& walk, const std::vector<Name>& path, KeyRow& created) {
    created = walk.key;
    if (walk.found == path.size())
        return ERROR_SUCCESS;
    if (walk.key.id == kAccountsKeyId || walk.key.denyFull)
        return ERROR_ACCESS_DENIED;
    for (std::size_t i = walk.found; i < path.size(); ++i) {
        std::int64_t id = 0;
        if (const LONG status = insertKey(created.id, path[i], id))
            return status;
        created = {id, false};
    }
    return ERROR_SUCCESS;
}

// Keys are gone (or their marks changed) from here on: what the view's caches found of them no longer
// holds. Told first, so that no path out of the change can leave them believing otherwise.
LONG deleteTree(std::int64_t id) {
    Store::instance().forgetView();
    bool denied = false;
    if (const LONG status = anyDeniedIn(id, denied))
        return status;
    if (denied)
        return ERROR_ACCESS_DENIED;
    if (const LONG status = rememberTree(id))
        return status;
    const LONG status = Query(db(), "WITH RECURSIVE tree(id) AS (SELECT ?1"
                                    " UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)"
                                    " DELETE FROM vals WHERE key IN tree")
                            .bind(id)
                            .run();
    if (status != ERROR_SUCCESS)
        return status;
    return Query(db(), "WITH RECURSIVE tree(id) AS (SELECT ?1"
                       " UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)"
                       " DELETE FROM keys WHERE id IN tree")
        .bind(id)
        .run();
}

LONG markFullAccessDenied(std::int64_t id, bool denied) {
    Store::instance().forgetView();
    return Query(db(), "UPDATE keys SET deny_full = ?2 WHERE id = ?1").bind(id).bind(denied ? 1 : 0).run();
}

LONG touchKey(std::int64_t id) {
    const std::int64_t now = fileTimeNow();
    if (deferTouch(id, now))
        return ERROR_SUCCESS;
    forgetTouch(id);
    const LONG status = Query(db(), "UPDATE keys SET written = ?2 WHERE id = ?1").bind(id).bind(now).run();
    if (status != ERROR_SUCCESS)
        return status;
    return db().changes() == 1 ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

LONG foldedPathOf(std::int64_t id, std::vector<std::string>& path, std::int64_t& root) {
    path.clear();
    root = id;
    while (true) {
        Query query(db(), "SELECT parent, folded FROM keys WHERE id = ?1");
        query.bind(root);
        if (!query.next())
            return query.status() != ERROR_SUCCESS ? query.status() : ERROR_KEY_DELETED;
        if (query.isNull(0))
            break;
        path.push_back(query.blob(1));
        root = query.integer(0);
    }
    std::reverse(path.begin(), path.end());
    return ERROR_SUCCESS;
}

std::int64_t fileTimeNow() {
    using namespace std::chrono;
    constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000;
    const auto since1970 = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    return kUnixEpochAsFileTime + since1970 / 100;
}

} // namespace vexor::registry::detail
