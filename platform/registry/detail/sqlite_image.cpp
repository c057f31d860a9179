#include "platform/registry/detail/sqlite_image.h"

namespace vexor::registry::detail {

namespace {

class SqliteSink : public DifferenceSink {
  public:
    explicit SqliteSink(Connection& connection) : m_db(connection) {}

    LONG writeKey(const KeyChange& change) override {
        const KeyState& key = change.key;
        if (change.kind == KeyChange::Kind::Create)
            return counted(Query(m_db, "INSERT INTO keys(id, parent, name, folded, deny_full, written)"
                                       " VALUES (?1, ?2, ?3, ?4, ?5, ?6)")
                               .bind(key.id)
                               .bind(key.parent)
                               .bindBlob(key.name)
                               .bindBlob(key.folded)
                               .bind(key.denyFull ? 1 : 0)
                               .bind(key.written)
                               .run());
        return counted(Query(m_db, "UPDATE keys SET name = ?2, deny_full = ?3, written = ?4 WHERE id = ?1")
                           .bind(key.id)
                           .bindBlob(key.name)
                           .bind(key.denyFull ? 1 : 0)
                           .bind(key.written)
                           .run());
    }

    LONG setValue(const KeyChange& change, const ValueState& value) override {
        return counted(Query(m_db, "INSERT INTO vals(key, folded, name, seq, type, data) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                                   " ON CONFLICT(key, folded) DO UPDATE SET name = excluded.name,"
                                   " seq = excluded.seq, type = excluded.type, data = excluded.data")
                           .bind(change.id)
                           .bindBlob(value.folded)
                           .bindBlob(value.name)
                           .bind(value.seq)
                           .bind(value.type)
                           .bindBlob(value.data)
                           .run());
    }

    LONG removeValue(const KeyChange& change, const std::string& folded) override {
        return counted(
            Query(m_db, "DELETE FROM vals WHERE key = ?1 AND folded = ?2").bind(change.id).bindBlob(folded).run());
    }

    LONG deleteKey(const KeyChange& change) override {
        if (const LONG status = counted(Query(m_db, "DELETE FROM vals WHERE key = ?1").bind(change.id).run()))
            return status;
        return counted(Query(m_db, "DELETE FROM keys WHERE id = ?1").bind(change.id).run());
    }

    std::uint64_t rows() const { return m_rows; }

  private:
    LONG counted(LONG status) {
        if (status == ERROR_SUCCESS)
            m_rows += static_cast<std::uint64_t>(m_db.changes());
        return status;
    }

    Connection& m_db;
    std::uint64_t m_rows = 0;
};

} // namespace

LONG readDataVersion(Connection& connection, std::int64_t& version) {
    Query query(connection, "PRAGMA data_version");
    if (!query.next())
        return query.status() != ERROR_SUCCESS ? query.status() : ERROR_CANTREAD;
    version = query.integer(0);
    return ERROR_SUCCESS;
}

LONG loadImage(Connection& connection, Image& image, std::int64_t& version) {
    image.beginLoad();
    if (const LONG status = readDataVersion(connection, version))
        return status;
    Query keys(connection, "SELECT id, parent, name, folded, deny_full, written FROM keys");
    while (keys.next())
        image.addLoadedKey({keys.integer(0), keys.isNull(1) ? 0 : keys.integer(1), keys.blob(2), keys.blob(3),
                            keys.integer(4) != 0, keys.integer(5), {}});
    if (keys.status() != ERROR_SUCCESS) {
        image.unload();
        return keys.status();
    }
    Query values(connection, "SELECT key, folded, name, seq, type, data FROM vals");
    while (values.next())
        image.addLoadedValue(values.integer(0), {values.blob(2), values.blob(1), static_cast<DWORD>(values.integer(4)),
                                                 values.blob(5), values.integer(3)});
    if (values.status() != ERROR_SUCCESS) {
        image.unload();
        return values.status();
    }
    image.finishLoad();
    return ERROR_SUCCESS;
}

LONG writeDifference(Connection& connection, const Difference& difference, std::uint64_t& rows) {
    SqliteSink sink(connection);
    const LONG status = applyInOrder(difference, sink);
    rows = sink.rows();
    return status;
}

} // namespace vexor::registry::detail
