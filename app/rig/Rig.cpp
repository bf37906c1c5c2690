// The rig's settings, the list of rigs and the choice of one, the owner slots, and deletion.
#include "app/rig/Rig.h"

#include "app/rig/MultiRadioPairs.h"
#include "app/rig/RadioSelectDlg.h"
#include "app/rig/RigList.h"
#include "platform/afx/CWnd.h"
#include "platform/records/MixerLines.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Decoder.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/store/PrivateProfile.h"
#include "radioview/ParmValue.h"

#include <vector>

namespace {

using hb::records::kMixerLineDefaultMonitor;
using hb::records::kMixerLineNone;

constexpr LPCSTR kSpanParm = "SpanParm";
constexpr LPCSTR kScopeParm = "ScopeParm";
constexpr int kDefaultDspRole = 1;
constexpr std::uint8_t kScanView = 0;
constexpr std::uint8_t kStandardView = 1;
constexpr std::uint8_t kViewTypeUnset = 255;
// The tone reader settings are read up to this many characters.
constexpr DWORD kReaderTextChars = 20;

CString ReadReaderText(LPCSTR section, LPCSTR key, const CString& settings) {
    char value[kReaderTextChars + 1] = {};
    GetPrivateProfileString(section, key, "", value, sizeof value, settings);
    return value;
}

} // namespace

CScanApp& CRig::App() {
    return *CScanApp::GetScanApp();
}

CRig::CRig(const char* name, unsigned, Radio* radio)
    : m_audio_input(kMixerLineNone), m_audio_output(kMixerLineNone),
      m_audio_monitor(kMixerLineDefaultMonitor), m_audio_dsp_role(kDefaultDspRole) {
    CScanApp& app = App();
    if (const HKEY key = app.GetSectionKey(name)) {
        ReadParmValue(key, kSpanParm, m_span_parm);
        ReadParmValue(key, kScopeParm, m_scope_parm);
        RegCloseKey(key);
    }

    const CString& settings = app.GetSettingsFile();
    m_audio_input = GetPrivateProfileInt(name, "AudioInput", kMixerLineNone, settings);
    m_audio_output = GetPrivateProfileInt(name, "AudioOutput", kMixerLineNone, settings);
    m_audio_monitor =
        GetPrivateProfileInt(name, "AudioMonitor", kMixerLineDefaultMonitor, settings);
    m_audio_dsp_role = GetPrivateProfileInt(name, "AudioDSPRole", kDefaultDspRole, settings);
    m_setup_wizard = static_cast<std::uint32_t>(app.GetProfileIntA(name, "SetupWizard", 1));
    // Older versions kept two special inputs that no longer exist.
    if (m_audio_input == -2 || m_audio_input == -3) {
        m_audio_input = kMixerLineNone;
    }

    m_radio = radio;
    m_name = name;
    m_section = name;
    if (radio && (radio->caps1() & (Radio::kTrunk | Radio::kTrunkDigital))) {
        m_trunk = 0xFF;
    }

    m_view_type = static_cast<std::uint8_t>(app.GetProfileIntA(m_section, "ViewType", 1));
    if (m_view_type == kViewTypeUnset) {
        m_view_type = kStandardView;
    }
    if (m_view_type == kScanView && app.GetMachineProfileInt("Settings", "DisableScanMode", 0)) {
        m_view_type = kStandardView;
    }
    if (m_trunk) {
        m_view_type = kStandardView;
    }

    CRigList::Get().AddTail(this);
    ReadToneReader(name);
}

void CRig::ReadToneReader(const char* name) {
    const CString& settings = App().GetSettingsFile();
    const int readers = GetPrivateProfileInt("Vela*Quin", "ToneReadersInstalled", 0, settings);
    for (int k = 1; k <= readers; ++k) {
        CString key;
        key.Format("Reader#%d", k);
        const CString connection = ReadReaderText("Connections", key, settings);
        if (connection.IsEmpty() || ReadReaderText("Radios", connection, settings) != name) {
            continue;
        }
        m_tone_reader = ReadReaderText("ToneReaders", key, settings);
        const auto type =
            static_cast<BYTE>(GetPrivateProfileInt(m_tone_reader, "Type", 0, settings));
        m_decoder = Decoder::CreateDecoder(type).release();
        return;
    }
}

