#include "radioview/ToneDecoderRack.h"

#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/ToneReport.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Object.h"
#include "platform/tessary/model/Radio.h"

IMPLEMENT_DYNAMIC(CToneDecoderRack, CChannelRack)

BEGIN_MESSAGE_MAP(CToneDecoderRack, CChannelRack)
ON_WM_TIMER()
ON_MESSAGE(WM_TONE_DECODER_SETTING, &CToneDecoderRack::OnDecoderSetting)
END_MESSAGE_MAP()

using hb::records::EngineStatus;
using hb::records::ToneReport;

BOOL CToneDecoderRack::Create(CWnd* parent, UINT templateId, UINT style) {
    const BOOL created = CChannelRack::Create(parent, templateId, style);
    if (created && AudioLog()) {
        AudioLog()->DSPAttachFastDecoder(this);
    }
    return created;
}

void CToneDecoderRack::OnDestroy() {
    // When the radio window closes, its recorder tab takes the logger away first.
    CRig* rig = OwnerRig();
    if (rig && AudioLog() && rig->GetAudioLog() == AudioLog()) {
        AudioLog()->DSPAttachFastDecoder(nullptr);
    }
    CChannelRack::OnDestroy();
}

void CToneDecoderRack::OnTimer(UINT_PTR nIDEvent) {
    OnTimerTick();
    CChannelRack::OnTimer(nIDEvent);
}

LRESULT CToneDecoderRack::OnDecoderSetting(WPARAM wParam, LPARAM lParam) {
    Clear();
    m_decodeValue = static_cast<std::uint32_t>(lParam);
    m_decodeMode = static_cast<BYTE>(wParam & 0xFF);
    return 0;
}

CRig* CToneDecoderRack::OwnerRig() const {
    auto* frame = dynamic_cast<CRadioFrame*>(owner);
    return frame ? frame->m_rig : nullptr;
}

void CToneDecoderRack::ReportDecoded(BYTE* record) {
    CRig* rig = OwnerRig();
    if (!rig || !record || rig->IsPermanent() || !rig->IsDecoderOpenFor(owner)) {
        return;
    }
    ToneReport report;
    std::memcpy(report.data(), record, ToneReport::kSize);
    report.set(ToneReport::kWindow, static_cast<std::uint32_t>(hb::win::ParamFromHwnd(m_hWnd)));
    std::memcpy(record, report.data(), ToneReport::kSize);
    scan_api_call(hb::records::kApiCallToneReport, rig->m_tone_device, 0, record, 0);
}

int CToneDecoderRack::CanDecodeFrequency() {
    CRig* rig = OwnerRig();
    if (!rig || !rig->m_radio) {
        return 0;
    }
    EngineStatus status;
    rig->EngineStatus(status.data());
    return status.get(EngineStatus::kCurrentFrequency) < rig->m_radio->toneDecoderLimit() ? 1 : 0;
}

const char* CToneDecoderRack::ChannelText() {
    CRig* rig = OwnerRig();
    if (!rig || rig->IsPermanent() || !rig->IsEngineOpenFor(owner)) {
        return nullptr;
    }
    auto* document =
        DYNAMIC_DOWNCAST(CRosterDoc, static_cast<CFrameWnd*>(owner)->GetActiveDocument());
    if (!document || !document->GetRoster()) {
        return nullptr;
    }
    EngineStatus status;
    rig->EngineStatus(status.data());
    const Object* channel = Object::Find(status.get(EngineStatus::kCurrentObject));
    return channel ? channel->name().c_str() : nullptr;
}
