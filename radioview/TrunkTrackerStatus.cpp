// The trunk-tracker panel's status display: the current channel and bank, the name lines, the
// status line and tag, the lamps, the talkgroup on the ID display, and the recalls.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/LocateBank.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "programming/ScanListView.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/TrunkStatusTable.h"
#include "radioview/TrunkTrackerView.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;
using hb::records::EngineStatus;
using hb::records::UserId;

constexpr std::uint8_t kEngineManual = 7;
constexpr std::uint8_t kRecallKey = 13;
constexpr std::uint8_t kTypeWithBands = 99;
constexpr std::uint32_t kFirstBankOfChannelZero = 9;
constexpr std::uint16_t kShowsChannel1000 = 1000;
constexpr std::size_t kIdDelayFlag = 1489;

DeviceStatus DeviceOf(const BYTE* bytes) {
    DeviceStatus device;
    std::copy_n(bytes, DeviceStatus::kSize, device.data());
    return device;
}

EngineStatus EngineOf(const BYTE* bytes) {
    EngineStatus engine;
    std::copy_n(bytes, EngineStatus::kSize, engine.data());
    return engine;
}

void SetLamp(CiLedRectangleX& lamp, bool on) {
    if (lamp.m_hWnd) {
        lamp.SetActive(on);
    }
}

void SetText(CiLabelX& label, LPCSTR text) {
    if (label.m_hWnd) {
        label.SetCaption(text);
    }
}

CString Name16(const std::string& name) {
    CString text;
    text.Format("%-16.16s", name.c_str());
    text.Trim();
    return text;
}

// The site or highway code's first character as the radio means it.
char SiteDigit(std::uint8_t c) {
    const int digit = static_cast<int>(c) - 16;
    return digit >= '0' && digit <= '9' ? static_cast<char>(digit) : '0';
}

} // namespace

int CTrunkTrackerView::BankIndexOf(std::uint32_t channel, std::uint32_t channelsPerBank) {
    if (channel == 0) {
        return static_cast<int>(kFirstBankOfChannelZero);
    }
    return channelsPerBank == 0 ? -1 : static_cast<int>((channel - 1) / channelsPerBank);
}

Chan* CTrunkTrackerView::CurrentChannel() const {
    const auto* document = DYNAMIC_DOWNCAST(CRosterDoc, GetDocument());
    const Roster* roster = document ? document->GetRoster() : nullptr;
    return roster && m_currentChannel ? dynamic_cast<Chan*>(roster->TagToObject(m_currentChannel))
                                      : nullptr;
}

Bank* CTrunkTrackerView::CurrentBank() const {
    const auto* document = DYNAMIC_DOWNCAST(CRosterDoc, GetDocument());
    const Roster* roster = document ? document->GetRoster() : nullptr;
    return roster && m_currentBank ? dynamic_cast<Bank*>(roster->TagToObject(m_currentBank))
                                   : nullptr;
}

void CTrunkTrackerView::UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus,
                                            Object* channel, Object* user) {
    CRadioView::UpdateStatusDisplay(engineStatus, deviceStatus, channel, user);
    if (!engineStatus || !deviceStatus || !m_rig || !m_holdLed.m_hWnd || m_hold ||
        (m_frame && m_frame->m_state[0] != 0)) {
        return;
    }
    const DeviceStatus device = DeviceOf(deviceStatus);
    if (m_signalBar.m_hWnd) {
        m_signalBar.SetPosition(device.get(DeviceStatus::kSignalLevel));
    }
    FindCurrent(engineStatus, deviceStatus, channel);
    ShowNameLines(engineStatus, deviceStatus, user);
    ShowStatusLine(engineStatus, deviceStatus);
    ShowMiniNames();
    ShowBanks(deviceStatus);
    ShowIdBanks(deviceStatus);
    ShowTrunkLamp(EngineOf(engineStatus).get(EngineStatus::kState));
}