CRig::~CRig() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (m_slots.window[slot] && IsWindow(m_slots.hwnd[slot])) {
            ::SendMessage(m_slots.hwnd[slot], WM_CLOSE, 0, 0);
        }
    }
    // A window that refused to close keeps nothing of this rig.
    m_slots = {};
    m_owner = nullptr;

    if (m_engine) {
        scan_destroy_engine(m_engine);
        m_engine = 0;
        m_device = 0;
    } else if (m_device) {
        scan_close_device(m_device);
        m_device = 0;
    }

    if (const HKEY key = App().GetSectionKey(m_name)) {
        StoreParmValue(key, kSpanParm, m_span_parm);
        StoreParmValue(key, kScopeParm, m_scope_parm);
        RegCloseKey(key);
    }

    delete m_radio;
    delete m_decoder;
    CRigList::Get().Remove(this);
}

CRig* CRig::FindByName(const char* text) {
    if (!text) {
        return nullptr;
    }
    for (CRig* rig : CRigList::Get()) {
        if (rig->m_name.CompareNoCase(text) == 0 || rig->m_section.CompareNoCase(text) == 0) {
            return rig;
        }
    }
    return nullptr;
}

CRig* CRig::FindByOwner(CWnd* window) {
    if (!window) {
        return nullptr;
    }
    for (CRig* rig : CRigList::Get()) {
        if (rig->m_owner == window) {
            return rig;
        }
    }
    return nullptr;
}

bool CRig::MatchesType(std::uint32_t typeFilter) const {
    return typeFilter == 0 || (m_radio && m_radio->RadioTypeCode() == typeFilter);
}

CRig* CRig::SelectRig(CString title, BYTE offerWizard, BYTE typeFilter) {
    const CRigList& rigs = CRigList::Get();
    if (App().ParsePathName() != 0 || rigs.IsEmpty()) {
        return nullptr;
    }
    s_selection.fill(nullptr);

    std::vector<CRig*> matching;
    for (CRig* rig : rigs) {
        if (rig->MatchesType(typeFilter)) {
            matching.push_back(rig);
        }
    }
    if (matching.empty()) {
        return nullptr;
    }
    if (rigs.GetCount() == 1 || matching.size() == 1) {
        s_selection[0] = matching.front();
        return s_selection[0];
    }

    CRadioSelectDlg dialog;
    dialog.m_title = title;
    dialog.m_offer_wizard = offerWizard;
    dialog.m_type_filter = typeFilter;
    const int result = dialog.DoModal();
    const RadioSelectRow* row = dialog.ChosenRow(result);
    if (!row) {
        return nullptr;
    }
    switch (row->kind) {
    case RadioSelectRow::Kind::Rig:
        s_selection[0] = row->rig;
        break;
    case RadioSelectRow::Kind::PairA:
        SelectPairList('A');
        break;
    case RadioSelectRow::Kind::PairB:
        SelectPairList('B');
        break;
    case RadioSelectRow::Kind::Cancel:
        return nullptr;
    }
    if (dialog.m_run_wizard && s_selection[0]) {
        s_selection[0]->m_setup_wizard = 1;
    }
    return s_selection[0];
}

void CRig::SelectPairList(char list) {
    if (!hb::app::IsPairListOn(list)) {
        return;
    }
    for (int k = 1; k <= hb::app::kPairListLength; ++k) {
        const CString name = hb::app::PairListName(list, k);
        if (name.IsEmpty()) {
            return;
        }
        s_selection[static_cast<std::size_t>(k - 1)] = FindByName(name);
    }
}

