#include "platform/afx/WindowFaults.h"

#include <algorithm>
#include <vector>

namespace hb::afx {

namespace {

std::vector<UINT>& Pending() {
    static std::vector<UINT> ids;
    return ids;
}

} // namespace

void FailNextChildWindow(UINT nID) {
    Pending().push_back(nID);
}

namespace detail {

bool TakeChildWindowFault(UINT nID) {
    auto& ids = Pending();
    const auto found = std::find(ids.begin(), ids.end(), nID);
    if (found == ids.end()) {
        return false;
    }
    ids.erase(found);
    return true;
}

void ResetWindowFaults() {
    Pending().clear();
}

} // namespace detail
} // namespace hb::afx
