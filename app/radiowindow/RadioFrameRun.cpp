// Starting and pausing the radio of a radio window.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/EngineView.h"
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/ProgHeader.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/RadioView.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::ProgHeader;

constexpr LPCSTR kSource = "RadioFrame";
constexpr std::uint16_t kEmptyScanList = 0xA500;
constexpr std::uint16_t kDecoderFailure = 0x9C00;
constexpr std::uint16_t kFailureBit = 0x8000;
constexpr std::uint8_t kToneEngineKind = 2;
constexpr int kTrunkCompileMode = 2;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

CRosterDoc* RosterDocOf(const CView* view) {
    return view ? DYNAMIC_DOWNCAST(CRosterDoc, view->GetDocument()) : nullptr;
}

void Send(CRig& rig, std::uint8_t code, std::uint8_t subCode = 0) {
    const auto record = EngineCommandRecord::Make(code, subCode);
    rig.EngineCommand(&record);
}

// Frees the compiled program and lets the next start in, however a start ends.
class StartScope {
public:
    explicit StartScope(std::uint8_t& starting) : m_starting(starting) { m_starting = 0xFF; }
    ~StartScope() {
        std::free(program);
        m_starting = 0;
    }
    StartScope(const StartScope&) = delete;
    StartScope& operator=(const StartScope&) = delete;

    std::uint8_t* program = nullptr;

private:
    std::uint8_t& m_starting;
};

} // namespace

std::uint8_t* CRadioFrame::CompileScanList() {
    CRosterDoc* doc = RosterDocOf(m_frontPanel);
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    if (!roster) {
        return nullptr;
    }
    roster->AssignTag(nullptr, nullptr);
    std::uint8_t* program =
        roster->Compile(m_hWnd, m_rig->m_radio, m_rig->m_decoder, m_rig->m_section,
                        m_rig->m_trunk ? kTrunkCompileMode : 0);
    if (program) {
        ProgHeader head;
        std::memcpy(head.data(), program, ProgHeader::kSize);
        head.set(ProgHeader::kStartStamp, static_cast<std::uint8_t>(scan_timer_read()));
        std::memcpy(program, head.data(), ProgHeader::kSize);
    }
    return program;
}

void CRadioFrame::ShowEmptyScanList() {
    MessageBeep(MB_ICONASTERISK);
    MessageBox(m_hWnd,
               "The radio could not be started because the selected scan list is empty. Please "
               "select a different scan list.",
               "Empty Scan List", MB_ICONASTERISK);
    if (CRosterDoc* doc = RosterDocOf(m_frontPanel)) {
        doc->SetModifiedFlag(FALSE);
    }
}

bool CRadioFrame::CreateEngines(std::uint8_t*& program) {
    program = CompileScanList();
    if (!program) {
        return false;
    }
    ProgHeader head;
    std::memcpy(head.data(), program, ProgHeader::kSize);
    if (head.get(ProgHeader::kEntryCount) == 0) {
        ShowEmptyScanList();
        return false;
    }
    for (CRig* rig : {m_rig, m_rig2}) {
        if (!rig) {
            continue;
        }
        const bool tone =
            rig->m_decoder || (rig->m_radio && rig->m_radio->engineKind() == kToneEngineKind);
        const std::uint16_t result = tone ? rig->CreateToneEngine(program, m_frontPanel)
                                          : rig->CreateEngine(program, m_frontPanel);
        if (result & kFailureBit) {
            if (result == kEmptyScanList) {
                ShowEmptyScanList();
            } else {
                App().ErrorMessage(result == kDecoderFailure ? "Decoder" : "Radio", "Engine Open",
                                   kSource, __LINE__, result, 0x10, 0);
            }
            return false;
        }
    }
    if (m_searchDiagnostics) {
        m_searchDiagnostics->m_rig = m_rig;
    }
    if (m_monitorDiagnostics) {
        m_monitorDiagnostics->m_rig = m_rig2;
    }
    m_check_mark = 0;
    m_check_time = 0;
    return true;
}

bool CRadioFrame::ReloadEngines(std::uint8_t*& program) {
    const auto status = std::make_unique<EngineStatus>();
    if (m_rig->EngineStatus(status->data()) != 0) {
        return false;
    }
    CRosterDoc* doc = RosterDocOf(m_frontPanel);
    if (Roster* roster = doc ? doc->GetRoster() : nullptr) {
        roster->UnloadMaps(status->get(EngineStatus::kProgramId));
    }
    StopDevices();
    program = CompileScanList();
    if (!program) {
        return false;
    }
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig) {
            rig->ReloadEngine(program);
        }
    }
    m_check_mark = 0;
    m_check_time = 0;
    return true;
}

void CRadioFrame::OnRadioStart() {
    if (m_starting || !m_rig) {
        return;
    }
    StartScope scope(m_starting);
    m_state[1] = 0;
    m_state[2] = 0;
    const bool pauseAfter =
        m_viewType == 1 && m_rig->m_trunk == 0 && !(m_rig->IsEngineOpen() && m_check_mark);
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig && rig->AttachView(CRig::kCommandScanListFiles, this) != 0) {
            return;
        }
    }
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig && !rig->IsEngineOpen() && rig->IsOpen()) {
            rig->CloseDevice();
        }
    }
    const auto device = std::make_unique<DeviceStatus>();
    for (CRig* rig : {m_rig, m_rig2}) {
        if (rig && rig->IsOpen()) {
            rig->DeviceStatus(device->data());
            if (device->get(DeviceStatus::kBusy) != 0) {
                rig->DeviceStop();
            }
        }
    }
    if (!m_rig->IsEngineOpen()) {
        if (!CreateEngines(scope.program)) {
            return;
        }
    } else if (m_check_mark) {
        if (!ReloadEngines(scope.program)) {
            return;
        }
    }
    if (scope.program) {
        ProgHeader head;
        std::memcpy(head.data(), scope.program, ProgHeader::kSize);
        if (m_rig->NoDevice(head.get(ProgHeader::kStartStamp)) != 0) {
            return;
        }
    } else if (!m_skipStartPair) {
        Send(*m_rig, hb::records::kEngineCmdStartFirst);
        Send(*m_rig, hb::records::kEngineCmdStart);
        if (m_rig2) {
            Send(*m_rig2, hb::records::kEngineCmdStart);
        }
    }
    m_skipStartPair = 0;
    const auto status = std::make_unique<EngineStatus>();
    m_rig->EngineStatus(status->data());
    m_rig->DeviceHwnd(m_frontPanel);
    if (m_rig2) {
        m_rig->JoinEngine(m_rig2);
        m_rig2->EngineStatus(status->data());
        m_rig2->DeviceHwnd(m_frontPanel);
    }
    CRosterDoc* doc = RosterDocOf(m_frontPanel);
    if (doc && doc->IsModified()) {
        doc->OnSaveDocument(doc->GetPathName());
    }
    if (pauseAfter) {
        OnRadioStop();
    }
}

void CRadioFrame::OnRadioStop() {
    if (!m_rig || !m_rig->IsEngineOpenFor(this)) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    const auto status = std::make_unique<EngineStatus>();
    m_rig->EngineStatus(status->data());
    if (status->get(EngineStatus::kState) == hb::records::kEnginePaused) {
        return;
    }
    Send(*m_rig, hb::records::kEngineCmdPause, hb::records::kEngineSubPause);
    m_rig->EngineStatus(status->data());
}
