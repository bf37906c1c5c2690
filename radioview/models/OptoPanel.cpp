#include "radioview/models/OptoPanel.h"

#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/records/EngineStatus.h"
#include "radioview/models/DecoderDisplay.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <memory>

namespace hb::radioview {

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1};
constexpr ModeSwitch kModeSwitch{kModes};

using hb::records::EngineStatus;
using hb::records::UserId;

// The switch position of a kind; a kind the switch lacks sits with its family.
long SwitchPositionOf(std::uint8_t kind) {
    if (kind == hb::records::kIdKindDcs) {
        kind = hb::records::kIdKindCtcss;
    } else if (kind == hb::records::kIdKindEdacsOther) {
        kind = hb::records::kIdKindEdacs;
    }
    const auto* found = std::ranges::find(OptoPanel::kSwitchKinds, kind);
    return found == std::end(OptoPanel::kSwitchKinds)
               ? -1
               : static_cast<long>(found - std::begin(OptoPanel::kSwitchKinds));
}
} // namespace

OptoPanel::OptoPanel(UINT form, bool fullDecoder) : CRadioView(form), m_fullDecoder(fullDecoder) {}

void OptoPanel::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_DECODER_DISPLAY, m_decoderDisplay);
    DDX_ControlIfPresent(pDX, IDC_DECODER_TEXT, m_dtmfLabel);
    DDX_ControlIfPresent(pDX, IDC_KIND_PL, m_plLamp);
    DDX_ControlIfPresent(pDX, IDC_KIND_DPL, m_dplLamp);
    if (m_fullDecoder) {
        DDX_ControlIfPresent(pDX, IDC_DECODER_SWITCH, m_decoderSwitch);
        DDX_ControlIfPresent(pDX, IDC_KIND_LTR, m_ltrLamp);
        DDX_ControlIfPresent(pDX, IDC_KIND_M1, m_m1Lamp);
        DDX_ControlIfPresent(pDX, IDC_KIND_M2, m_m2Lamp);
        DDX_ControlIfPresent(pDX, IDC_KIND_ED, m_edLamp);
        DDX_ControlIfPresent(pDX, IDC_TRUNK_LAMP, m_trunkLamp);
        DDX_ControlIfPresent(pDX, IDC_ID_HOLD_LAMP, m_idHoldLamp);
    }
}

void OptoPanel::OnInitialUpdate() {
    CRadioView::OnInitialUpdate();
    PaintDecoderDisplay(*this, m_decoderDisplay, m_dtmfLabel);
}

void OptoPanel::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void OptoPanel::OnDecoderSwitch() {
    const long last = static_cast<long>(std::size(kSwitchKinds)) - 1;
    const long position = std::clamp(m_decoderSwitch.GetPosition(), 0L, last);
    ActiveRecord(*this).set(parm::Channel::kSquelchKind,
                            kSwitchKinds[static_cast<std::size_t>(position)]);
}

void OptoPanel::AppendDtmf(const DtmfRecord* rec) {
    CRadioView::AppendDtmf(rec);
    ShowDtmfLine(*this, m_dtmfLabel, rec);
}

CiLedRectangleX* OptoPanel::KindLamp(std::uint8_t kind) {
    switch (kind) {
    case hb::records::kIdKindMotorola:
        return &m_m1Lamp;
    case hb::records::kIdKindMotorolaTypeII:
        return &m_m2Lamp;
    case hb::records::kIdKindLtr:
        return &m_ltrLamp;
    case hb::records::kIdKindCtcss:
        return &m_plLamp;
    case hb::records::kIdKindDcs:
        return &m_dplLamp;
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        return &m_edLamp;
    default:
        return nullptr;
    }
}

void OptoPanel::LightOnly(const CiLedRectangleX* lit) {
    for (CiLedRectangleX* lamp :
         {&m_plLamp, &m_dplLamp, &m_ltrLamp, &m_m1Lamp, &m_m2Lamp, &m_edLamp}) {
        if (lamp->m_hWnd) {
            lamp->SetActive(lamp == lit);
        }
    }
}

bool OptoPanel::ShowsKind(std::uint8_t kind) const {
    if (m_fullDecoder) {
        return true;
    }
    return kind == hb::records::kIdKindCtcss || kind == hb::records::kIdKindDcs;
}

void OptoPanel::ClearDecoderDisplay() {
    if (m_decoderDisplay.m_hWnd) {
        m_decoderDisplay.SetPrecision(0);
        m_decoderDisplay.SetValue(0);
    }
    LightOnly(nullptr);
}

void OptoPanel::UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                                    Object* user) {
    CRadioView::UpdateStatusDisplay(engineStatus, deviceStatus, channel, user);
    if (!engineStatus || m_hold) {
        return;
    }
    const UserId id = RecordIn(engineStatus, EngineStatus::kCurrentId);
    const std::uint8_t kind = id.get(UserId::kKind);
    CiLedRectangleX* lamp = KindLamp(kind);
    if (!lamp || !ShowsKind(kind)) {
        ClearDecoderDisplay();
        return;
    }
    const DecodedValue decoded = DecodeId(id);
    if (m_decoderDisplay.m_hWnd) {
        m_decoderDisplay.SetPrecision(decoded.precision);
        m_decoderDisplay.SetValue(decoded.shown ? decoded.value : 0);
    }
    LightOnly(lamp);
    const long position = SwitchPositionOf(kind);
    if (m_decoderSwitch.m_hWnd && !IsManualMode() && position >= 0) {
        m_decoderSwitch.SetPosition(position);
    }
}

void OptoPanel::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec && !m_fullDecoder) {
        kModeSwitch.Show(m_modeSwitch, *rec);
    }
    if (rec && m_fullDecoder && m_rig) {
        // The full decoder's panel follows the engine: without its status the switch stays.
        auto engine = std::make_unique<EngineStatus>();
        if (m_rig->EngineStatus(engine->data()) == 0) {
            kModeSwitch.Show(m_modeSwitch, *rec);
            if (m_idHoldLamp.m_hWnd) {
                m_idHoldLamp.SetActive(engine->get(EngineStatus::kIdHold) != 0);
            }
        }
    }
    NormaliseParm(&ActiveRecord(*this));
}

void OptoPanel::ShowAudioState(CAudioLog* log) {
    CRadioView::ShowAudioState(log);
    PaintDecoderDisplay(*this, m_decoderDisplay, m_dtmfLabel);
}

} // namespace hb::radioview
