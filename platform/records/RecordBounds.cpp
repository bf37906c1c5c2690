#include "platform/records/RecordBounds.h"

#include <cstdio>
#include <cstdlib>

namespace hb::records {

void FailRecordBounds(const char* what, std::size_t value, std::size_t limit) {
    std::fprintf(stderr, "record bounds: %s %zu outside limit %zu\n", what, value, limit);
    std::abort();
}

} // namespace hb::records
