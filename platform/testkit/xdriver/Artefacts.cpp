#include "platform/testkit/xdriver/Artefacts.h"

#include <filesystem>

namespace hb::testkit {

std::string ArtefactPath(const std::string& name) {
    std::filesystem::create_directories(HB_TEST_ARTEFACTS);
    return std::string(HB_TEST_ARTEFACTS) + "/" + name;
}

} // namespace hb::testkit
