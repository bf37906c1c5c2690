#include "platform/afx/ObjectMap.h"

#include <vector>

namespace hb::afx::detail {

namespace {

std::vector<void (*)()>& Cleaners() {
    static std::vector<void (*)()> cleaners;
    return cleaners;
}

} // namespace

void AddTemporaryCleaner(void (*clean)()) {
    Cleaners().push_back(clean);
}

void DeleteTemporaryObjects() {
    for (void (*clean)() : Cleaners()) {
        clean();
    }
}

} // namespace hb::afx::detail
