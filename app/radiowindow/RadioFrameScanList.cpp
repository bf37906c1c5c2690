// The radio window's scan list commands: another list, save as, reset, the upload from the radio,
// storing the tuned VFO and the list's edit commands.
#include "app/radiowindow/RadioFrame.h"
#include "app/radiowindow/WaitCursor.h"
#include "app/rig/EngineCheckHold.h"
#include "app/rig/Rig.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/MessageBox.h"
#include "programming/Loader.h"
#include "programming/ScanListView.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = hb::records::ObjectKind;

constexpr UINT kStoreAsNew = 27218;
constexpr UINT kStoreAndStart = 27226;
constexpr BYTE kStoreNew = 0xFF;
constexpr std::uint8_t kGroupViewType = 1;
constexpr double kMaxVoiceInversion = 65535;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

// The group of the scan list's first entry, when the entry holds one.
Group* FirstGroup(Roster& roster) {
    if (roster.entries().empty()) {
        return nullptr;
    }
    const RosterEntry& entry = *roster.entries().front();
    Object* object = entry.object();
    if (entry.tag != static_cast<std::uint32_t>(Kind::Group) || !object ||
        object->kind() != Kind::Group) {
        return nullptr;
    }
    return static_cast<Group*>(object);
}

// The value the logger gives the VFO's voice inversion: its inversion frequency while it plays,
// kept within the record's 16 bits.
std::uint16_t VoiceInversion(const CAudioLog& log) {
    if (log.GetMode() != CAudioLog::kModePlay) {
        return 0;
    }
    const double hz = std::trunc(log.m_invertFrequency);
    if (!(hz > 0)) {
        return 0;
    }
    return static_cast<std::uint16_t>(std::min(hz, kMaxVoiceInversion));
}

} // namespace

void CRadioFrame::TakeScanList(int (CScanListView::*choose)()) {
    StopDevices();
    if (m_scanListView && (m_scanListView->*choose)() != 0) {
        m_check_mark = kCheckPending;
        if (m_frontPanel) {
            m_frontPanel->UpdateTitle();
        }
        if (CRosterDoc* doc = ScanListDoc(); doc && m_rig) {
            App().WriteProfileStringA(m_rig->m_section, "ScanListFile", doc->GetPathName());
        }
    }
    OnRadioStart();
}

void CRadioFrame::OnScanListFile() {
    TakeScanList(&CScanListView::OpenGroup);
}

void CRadioFrame::OnScanListSaveAs() {
    TakeScanList(m_viewType == kGroupViewType ? &CScanListView::ChooseNewGroup
                                              : &CScanListView::OpenGroup);
}

void CRadioFrame::OnResetScanList() {
    if (m_viewType == kGroupViewType) {
        OnScanListFile();
        return;
    }
    OnRadioStop();
    StopDevices();
    EngineCheckHold hold(*this, true);
    CRosterDoc* doc = ScanListDoc();
    if (Roster* roster = doc ? doc->GetRoster() : nullptr) {
        roster->Unload();
        roster->reset();
        doc->SetModifiedFlag(TRUE);
        doc->ShareUpdate(nullptr, nullptr, 0);
    }
    if (m_scanListView) {
        m_scanListView->Refresh();
    }
}

void CRadioFrame::OnUploadScanList() {
    if (!m_rig) {
        return;
    }
    if (m_rig->IsPermanent()) {
        MessageBeep(MB_ICONASTERISK);
        if (MessageBox(m_hWnd,
                       "This is a remotely connected radio. This transfer could take a long time.",
                       "Warning - Remote Radio", MB_OKCANCEL | MB_ICONHAND) != IDOK) {
            return;
        }
    }
    CRosterDoc* doc = ScanListDoc();
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    Group* group = roster ? FirstGroup(*roster) : nullptr;
    if (!group) {
        return;
    }
    OnRadioStop();
    StopDevices();
    EngineCheckHold hold(*this, true);
    CLoader().Upload(group, m_rig, doc, this);
    WaitCursor wait;
    doc->ShareUpdate(nullptr, nullptr, 0);
    if (!m_scanListView) {
        return;
    }
    // The roster view would open the group's file into the scan list's document: it shows the
    // list it holds instead.
    if (m_viewType == kGroupViewType) {
        m_scanListView->OpenFile(group->fileName().c_str());
    } else {
        m_scanListView->Refresh();
    }
}

void CRadioFrame::OnStoreVfo(UINT nID) {
    if (!m_frontPanel || !m_frontPanel->IsManualMode() || !m_scanListView) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    const std::size_t vfo =
        std::min<std::size_t>(m_frontPanel->m_activeVfo, CRadioView::kVfoCount - 1);
    parm& record = m_frontPanel->m_vfo[vfo];
    if (const CAudioLog* log = m_rig ? m_rig->GetAudioLog() : nullptr) {
        record.set(parm::kVoiceInversion, VoiceInversion(*log));
    }
    const BYTE flag = nID == kStoreAsNew ? kStoreNew : 0;
    if (m_scanListView->StoreChannel(&record, m_frontPanel->m_vfoInfo[vfo], static_cast<int>(vfo),
                                     flag) == 0) {
        MessageBeep(MB_ICONASTERISK);
    }
    if (nID == kStoreAndStart) {
        OnRadioStart();
    }
}

void CRadioFrame::OnEditInsertBefore() {
    if (m_scanListView) {
        m_scanListView->InsertBefore();
    }
}

void CRadioFrame::OnEditInsertAfter() {
    if (m_scanListView) {
        m_scanListView->InsertAfter();
    }
}

void CRadioFrame::OnEditCut() {
    if (m_scanListView) {
        m_scanListView->Cut();
    }
}

void CRadioFrame::OnEditCopy() {
    if (m_scanListView) {
        m_scanListView->Copy();
    }
}

void CRadioFrame::OnEditPaste() {
    if (m_scanListView) {
        m_scanListView->Paste();
    }
}
