// The radio window's engine commands: lock-outs, the hold, the engine setting, stored IDs and the
// lock-outs of the whole scan list.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CCmdUI.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/LockMapEdit.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/ScanHelpers.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/RadioView.h"

#include <memory>

namespace {

using hb::records::EngineStatus;
using Kind = hb::records::ObjectKind;

constexpr UINT kStoreLockedOut = 27031;
constexpr UINT kRestoreLockOuts = 27029;
constexpr std::uint32_t kSettingLockedOutId = 0x00060000;
constexpr std::uint32_t kSettingStoredId = 0x00020000;
constexpr LPARAM kHintIdLockedOut = 1018;
constexpr LPARAM kHintIdStored = 1003;
constexpr std::uint16_t kNoHitValue = 0xFFFF;
constexpr std::uint8_t kOn = 0xFF;

bool IsState(std::uint8_t state, std::initializer_list<std::uint8_t> states) {
    for (const std::uint8_t one : states) {
        if (state == one) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<EngineStatus> ReadStatus(CRig& rig) {
    auto status = std::make_unique<EngineStatus>();
    rig.EngineStatus(status->data());
    return status;
}

// The request that brings the engine's copy of a channel to its stored lock-out.
class LockOutRestorer {
public:
    explicit LockOutRestorer(CRig& rig) : m_rig(rig) {}

    void Entry(Object& object) {
        switch (object.kind()) {
        case Kind::Group:
            for (const auto& bank : static_cast<Group&>(object).banks()) {
                Bank(*bank);
            }
            break;
        case Kind::Bank:
            Bank(static_cast<::Bank&>(object));
            break;
        case Kind::Channel:
        case Kind::StandaloneChannel:
            Channel(static_cast<Chan&>(object), true, hb::records::kEngineCmdLockOut,
                    hb::records::kEngineCmdFree);
            break;
        case Kind::SearchRange:
            Channel(static_cast<Chan&>(object), false, hb::records::kEngineCmdThirdKindLocked,
                    hb::records::kEngineCmdThirdKindFree);
            break;
        default:
            break;
        }
    }

private:
    void Bank(::Bank& bank) {
        for (const auto& member : bank.members()) {
            const Kind kind = member->kind();
            if (hb::records::IsChannelKind(kind) || kind == Kind::SearchRange) {
                Channel(*member, true, hb::records::kEngineCmdLockOut, hb::records::kEngineCmdFree);
            }
        }
    }

    void Channel(Chan& channel, bool keepPartial, std::uint8_t lockedCode, std::uint8_t freeCode) {
        const bool locked =
            (channel.flags() & Chan::kFlagLockedOut) != 0 || channel.valueWord() == 0;
        const std::uint8_t wanted = locked ? kOn : 0;
        const std::uint8_t now = channel.lockOut();
        const bool partial = now != 0 && now != kOn;
        if (keepPartial && partial && (channel.flags() & Chan::kFlagKeepPartial) != 0) {
            return;
        }
        if (wanted == now) {
            return;
        }
        channel.setLockOut(wanted);
        channel.setFlags(channel.flags() & ~Chan::kFlagChangeWaiting);
        const auto record =
            EngineCommandRecord::Make(locked ? lockedCode : freeCode, 0, channel.engineWord(),
                                      channel.valueWord(), kNoHitValue);
        m_rig.EngineCommand(&record);
    }

    CRig& m_rig;
};

} // namespace

bool CRadioFrame::EngineReady() {
    if (m_rig && m_rig->IsEngineOpenFor(this)) {
        return true;
    }
    MessageBeep(MB_ICONASTERISK);
    return false;
}

CRosterDoc* CRadioFrame::ScanListDoc() const {
    return m_frontPanel ? DYNAMIC_DOWNCAST(CRosterDoc, m_frontPanel->GetDocument()) : nullptr;
}

void CRadioFrame::SendEngine(const EngineCommandRecord& record) {
    m_rig->EngineCommand(&record);
}

void CRadioFrame::OnLockOut() {
    if (!EngineReady()) {
        return;
    }
    const auto status = ReadStatus(*m_rig);
    const std::uint8_t state = status->get(EngineStatus::kState);
    const std::uint32_t object = status->get(EngineStatus::kCurrentObject);
    const std::uint16_t hit = status->get(EngineStatus::kHitValue);
    if (IsState(state, {5, 6})) {
        SendEngine(EngineCommandRecord::Make(hb::records::kEngineCmdLockOut, 0, object,
                                             status->get(EngineStatus::kCurrentFrequency), hit));
    }
    if (IsState(state, {26, 27})) {
        const std::uint32_t id =
            status->get(EngineStatus::kCurrentId).get(hb::records::UserId::kValue);
        SendEngine(EngineCommandRecord::Make(hb::records::kEngineCmdLockOutId, 0, object, id, hit));
    }
}

void CRadioFrame::OnTempLockOut() {
    if (!EngineReady()) {
        return;
    }
    const auto status = ReadStatus(*m_rig);
    if (IsState(status->get(EngineStatus::kState), {5, 6})) {
        SendEngine(EngineCommandRecord::Make(
            hb::records::kEngineCmdTempLockOut, 0, status->get(EngineStatus::kCurrentObject),
            status->get(EngineStatus::kCurrentFrequency), status->get(EngineStatus::kHitValue)));
    }
}

void CRadioFrame::OnToggleHold() {
    if (EngineReady() && m_frontPanel) {
        m_frontPanel->ToggleHold();
    }
}

void CRadioFrame::OnUpdateToggleHold(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_frontPanel && m_frontPanel->m_channelHold != 0 ? 1 : 0);
}

void CRadioFrame::OnToggleEngineSetting() {
    if (!EngineReady()) {
        return;
    }
    const auto status = ReadStatus(*m_rig);
    const std::uint8_t subCode = status->get(EngineStatus::kIdHold) != 0 ? 0 : kOn;
    SendEngine(EngineCommandRecord::Make(hb::records::kEngineCmdFrameSetting, subCode));
}

void CRadioFrame::OnStoreActiveId(UINT nID) {
    if (!EngineReady()) {
        return;
    }
    const auto status = ReadStatus(*m_rig);
    if (!IsState(status->get(EngineStatus::kState), {26, 5})) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    CRosterDoc* doc = ScanListDoc();
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    if (!roster) {
        return;
    }
    Object* object = roster->TagToObject(status->get(EngineStatus::kCurrentObject));
    const bool lockedOut = nID == kStoreLockedOut;
    const hb::records::UserId id = status->get(EngineStatus::kCurrentId);
    const int result = scan_store_active_id(object, &id, roster, 0, lockedOut ? kOn : 0);
    if (result < 0) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    doc->ShareUpdate(object, nullptr, lockedOut ? kHintIdLockedOut : kHintIdStored);
    if (lockedOut || result > 0) {
        auto record = EngineCommandRecord::Make(hb::records::kEngineCmdSetting);
        record.set(EngineCommandRecord::kSecond,
                   lockedOut ? kSettingLockedOutId : kSettingStoredId);
        SendEngine(record);
    }
    m_check_mark = kCheckPending;
    OnRadioStart();
}

void CRadioFrame::OnRackCommand() {
    if (!EngineReady()) {
        return;
    }
    ApplyToScanList(kRestoreLockOuts);
    OnRadioStart();
}

void CRadioFrame::ApplyToScanList(UINT) {
    CRosterDoc* doc = ScanListDoc();
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    if (!roster) {
        return;
    }
    LockOutRestorer restorer(*m_rig);
    for (const auto& entry : roster->entries()) {
        if (entry->isActive() && entry->object()) {
            restorer.Entry(*entry->object());
        }
    }
}

void CRadioFrame::ShowLockOutMap(Object* range) {
    if (!m_rig) {
        return;
    }
    const auto status = std::make_unique<EngineStatus>();
    if (m_rig->EngineStatus(status->data()) != 0) {
        return;
    }
    CRosterDoc* doc = ScanListDoc();
    Roster* roster = doc ? doc->GetRoster() : nullptr;
    const std::uint32_t program = status->get(EngineStatus::kProgramId);
    if (roster) {
        roster->UnloadMaps(program);
    }
    OnRadioStop();
    CLockMapEdit(range, m_rig->m_radio, doc, this).DoModal();
    if (roster) {
        roster->LoadMaps(program);
    }
    OnRadioStart();
}