void CTrunkTrackerView::FindCurrent(const BYTE* engineStatus, const BYTE* deviceStatus,
                                    Object* channel) {
    const DeviceStatus device = DeviceOf(deviceStatus);
    const bool hold = EngineOf(engineStatus).get(EngineStatus::kHold) != 0;
    const Radio* radio = Model();
    const std::uint16_t number = device.get(DeviceStatus::kCurrentChannel);
    const std::uint32_t hz = device.get(DeviceStatus::kCurrentFrequency);
    auto forget = [this] {
        m_currentChannel = 0;
        m_currentBank = 0;
    };
    if (channel) {
        auto* given = dynamic_cast<Chan*>(channel);
        if (!given) {
            forget();
        } else if (given->handle() != m_currentChannel) {
            m_currentChannel = given->handle();
            const Bank* bank = scan_locate_bank(given);
            m_currentBank = bank ? bank->handle() : 0;
            UpdateChannelFlags(given, deviceStatus);
        }
        return;
    }
    if (hold || !radio || number >= radio->organisation().channels) {
        forget();
        return;
    }
    if (const Chan* current = CurrentChannel();
        current && current->frequency() == hz &&
        current->record().get(parm::kMemoryChannel) == number) {
        return;
    }
    forget();
    const int index = BankIndexOf(number, radio->organisation().channelsPerBank);
    const Group* group = DocumentGroup();
    if (index < 0 || !group || static_cast<std::size_t>(index) >= group->banks().size()) {
        return;
    }
    Bank& bank = *group->banks()[static_cast<std::size_t>(index)];
    m_currentBank = bank.handle();
    for (const auto& member : bank.members()) {
        if (member->frequency() == hz && member->record().get(parm::kMemoryChannel) == number) {
            m_currentChannel = member->handle();
            UpdateChannelFlags(member.get(), deviceStatus);
            break;
        }
    }
}

void CTrunkTrackerView::ShowNameLines(const BYTE* engineStatus, const BYTE* deviceStatus,
                                      const Object* parent) {
    const EngineStatus engine = EngineOf(engineStatus);
    const DeviceStatus device = DeviceOf(deviceStatus);
    const std::uint8_t scan = device.get(DeviceStatus::kScanStateCode);
    if (engine.get(EngineStatus::kHold) != 0) {
        SetText(m_textLine1, "");
        SetText(m_textLine2, "");
        SetText(m_textLine3, "");
    } else if (engine.get(EngineStatus::kState) == kEngineManual && m_activeVfo != 0) {
        SetText(m_textLine1, " Manually Tuned");
        SetText(m_textLine2, "");
        SetText(m_textLine3, "");
    } else if (scan >= 3 && scan <= 6) {
        if (m_rig->m_radio && m_rig->m_radio->RadioTypeCode() == kTypeWithBands) {
            if (m_scanningFlag) {
                SetText(m_textLine2, "");
            } else {
                const parm record = device.get(DeviceStatus::kCurrentParm);
                band found;
                if (CBandSelect::LocateBand(&record, &found)) {
                    SetText(m_textLine2, CBandSelect::BandName(found));
                }
            }
        } else {
            CiLabelX* lines[] = {&m_textLine1, &m_textLine2, &m_textLine3};
            for (std::size_t i = 0; i < 3; ++i) {
                CString text = device.text(DeviceStatus::kTextLines, i).c_str();
                text.Trim();
                SetText(*lines[i], text);
            }
        }
    } else if (scan >= 9 && scan <= 12) {
        SetText(m_textLine1, "");
        SetText(m_textLine2, m_scanningFlag ? "" : "  Highway Scan");
        SetText(m_textLine3, "");
    } else if (scan == 2 || m_scanningFlag) {
        SetText(m_textLine1, "");
        SetText(m_textLine2, "");
        SetText(m_textLine3, "");
    } else {
        const Chan* current = CurrentChannel();
        if (!current) {
            SetText(m_textLine1, "");
        } else if (!parent || parent == current) {
            SetText(m_textLine1, Name16(current->name()));
            SetText(m_textLine2, Name16(current->description()));
        } else {
            SetText(m_textLine1, Name16(parent->name()));
            SetText(m_textLine2, Name16(current->name()));
        }
        const Bank* bank = CurrentBank();
        SetText(m_textLine3, bank ? Name16(bank->name()) : CString());
    }
}

void CTrunkTrackerView::ShowStatusLine(const BYTE* engineStatus, const BYTE* deviceStatus) {
    const DeviceStatus device = DeviceOf(deviceStatus);
    const std::uint8_t scan = device.get(DeviceStatus::kScanStateCode);
    const hb::radioview::TrunkStatusRow row =
        hb::radioview::TrunkStatusOf(scan, m_scanningFlag != 0);
    SetText(m_statusLine, row.status);
    if (row.tag) {
        SetText(m_channelTag, row.tag);
    } else {
        ShowChannelTag(engineStatus, deviceStatus);
    }
    SetLamp(m_lamps[kLampHold], hb::radioview::IsTrunkHoldState(scan));
}

