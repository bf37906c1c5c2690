#pragma once
// A sliding switch keeps its positions' captions in one text property, one caption a line.
#include <string>
#include <vector>

namespace hb::instruments {

std::vector<std::string> SplitCaptions(const std::string& text);
// A caption loses any line break of its own.
std::string JoinCaptions(const std::vector<std::string>& captions);

} // namespace hb::instruments
