#pragma once
// The engine failures a transfer reported, each as "<caption> <reference> <status>".
#include "platform/tessary/app/AppHooks.h"

#include <string>
#include <vector>

namespace hb::app::test {

inline std::vector<std::string> TransferErrors() {
    std::vector<std::string> errors;
    for (const auto& error : hb::tessary::ErrorMessages()) {
        errors.push_back(error.title + " " + std::to_string(error.ref) + " " +
                         std::to_string(error.status));
    }
    return errors;
}

} // namespace hb::app::test
