#pragma once
// Where tests under a display leave what a person may want to look at afterwards (screenshots):
// test-artefacts/ in the build folder.

#include <string>

namespace hb::testkit {

// The path of the artefact `name`, its folder made.
std::string ArtefactPath(const std::string& name);

} // namespace hb::testkit
