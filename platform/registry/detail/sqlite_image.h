// The SQLite side of the image: reading the whole store file into it, and writing a transaction's
// difference back as rows.
#pragma once

#include "platform/registry/detail/db.h"
#include "platform/registry/detail/image.h"
#include "platform/registry/difference.h"

#include <cstdint>

namespace vexor::registry::detail {

// PRAGMA data_version: changes whenever another connection commits.
LONG readDataVersion(Connection& connection, std::int64_t& version);

// Reads every key and value into `image`, and the data version they belong to. Must run inside one
// transaction, so that the version and the rows are of one state. `image` stays unloaded on failure.
LONG loadImage(Connection& connection, Image& image, std::int64_t& version);

// Writes the difference inside the open write transaction; the rows it changed go to `rows`.
LONG writeDifference(Connection& connection, const Difference& difference, std::uint64_t& rows);

} // namespace vexor::registry::detail
