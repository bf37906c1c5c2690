#pragma once
#include <cstddef>

namespace hb::records {

// Reports an index or buffer outside a record and aborts: callers never do that on purpose, and
// going on would read or write memory that is not the record's.
[[noreturn]] void FailRecordBounds(const char* what, std::size_t value, std::size_t limit);

} // namespace hb::records
