// The trunk-tracker panel's keys that carry more than their key code: "Hold", "Att", "L/O",
// "Reset", "Mini Bar", "Scan List", "Record", "@", the digits and the service search.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Chan.h"
#include "programming/ScanListView.h"
#include "radioview/ServiceSearchDlg.h"
#include "radioview/TrunkTrackerView.h"

#include <memory>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;
using hb::records::EngineStatus;

constexpr auto kCurrentTone = hb::records::Within(DeviceStatus::kCurrentParm, parm::Channel::kTone);
// Scanner key sub-codes.
constexpr std::uint8_t kHoldChannel = 3;
constexpr std::uint8_t kServiceKey = 7;
constexpr std::uint8_t kDigitKey = 14;
constexpr std::uint8_t kHoldBank = 25;
constexpr std::uint8_t kLockOutOn = 8;
constexpr std::uint8_t kAttOn = 17;
constexpr std::uint8_t kAttOff = 18;
constexpr std::uint8_t kLockOutOff = 19;
// The channel number the scan-list view can show.
constexpr std::uint32_t kLastListedChannel = 1000;
constexpr BYTE kLoggerLive = 1;
constexpr BYTE kLoggerReplay = 2;

} // namespace

void CTrunkTrackerView::StartAgainIfManual() {
    if (m_manualMode && m_frame) {
        m_frame->OnRadioStart();
    }
}

void CTrunkTrackerView::OnHoldKey() {
    if (!m_rig) {
        return;
    }
    const std::uint8_t state = m_rig->m_engine_status.get(EngineStatus::kState);
    const DeviceStatus& device = m_rig->m_device_status;
    EngineCommandRecord record;
    if (state >= 5 && state <= 7) {
        record = EngineCommandRecord::Make(
            hb::records::kEngineCmdScannerKey, kHoldChannel, 0, 0,
            static_cast<std::uint16_t>(device.get(DeviceStatus::kCurrentChannel)));
    } else if (state == 26 || state == 27) {
        record = EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kHoldBank, 0, 0,
                                           device.get(DeviceStatus::kBankIndex));
    } else {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    record.set(EngineCommandRecord::kFirst, device.get(kCurrentTone));
    record.set(EngineCommandRecord::kSecond, device.get(DeviceStatus::kCurrentFrequency));
    Send(record);
}

void CTrunkTrackerView::OnAttKey() {
    ToggleChannelFlag(parm::Channel::kAttenuator.kOffset, kAttOn, kAttOff);
}

void CTrunkTrackerView::OnLockOutKey() {
    ToggleChannelFlag(parm::kLockOut.kOffset, kLockOutOn, kLockOutOff);
}

void CTrunkTrackerView::ToggleChannelFlag(std::size_t offset, std::uint8_t on, std::uint8_t off) {
    if (!m_rig) {
        return;
    }
    const std::uint32_t last = m_rig->m_parm.get(parm::kMemoryChannel);
    std::uint8_t subCode = 0;
    if (Chan* channel = CurrentChannel()) {
        parm record = channel->record();
        const bool set = record.data()[offset] != 0;
        subCode = set ? off : on;
        record.data()[offset] = set ? 0 : 1;
        channel->SetParm(record);
        if (m_frame && m_frame->m_scanListView) {
            m_frame->m_scanListView->RefreshObject(channel);
        }
    } else {
        subCode = m_rig->m_parm.data()[offset] != 0 ? off : on;
    }
    EngineCommandRecord command = EngineCommandRecord::Make(
        hb::records::kEngineCmdScannerKey, subCode, 0, 0, static_cast<std::uint16_t>(last));
    Send(command);
    if (auto* document = DYNAMIC_DOWNCAST(CObjectDoc, GetDocument())) {
        document->SetModifiedFlag(1);
    }
}

void CTrunkTrackerView::OnResetKey() {
    if (!m_rig || !m_rig->IsEngineOpenFor(m_frame)) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    auto status = std::make_unique<EngineStatus>();
    m_rig->EngineStatus(status->data());
    EngineCommandRecord record = EngineCommandRecord::Make(hb::records::kEngineCmdReset);
    Send(record);
    StartAgainIfManual();
    GoLive();
}

void CTrunkTrackerView::OnMiniBarKey() {
    if (m_frame) {
        m_frame->OnMiniStatus();
    }
    GoLive();
}

void CTrunkTrackerView::OnScanListKey() {
    if (m_frame) {
        m_frame->OnScanListFile();
    }
    GoLive();
}

void CTrunkTrackerView::OnRecordKey() {
    if (!m_audioLog) {
        return;
    }
    if (m_audioLog->GetMode() == kLoggerReplay) {
        m_audioLog->SetMode(kLoggerLive);
    } else if (m_audioLog->GetMode() == kLoggerLive) {
        m_audioLog->SetMode(kLoggerReplay);
    }
}

void CTrunkTrackerView::OnGoToKey() {
    Chan* channel = CurrentChannel();
    const std::uint32_t last = m_rig ? m_rig->m_parm.get(parm::kMemoryChannel) : 0;
    if (!channel || last > kLastListedChannel ||
        last != channel->record().get(parm::kMemoryChannel) || !m_frame ||
        !m_frame->m_scanListView) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    m_frame->m_scanListView->GoToObject(channel);
}

void CTrunkTrackerView::OnDigitKey(UINT id) {
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kDigitKey, 0, 0,
                                  static_cast<std::uint16_t>(id - IDC_DIGIT_0));
    Send(record);
}

std::uint16_t CTrunkTrackerView::ServiceDigit(int selection) const {
    return static_cast<std::uint16_t>((selection + 1) % 10);
}

void CTrunkTrackerView::OnServiceKey() {
    if (!m_rig) {
        return;
    }
    CScanApp& app = *CScanApp::GetScanApp();
    const int stored = app.GetProfileIntA(m_rig->m_section, "ServiceSearch", 1);
    CServiceSearchDlg dialog(m_rig->m_radio, this);
    dialog.m_selection = stored >= 0 && stored < CServiceSearchDlg::kServices ? stored : 1;
    if (dialog.DoModal() != IDOK || dialog.m_selection < 0) {
        return;
    }
    SendServiceKey(ServiceDigit(dialog.m_selection));
    app.WriteProfileInt(m_rig->m_section, "ServiceSearch", dialog.m_selection);
}

void CTrunkTrackerView::SendServiceKey(std::uint16_t digit) {
    StartAgainIfManual();
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kServiceKey, 0, 0, digit);
    Send(record);
}