int CRig::SlotOf(const CWnd* window) const {
    if (!window) {
        return -1;
    }
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (m_slots.window[slot] == window) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

HWND CRig::LiveNotify(std::size_t slot) const {
    const HWND notify = m_slots.notify[slot];
    return IsWindow(notify) ? notify : HWND{};
}

bool CRig::HasWindows() const {
    for (const CWnd* window : m_slots.window) {
        if (window) {
            return true;
        }
    }
    return false;
}

void CRig::ClearSlot(std::size_t slot) {
    m_slots.window[slot] = nullptr;
    m_slots.previous[slot] = nullptr;
    m_slots.notify[slot] = HWND{};
    m_slots.command[slot] = 0;
    m_slots.hwnd[slot] = HWND{};
}

int CRig::AttachView(unsigned command, CWnd* window) {
    if (!window || (m_permanent && command == kCommandCorrelatorFiles)) {
        return 1;
    }
    int found = -1;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (m_slots.window[slot] == window) {
            found = static_cast<int>(slot);
            break;
        }
        if (m_slots.window[slot] && m_slots.command[slot] == command) {
            return 1;
        }
    }
    if (found < 0) {
        for (std::size_t slot = 0; slot < kSlotCount && found < 0; ++slot) {
            if (!m_slots.window[slot]) {
                found = static_cast<int>(slot);
            }
        }
        if (found < 0) {
            return 1;
        }
        const auto slot = static_cast<std::size_t>(found);
        m_slots.window[slot] = window;
        m_slots.notify[slot] = window->GetSafeHwnd();
        m_slots.command[slot] = command;
        m_slots.hwnd[slot] = window->GetSafeHwnd();
    }
    if (window == m_owner) {
        return 0;
    }
    if (const int owner = SlotOf(m_owner); owner >= 0) {
        const HWND ownerHwnd = m_slots.hwnd[static_cast<std::size_t>(owner)];
        if (IsWindow(ownerHwnd)) {
            ::SendMessage(ownerHwnd, WM_COMMAND, kCommandStop, 0);
        }
    }
    m_slots.previous[static_cast<std::size_t>(found)] = m_owner;
    m_owner = window;
    m_owner_command = command;
    return 0;
}

int CRig::DetachView(CWnd* window, unsigned) {
    if (const int held = SlotOf(window); held >= 0) {
        const auto slot = static_cast<std::size_t>(held);
        CWnd* const displaced = m_slots.previous[slot];
        ClearSlot(slot);
        // Whoever this window displaced is now displaced by those it displaced in turn.
        for (std::size_t other = 0; other < kSlotCount; ++other) {
            if (m_slots.previous[other] == window) {
                m_slots.previous[other] = m_slots.window[other] == displaced ? nullptr : displaced;
            }
        }
        // Only the owner hands the radio on, and only to a window that is still attached.
        if (window == m_owner) {
            CWnd* const next = SlotOf(displaced) >= 0 ? displaced : nullptr;
            m_owner = next;
            m_owner_command = 0;
            for (std::size_t other = 0; other < kSlotCount; ++other) {
                if (m_slots.window[other] != next) {
                    continue;
                }
                m_owner_command = m_slots.command[other];
                if (!m_permanent) {
                    scan_device_hwnd(m_device, LiveNotify(other));
                }
            }
            if (const int nextSlot = SlotOf(next); nextSlot >= 0) {
                const HWND nextHwnd = m_slots.hwnd[static_cast<std::size_t>(nextSlot)];
                if (IsWindow(nextHwnd)) {
                    ::PostMessage(nextHwnd, WM_COMMAND, kCommandStart, 0);
                }
            }
        }
        if (!HasWindows()) {
            if (m_permanent) {
                m_device = 0;
                m_engine = 0;
            } else if (IsEngineOpen()) {
                DestroyEngine();
            } else if (m_device) {
                CloseDevice();
            }
            m_owner = nullptr;
        }
    }
    App().WriteProfileInt(m_name, "ModemRedialArmed", 0);
    return 0;
}

bool CRig::IsOpenFor(CWnd* window) const {
    return IsOpen() && (!window || window == m_owner);
}

bool CRig::IsDecoderOpenFor(CWnd* window) const {
    return IsOpen() && m_decoder && m_tone_device != 0 && (!window || window == m_owner);
}

bool CRig::IsEngineOpenFor(CWnd* window) const {
    return IsOpen() && IsEngineOpen() && (!window || window == m_owner);
}

void CRig::DeleteAll() {
    CRigList& rigs = CRigList::Get();
    while (CRig* rig = rigs.GetHead()) {
        rigs.Remove(rig);
        delete rig;
    }
    s_selection.fill(nullptr);
}

void CRig::DeleteTransient() {
    for (bool deleted = true; deleted;) {
        deleted = false;
        for (CRig* rig : CRigList::Get()) {
            if (rig->m_permanent != 1) {
                delete rig;
                deleted = true;
                break;
            }
        }
    }
    s_selection.fill(nullptr);
}

int CRig::RadioRequest(int a, int b) {
    return m_radio ? m_radio->Request(a, b) : 0;
}
