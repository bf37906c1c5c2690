#include "radioview/ChannelRack.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/Ddx.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Decoder.h"
#include "resources/ResourceIds.h"

#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CChannelRack, CRadioRack)

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::UserId;

// Readers that decode no digits.
bool HasNoDigits(std::uint16_t type) {
    return type == 25 || type == 72 || type == 73;
}

// Engine states in which the current ID belongs to the channel being received.
bool IsOnChannel(BYTE state) {
    return state == 0 || (state >= 5 && state <= 8) || (state >= 26 && state <= 33);
}

const char* ToneKindCaption(BYTE kind) {
    switch (kind) {
    case hb::records::kIdKindMotorola:
    case hb::records::kIdKindMotorolaTypeII:
        return "MOT";
    case hb::records::kIdKindLtr:
        return "LTR";
    case hb::records::kIdKindCtcss:
        return "PL";
    case hb::records::kIdKindDcs:
        return "DPL";
    case hb::records::kIdKindPpt:
        return "PPT";
    default:
        return nullptr;
    }
}

} // namespace

void CChannelRack::DoDataExchange(CDataExchange* pDX) {
    DDX_ControlIfPresent(pDX, IDC_DECODER_TEXT, m_decodedText);
    DDX_ControlIfPresent(pDX, IDC_RADIO_NAME, m_readerName);
    DDX_ControlIfPresent(pDX, IDC_DECODER_DISPLAY, m_idDisplay);
    DDX_ControlIfPresent(pDX, IDC_AUDIO_KIND_LAMP, m_toneLamp);
}

void CChannelRack::RefreshAppearance() {
    if (toneReader && HasNoDigits(toneReader->TypeCode()) && m_decodedText.GetSafeHwnd()) {
        m_decodedText.DestroyWindow();
    }
    if (m_readerName.GetSafeHwnd()) {
        m_readerName.SetCaption(toneReader ? toneReader->name() : "");
    }
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    if (!app) {
        return;
    }
    const COLORREF foreground = app->Colors().segmentForeground;
    const COLORREF background = app->Colors().segmentBackground;
    if (m_idDisplay.GetSafeHwnd()) {
        m_idDisplay.SetIndicatorActiveColor(foreground);
        m_idDisplay.SetProperty(hb::instruments::kBackColor, background);
    }
    if (m_decodedText.GetSafeHwnd()) {
        m_decodedText.SetFontColor(foreground);
        m_decodedText.SetBackGroundColor(background);
    }
}

void CChannelRack::UpdateStatus(const BYTE* engineStatus, const BYTE* deviceStatus) {
    if (!engineStatus || !deviceStatus ||
        !IsOnChannel(engineStatus[EngineStatus::kState.kOffset])) {
        m_idDisplay.ShowID(nullptr);
        ShowToneKind(nullptr);
        return;
    }
    UserId id;
    std::memcpy(id.data(), engineStatus + EngineStatus::kCurrentId.kOffset, UserId::kSize);
    m_idDisplay.ShowID(&id);
    ShowToneKind(deviceStatus[DeviceStatus::kSquelchOpen.kOffset] != 0 ? id.data() : nullptr);
}

void CChannelRack::ShowToneKind(const BYTE* idRecord) {
    if (!m_toneLamp.GetSafeHwnd()) {
        return;
    }
    const char* caption = idRecord ? ToneKindCaption(idRecord[UserId::kKind.kOffset]) : nullptr;
    m_toneLamp.SetActive(caption != nullptr);
    m_toneLamp.SetCaption(caption ? caption : "");
}

void CChannelRack::AppendDecodedText(const BYTE* record) {
    if (!record || !m_decodedText.GetSafeHwnd()) {
        return;
    }
    // The record's text fills its field without a NUL when it is 16 characters long.
    const auto* text = reinterpret_cast<const char*>(record + DtmfRecord::kText.kOffset);
    std::string line(m_decodedText.GetCaption());
    line.append(text, strnlen(text, hb::records::kDtmfTextWidth));
    if (line.size() > kDecodedLength) {
        line.erase(0, line.size() - kDecodedLength);
    }
    m_decodedText.SetCaption(line.c_str());
}
