// The full refresh of the front panel from the engine and the device: following the radio's own
// front panel, the channel hold, what the audio logger records, the alarms, the status display and
// the active VFO.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/ScanHelpers.h"
#include "platform/tessary/model/UserIdEntry.h"
#include "radioview/ChannelRack.h"
#include "radioview/RadioView.h"

#include <algorithm>
#include <cstring>
#include <memory>

using hb::records::DeviceStatus;
using hb::records::EngineStatus;

namespace {

// The engine states in which it stands on a channel of the program.
bool OnAChannel(BYTE state) {
    return state == 0 || (state >= hb::records::kEngineOnChannel && state <= 8) ||
           (state >= hb::records::kEngineTrunkCall && state <= 33);
}

std::uint32_t HandleOf(const Object* object) {
    return object ? object->handle() : 0;
}

// The longest name the audio logger takes.
constexpr std::size_t kDalText = 50;

std::string Cut(const std::string& text) {
    return text.substr(0, kDalText);
}

} // namespace

Roster* CRadioView::TheRoster() const {
    const auto* document = DYNAMIC_DOWNCAST(CRosterDoc, GetDocument());
    return document ? document->GetRoster() : nullptr;
}

Object* CRadioView::UserOf(Object* object, const hb::records::UserId& id, BYTE* alarm,
                           BYTE* recordField) const {
    if (!object) {
        return nullptr;
    }
    return scan_format_user_details(object, TheRoster(), &id, alarm, recordField);
}

LRESULT CRadioView::OnRadioStatus(WPARAM, LPARAM) {
    if (!m_frequencyDisplay.m_hWnd || (m_frame && m_frame->Closing()) || !m_rig) {
        return 0;
    }
    auto engine = std::make_unique<EngineStatus>();
    auto device = std::make_unique<DeviceStatus>();
    if (m_rig->EngineStatus(engine->data()) != 0 || m_rig->DeviceStatus(device->data()) != 0) {
        return 0;
    }
    if (device->get(DeviceStatus::kLocalControl) != 0) {
        m_following = kOn;
        const std::uint32_t hz = device->get(DeviceStatus::kCurrentFrequency);
        if (hz != m_lastReportedHz) {
            m_lastReportedHz = hz;
            OnFrequencyChanged();
        }
    } else {
        m_lastReportedHz = 0;
        m_following = 0;
    }
    if (m_frequencyChanged && m_recalled) {
        std::ranges::fill(device->view(DeviceStatus::kCurrentName), 0);
    }

    const BYTE state = engine->get(EngineStatus::kState);
    RosterEntry* entry = nullptr;
    Object* object = nullptr;
    Object* user = nullptr;
    BYTE alarm = 0;
    BYTE recordField = 0;
    if (OnAChannel(state)) {
        const std::uint32_t handle = engine->get(EngineStatus::kCurrentObject);
        if (Roster* roster = TheRoster()) {
            entry = roster->EntryOf(handle);
            object = roster->TagToObject(handle);
        }
        user = UserOf(object, engine->get(EngineStatus::kCurrentId), &alarm, &recordField);
    }
    if (m_channelHold && ((m_heldObject && m_heldObject != HandleOf(object)) ||
                          (m_heldUser && m_heldUser != HandleOf(user)))) {
        m_channelHold = 0;
        m_heldObject = 0;
        m_heldUser = 0;
    }
    const BYTE decision = RecordingDecision(state, entry != nullptr, entry ? entry->audio : 0,
                                            recordField, object, user);
    if (m_rig->IsOpenFor(m_frame)) {
        if (m_rig->IsPermanent()) {
            if (CAudioLog* log = m_rig->GetAudioLog()) {
                log->m_recordSwitch = decision == kDecisionRecord ? kOn : 0;
            }
        } else {
            FeedAudioLog(decision, engine->data(), device->data(), object, user);
        }
    }
    RaiseAlarm(alarm, object, user);
    UpdateStatusDisplay(engine->data(), device->data(), object, user);
    FollowDevice(device->data());
    if (m_frame && m_frame->TonePanel()) {
        m_frame->TonePanel()->UpdateStatus(engine->data(), device->data());
    }
    return 0;
}

