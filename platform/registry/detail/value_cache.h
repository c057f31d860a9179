// The values of the key read last, kept while the view is pinned (see Store::viewPinned) and this
// process has written nothing since. Callers read a key's values one after another and ask for each
// one's type and size before its data, so a key's few values are fetched with one statement instead
// of one statement per question.
#pragma once

#include "platform/registry/detail/values.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vexor::registry::detail {

struct CachedValue {
    std::string folded;
    ValueRow row;
};

// Keys with more values than this, or with a value larger than this, are read value by value:
// fetching all of them for every read would cost more than it saves.
constexpr std::size_t kMaxCachedValues = 32;
constexpr std::int64_t kMaxCachedValueSize = 64 * 1024;

enum class CachedValues {
    Unknown,      // nothing is cached for the key in this view
    Complete,     // `values` are all of its values
    ValueByValue, // it has too many values, or too large ones: read each on its own
};

CachedValues cachedValuesOf(std::int64_t key, const std::vector<CachedValue>*& values);

// Record what a pinned view found of `key`; they do nothing outside one.
void cacheValuesOf(std::int64_t key, std::vector<CachedValue> values);
void cacheValueByValue(std::int64_t key);

} // namespace vexor::registry::detail