void CTrunkTrackerView::ShowChannelTag(const BYTE* engineStatus, const BYTE* deviceStatus) {
    if (!m_channelTag.m_hWnd || !engineStatus || !deviceStatus) {
        return;
    }
    const EngineStatus engine = EngineOf(engineStatus);
    const DeviceStatus device = DeviceOf(deviceStatus);
    const std::uint32_t flags = device.get(DeviceStatus::kTrunkFlags);
    CString tag;
    if (engine.get(EngineStatus::kHold) != 0) {
        tag = "HOLD";
    } else if (m_scanningFlag) {
        tag = "";
    } else if (engine.get(EngineStatus::kState) == kEngineManual && m_activeVfo != 0) {
        tag.Format("VFO %u", static_cast<unsigned>(m_activeVfo));
    } else if (flags & DeviceStatus::kTrunkTrunking) {
        const std::uint8_t first = device.get(DeviceStatus::kSiteChar1);
        const std::uint8_t second = device.get(DeviceStatus::kSiteChar2);
        if ((flags & DeviceStatus::kTrunkNotSearching) && first != 0 && second != 0) {
            tag.Format("%c-%c", SiteDigit(first), static_cast<char>(second));
        }
    } else if (const std::uint16_t number = device.get(DeviceStatus::kCurrentChannel);
               number != DeviceStatus::kNoChannel) {
        tag.Format("C%03u", number == 0 ? kShowsChannel1000 : static_cast<unsigned>(number));
    }
    m_channelTag.SetCaption(tag);
}

void CTrunkTrackerView::ShowMiniNames() {
    auto* mini = m_frame ? DYNAMIC_DOWNCAST(CMiniStatusWnd, m_frame->m_miniStatus) : nullptr;
    if (!mini) {
        return;
    }
    const CiLabelX* lines[] = {&m_textLine1, &m_textLine2, &m_textLine3};
    for (std::size_t i = 0; i < 3; ++i) {
        if (mini->panel.m_nameLines[i].m_hWnd && lines[i]->m_hWnd) {
            mini->panel.m_nameLines[i].SetCaption(lines[i]->GetCaption());
        }
    }
    if (mini->panel.m_statusLine.m_hWnd && m_statusLine.m_hWnd) {
        mini->panel.m_statusLine.SetCaption(m_statusLine.GetCaption());
    }
}

void CTrunkTrackerView::ShowTrunkLamp(std::uint8_t state) {
    if (state == m_lastTrunkState) {
        return;
    }
    m_lastTrunkState = state;
    if (const int lit = hb::radioview::TrunkLampOf(state); lit >= 0) {
        SetLamp(m_lamps[kLampTrunk], lit != 0);
    }
}

void CTrunkTrackerView::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (m_hold || !m_holdLed.m_hWnd || !m_rig) {
        return;
    }
    EngineStatus engine;
    DeviceStatus device;
    if (m_rig->EngineStatus(engine.data()) != 0 || m_rig->DeviceStatus(device.data()) != 0) {
        return;
    }
    const std::uint32_t flags = device.get(DeviceStatus::kTrunkFlags);
    const UserId id = device.get(DeviceStatus::kCurrentId);
    const std::uint16_t call = id.get(UserId::kFlags);
    SetLamp(m_lamps[kLampTrunk], (flags & DeviceStatus::kTrunkTrunking) != 0);
    SetLamp(m_lamps[kLampSearch], (flags & DeviceStatus::kTrunkNotSearching) == 0);
    SetLamp(m_lamps[kLampActive], m_scanningFlag == 0);
    SetLamp(m_lamps[kLampPriority], (flags & DeviceStatus::kTrunkPriority) != 0);
    SetLamp(m_lamps[kLampDigital], (flags & DeviceStatus::kTrunkDigital) != 0);
    SetLamp(m_lamps[kLampIdHold], (flags & DeviceStatus::kTrunkIdHold) != 0);
    SetLamp(m_lamps[kLampICall], (call & UserId::kFlagIndividual) != 0);
    SetLamp(m_lamps[kLampEmergency], (call & UserId::kFlagEmergency) != 0);
    if (CXTPButton* trunk = Key(IDC_KEY_TRUNK)) {
        trunk->SetChecked((flags & DeviceStatus::kTrunkKeyOn) != 0);
    }
    if (CXTPButton* delay = Key(IDC_KEY_DELAY)) {
        std::uint16_t value = 0;
        std::memcpy(&value, device.data() + kIdDelayFlag, sizeof value);
        delay->SetChecked(value != 0);
    }
    if (auto* mini = m_frame ? DYNAMIC_DOWNCAST(CMiniStatusWnd, m_frame->m_miniStatus) : nullptr) {
        const std::pair<CiLedRectangleX*, CiLedRectangleX*> mirrors[] = {
            {&mini->panel.m_idHoldLamp, &m_lamps[kLampIdHold]},
            {&mini->panel.m_trunkLamp, &m_lamps[kLampTrunk]},
            {&mini->panel.m_stoppedLamp, &m_stoppedLamp},
        };
        for (const auto& [to, from] : mirrors) {
            if (to->m_hWnd && from->m_hWnd) {
                to->SetActive(from->GetActive());
            }
        }
    }
    if (engine.get(EngineStatus::kIdHold) != 0) {
        return;
    }
    if (m_scanningFlag) {
        ClearIdDisplay();
    } else {
        FormatTrunkId(id);
    }
}