BYTE CRadioView::RecordingDecision(BYTE state, bool withEntry, BYTE audio, BYTE recordField,
                                   Object*& object, Object*& user) {
    const bool hold = m_channelHold != 0;
    BYTE decision = kDecisionSkip;
    if (state == hb::records::kEnginePaused) {
        decision = hold ? kDecisionRecord : kDecisionSkip;
    } else if (!withEntry) {
        m_heldObject = 0;
        m_heldUser = 0;
        decision = hold ? kDecisionRecord : kDecisionSkip;
    } else if (hold) {
        // The hold adopts what it holds now.
        decision = kDecisionRecord;
        m_heldObject = HandleOf(object);
        m_heldUser = HandleOf(user);
    } else if (audio == RosterEntry::kAudioAll ||
               (audio == RosterEntry::kAudioRecordField && recordField != 0)) {
        decision = kDecisionRecord;
    }
    if (!m_rig->IsEngineOpenFor(m_frame)) {
        decision = kDecisionNotOpen;
    }
    m_recordDecision = decision;
    return decision;
}

void CRadioView::FeedAudioLog(BYTE decision, const BYTE* engineStatus, const BYTE* deviceStatus,
                              Object* object, Object* user) {
    auto rec = std::make_unique<dal>();
    if (decision != kDecisionNotOpen) {
        EngineStatus engine;
        DeviceStatus device;
        std::memcpy(engine.data(), engineStatus, EngineStatus::kSize);
        std::memcpy(device.data(), deviceStatus, DeviceStatus::kSize);
        if (m_manualMode) {
            const parm& vfo = ActiveVfo();
            rec->set(dal::kFrequency, vfo.get(parm::kFrequency));
            rec->set(dal::kVoiceInversion, vfo.get(parm::kVoiceInversion));
            rec->set(dal::kUserId, device.get(DeviceStatus::kCurrentId));
            rec->setText(dal::kName1, Cut(ActiveInfo().str()));
            CString vfoName = "Paused";
            if (m_activeVfo != 0) {
                vfoName.Format("VFO %u", static_cast<unsigned>(m_activeVfo));
            }
            rec->setText(dal::kName2, vfoName.str());
        } else if (engine.get(EngineStatus::kState) == hb::records::kEnginePaused) {
            const parm current = device.get(DeviceStatus::kCurrentParm);
            rec->set(dal::kFrequency, current.get(parm::kFrequency));
            rec->set(dal::kVoiceInversion, current.get(parm::kVoiceInversion));
            rec->setText(dal::kName1, current.text(parm::kName));
            rec->set(dal::kUserId, device.get(DeviceStatus::kCurrentId));
        } else {
            rec->set(dal::kFrequency, engine.get(EngineStatus::kCurrentFrequency));
            if (const auto* channel = dynamic_cast<const Chan*>(object)) {
                rec->set(dal::kVoiceInversion, channel->record().get(parm::kVoiceInversion));
            }
            rec->set(dal::kUserId, engine.get(EngineStatus::kCurrentId));
            if (user) {
                rec->setText(dal::kName1, Cut(user->name()));
                rec->setText(dal::kName2,
                             Cut(!user->description().empty() || !object ? user->description()
                                                                         : object->description()));
            } else if (object) {
                rec->setText(dal::kName1, Cut(object->name()));
                rec->setText(dal::kName2, Cut(object->description()));
            }
        }
    }
    NotifyAudioLog(rec.get(), decision, object ? 0 : kOn, engineStatus, deviceStatus);
}

void CRadioView::RaiseAlarm(BYTE code, Object* object, Object* user) {
    const std::uint32_t objectHandle = HandleOf(object);
    const std::uint32_t userHandle = HandleOf(user);
    if (code != 0 && object && (objectHandle != m_alarmObject || userHandle != m_alarmUser)) {
        scan_alarm(code, object->name().c_str(), object->description().c_str(),
                   user ? user->name().c_str() : nullptr,
                   user ? user->description().c_str() : nullptr);
        m_alarmObject = objectHandle;
        m_alarmUser = userHandle;
    } else if (code == 0 && objectHandle != m_alarmObject) {
        m_alarmObject = 0;
        m_alarmUser = 0;
    }
}

void CRadioView::FollowDevice(BYTE* deviceStatus) {
    if (!m_following && !m_recalled) {
        if (!m_frequencyChanged) {
            std::memcpy(m_cachedDeviceStatus.data(), deviceStatus, DeviceStatus::kSize);
        }
        return;
    }
    std::memcpy(m_cachedDeviceStatus.data(), deviceStatus, DeviceStatus::kSize);
    parm current = m_cachedDeviceStatus.get(DeviceStatus::kCurrentParm);
    current.set(parm::kStep, ActiveVfo().get(parm::kStep));
    m_cachedDeviceStatus.set(DeviceStatus::kCurrentParm, current);
    const bool differs = std::memcmp(current.data(), m_working.data(), parm::kSize) != 0;
    ActiveVfo() = current;
    if (differs) {
        UpdateControlsFromParm(&ActiveVfo(), &ActiveInfo());
    }
}
