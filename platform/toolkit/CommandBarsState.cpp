// The saved forms of the command bars: their options and the state of their bars.
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/ProfileBlob.h"

#include <string>
#include <vector>

using hb::toolkit::detail::BlobKind;
using hb::toolkit::detail::BlobReader;
using hb::toolkit::detail::BlobWriter;

namespace {

constexpr const char* kOptionsEntry = "CommandBarOptions";
constexpr const char* kStateEntry = "CommandBarState";

struct SavedControl {
    std::uint8_t type = 0;
    std::int32_t id = 0;
    std::string caption;
    std::uint32_t hideFlags = 0;
    std::string className;
};

struct SavedBar {
    std::string title;
    std::uint8_t visible = 0;
    std::vector<SavedControl> controls;
};

bool Read(BlobReader& blob, SavedControl& control) {
    return blob.U8(control.type) && blob.I32(control.id) && blob.Text(control.caption) &&
           blob.U32(control.hideFlags) && blob.Text(control.className);
}

bool Read(BlobReader& blob, SavedBar& bar) {
    std::uint32_t count = 0;
    if (!blob.Text(bar.title) || !blob.U8(bar.visible) || !blob.U32(count)) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!Read(blob, bar.controls.emplace_back())) {
            return false;
        }
    }
    return true;
}

// The bar's control a saved one stands for: a command by its id, a popup by its caption.
CXTPControl* Match(const CXTPToolBar& bar, const SavedControl& saved) {
    for (int index = 0; CXTPControl* control = bar.GetControl(index); ++index) {
        if (control->GetType() == static_cast<XTPControlType>(saved.type) &&
            (saved.id != 0 ? control->GetID() == saved.id
                           : control->GetCaption() == saved.caption.c_str())) {
            return control;
        }
    }
    return nullptr;
}

// A control of a registered class that the bar lacks is made again.
CXTPControl* Recreate(CXTPToolBar& bar, const SavedControl& saved, int position) {
    auto control = hb::toolkit::CreateControlOfClass(CString(saved.className.c_str()));
    if (!control) {
        return nullptr;
    }
    control->SetID(saved.id);
    control->SetCaption(saved.caption.c_str());
    return bar.GetControls()->Add(std::move(control), position);
}

void Apply(CXTPToolBar& bar, const SavedBar& saved) {
    int position = 0;
    for (const SavedControl& control : saved.controls) {
        CXTPControl* found = Match(bar, control);
        if (!found && !control.className.empty()) {
            found = Recreate(bar, control, position);
        }
        if (found) {
            found->SetHideFlags(control.hideFlags);
            bar.GetControls()->MoveTo(found, position++);
        }
    }
    bar.SetVisible(saved.visible != 0);
}

} // namespace

void CXTPCommandBars::SaveOptions(LPCSTR lpszProfileName) const {
    BlobWriter blob;
    blob.U8(m_bCustomizable ? 1 : 0);
    hb::toolkit::detail::SaveBlob(lpszProfileName, kOptionsEntry, BlobKind::CommandBarOptions,
                                  blob);
}

BOOL CXTPCommandBars::LoadOptions(LPCSTR lpszProfileName) {
    auto blob =
        hb::toolkit::detail::LoadBlob(lpszProfileName, kOptionsEntry, BlobKind::CommandBarOptions);
    std::uint8_t customizable = 0;
    if (!blob || !blob->U8(customizable) || !blob->Done()) {
        return FALSE;
    }
    EnableCustomization(customizable != 0);
    return TRUE;
}

void CXTPCommandBars::SaveBarState(LPCSTR lpszProfileName) const {
    BlobWriter blob;
    blob.U32(static_cast<std::uint32_t>(m_bars.size()));
    for (const auto& bar : m_bars) {
        blob.Text(bar->GetTitle().str());
        blob.U8(bar->IsVisible() ? 1 : 0);
        std::vector<const CXTPControl*> kept;
        for (int index = 0; const CXTPControl* control = bar->GetControl(index); ++index) {
            if (!control->IsTemporary()) {
                kept.push_back(control);
            }
        }
        blob.U32(static_cast<std::uint32_t>(kept.size()));
        for (const CXTPControl* control : kept) {
            blob.U8(static_cast<std::uint8_t>(control->GetType()));
            blob.I32(control->GetID());
            blob.Text(control->GetCaption().str());
            blob.U32(control->GetHideFlags());
            blob.Text(control->GetClassName().str());
        }
    }
    hb::toolkit::detail::SaveBlob(lpszProfileName, kStateEntry, BlobKind::CommandBarState, blob);
}

BOOL CXTPCommandBars::LoadBarState(LPCSTR lpszProfileName) {
    auto blob =
        hb::toolkit::detail::LoadBlob(lpszProfileName, kStateEntry, BlobKind::CommandBarState);
    std::uint32_t count = 0;
    if (!blob || !blob->U32(count)) {
        return FALSE;
    }
    std::vector<SavedBar> bars;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!Read(*blob, bars.emplace_back())) {
            return FALSE;
        }
    }
    if (!blob->Done()) {
        return FALSE;
    }
    for (const SavedBar& saved : bars) {
        if (CXTPToolBar* bar = FindBar(CString(saved.title.c_str()))) {
            Apply(*bar, saved);
        }
    }
    RecalcFrameLayout();
    return TRUE;
}