void CTrunkTrackerView::ClearIdDisplay() {
    if (m_idDisplay.m_hWnd) {
        m_idDisplay.SetPrecision(0);
        m_idDisplay.SetValue(0);
    }
    for (Lamp lamp : {kLampPl, kLampDpl, kLampLtr, kLampEd, kLampM1, kLampM2}) {
        SetLamp(m_lamps[lamp], false);
    }
}

CTrunkTrackerView::ShownId CTrunkTrackerView::ShowableId(const UserId& id, int edacsQuery) {
    const std::uint32_t value = id.get(UserId::kValue);
    const std::uint8_t kind = id.get(UserId::kKind);
    ShownId shown;
    CString& text = shown.text;
    long& decimals = shown.decimals;
    int& lamp = shown.lamp;
    auto typeII = [&] {
        if (format_motorola_style(kAskStyle) == 2) {
            text.Format("%.4f", value * 0.0625 + 800000.0);
        } else {
            text.Format("%u", static_cast<unsigned>(value));
        }
        lamp = kLampM2;
    };
    switch (kind) {
    case hb::records::kIdKindMotorola: {
        const std::uint8_t size = hb::records::TypeISizeCode(id.get(UserId::kSizeCode));
        const hb::records::TypeISize& row = hb::records::TypeISizeTable[size];
        if (!row.hasLayout()) {
            typeII();
            break;
        }
        const unsigned block = id.get(UserId::kBlock) & row.blockMask;
        const unsigned fleet = id.get(UserId::kFleet) % row.fleetModulus;
        const unsigned subfleet = id.get(UserId::kSubfleet) % row.subfleetModulus;
        if (size == 1) {
            text.Format("%u%03u.%u", block, fleet, subfleet);
            decimals = 1;
        } else {
            text.Format("%u%02u.%02u", block, fleet, subfleet);
            decimals = 2;
        }
        lamp = kLampM1;
        break;
    }
    case hb::records::kIdKindMotorolaTypeII:
        typeII();
        break;
    case hb::records::kIdKindLtr:
        text.Format("%u%02lu%03lu", static_cast<unsigned>((value >> 13) & 1),
                    static_cast<unsigned long>((value >> 8) & 0x1F),
                    static_cast<unsigned long>(value & 0xFF));
        lamp = kLampLtr;
        break;
    case hb::records::kIdKindCtcss:
        text.Format("%.1f", value * 0.1);
        decimals = 1;
        lamp = kLampPl;
        break;
    case hb::records::kIdKindDcs:
        text.Format("%03o", static_cast<unsigned>(value & 0x1FF));
        lamp = kLampDpl;
        break;
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        if (format_edacs_style(edacsQuery) == 2) {
            text.Format("%d.%02d%d", static_cast<int>((value >> 7) & 0xF),
                        static_cast<int>((value >> 3) & 0xF), static_cast<int>(value & 7));
            decimals = 3;
        } else {
            text.Format("%u", static_cast<unsigned>(value));
        }
        lamp = kLampEd;
        break;
    default:
        break;
    }
    return shown;
}

