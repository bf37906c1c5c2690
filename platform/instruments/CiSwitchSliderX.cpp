#include "platform/instruments/CiSwitchSliderX.h"

#include "platform/instruments/SwitchSliderLayout.h"

#include <string>
#include <vector>

using hb::instruments::switchSlider::kPositionCaptions;

CString CiSwitchSliderX::GetPositionCaption(long position) const {
    const std::vector<std::string> captions =
        hb::instruments::SplitCaptions(GetText(kPositionCaptions).GetString());
    if (position < 0 || position >= static_cast<long>(captions.size())) {
        return {};
    }
    return CString(captions[static_cast<std::size_t>(position)].c_str());
}

void CiSwitchSliderX::SetPositionCaption(long position, LPCSTR caption) {
    const long count = GetPositionCount();
    if (position < 0 || position >= count) {
        return;
    }
    std::vector<std::string> captions = hb::instruments::detail::CaptionsOf(
        GetText(kPositionCaptions).GetString(), static_cast<int>(count));
    captions[static_cast<std::size_t>(position)] = caption ? caption : "";
    SetProperty(kPositionCaptions, hb::afx::Value(hb::instruments::JoinCaptions(captions)));
}