void CTrunkTrackerView::ShowIdValue(const ShownId& shown) {
    if (m_idDisplay.m_hWnd) {
        m_idDisplay.SetPrecision(shown.decimals);
        m_idDisplay.SetValue(std::strtod(shown.text, nullptr));
    }
}

void CTrunkTrackerView::LightKindLamp(std::initializer_list<Lamp> lamps, int lit) {
    for (Lamp kindLamp : lamps) {
        SetLamp(m_lamps[kindLamp], kindLamp == lit);
    }
}

void CTrunkTrackerView::FormatTrunkId(const UserId& id) {
    const ShownId shown = ShowableId(id, kAskStyle);
    ShowIdValue(shown);
    LightKindLamp({kLampPl, kLampDpl, kLampLtr, kLampM1, kLampM2, kLampEd}, shown.lamp);
}

void CTrunkTrackerView::UpdateChannelFlags(Chan* channel, const BYTE* deviceStatus) {
    if (!channel || !deviceStatus) {
        return;
    }
    const DeviceStatus device = DeviceOf(deviceStatus);
    const std::uint8_t lockOut = device.get(DeviceStatus::kCurrentLockOut);
    const std::uint8_t attenuator = device.get(DeviceStatus::kCurrentAttenuator);
    parm record = channel->record();
    if (lockOut == channel->lockOut() && attenuator == record.get(parm::Channel::kAttenuator)) {
        return;
    }
    record.set(parm::kLockOut, lockOut);
    record.set(parm::Channel::kAttenuator, attenuator);
    channel->SetParm(record);
    if (m_frame && m_frame->m_scanListView) {
        m_frame->m_scanListView->RefreshObject(channel);
    }
    if (auto* document = DYNAMIC_DOWNCAST(CObjectDoc, GetDocument())) {
        document->SetModifiedFlag(1);
    }
}

void CTrunkTrackerView::NotifyAudioLog(dal* rec, BYTE decision, BYTE channelFlag,
                                       const BYTE* engineStatus, const BYTE* deviceStatus) {
    if (engineStatus && deviceStatus) {
        const DeviceStatus device = DeviceOf(deviceStatus);
        const bool manual = EngineOf(engineStatus).get(EngineStatus::kState) == kEngineManual;
        std::array<CString, 3> lines;
        for (std::size_t i = 0; i < 3; ++i) {
            lines[i] = Name16(i == 0 && manual ? std::string(" Manually Tuned")
                                               : device.text(DeviceStatus::kTextLines, i));
        }
        if (!lines[0].IsEmpty() && lines[0] != m_lastNames[0]) {
            m_lastNames[1].Empty();
            m_lastNames[2].Empty();
        }
        for (std::size_t i = 0; i < 3; ++i) {
            if (!lines[i].IsEmpty()) {
                m_lastNames[i] = lines[i];
            }
        }
    }
    if (rec) {
        rec->setText(dal::kName1, m_lastNames[0].str());
        rec->setText(dal::kName2, m_lastNames[1].str());
        rec->setText(dal::kName3, m_lastNames[2].str());
    }
    const BYTE passed = decision == kDecisionSkip && channelFlag == 0 ? kDecisionRecord : decision;
    if (m_rig) {
        m_rig->NotifyAudioLog(rec, passed);
    }
}

void CTrunkTrackerView::RecallChannel(const parm* rec) {
    if (!rec) {
        return;
    }
    EngineCommandRecord record = EngineCommandRecord::Make(
        hb::records::kEngineCmdScannerKey, kRecallKey, 0, 0, rec->get(parm::kMemoryChannel));
    Send(record);
    ClearIdDisplay();
}

void CTrunkTrackerView::RecallTrunkId(std::uint32_t value) {
    GoLive();
    const Group* group = DocumentGroup();
    if (!group) {
        return;
    }
    const std::size_t perBank =
        m_rig && m_rig->m_radio ? m_rig->m_radio->organisation().idsPerBank : 0;
    for (std::size_t i = 0; i < group->banks().size(); ++i) {
        const auto& entries = group->banks()[i]->userIds();
        for (std::size_t j = 0; j < entries.size(); ++j) {
            if (entries[j]->id().get(UserId::kValue) == value) {
                // The radio numbers its ID entries through all banks from 1.
                EngineCommandRecord record =
                    EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kRecallKey, 0, 0,
                                              static_cast<std::uint16_t>(i * perBank + j + 1));
                Send(record);
                ClearIdDisplay();
                return;
            }
        }
    }
}
