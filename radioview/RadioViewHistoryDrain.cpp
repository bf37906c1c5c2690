// The engine's queued records reaching the front panel: each hit goes to the history and the
// channel's log, and to the activity log when its scan-list entry logs; DTMF digits wait for the
// next hit. A hit can also be logged by hand.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/engine/EngineApi.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Roster.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "radioview/ChannelRack.h"
#include "radioview/RadioView.h"

#include <memory>

using hb::records::EngineStatus;

namespace {

constexpr std::uint32_t kQuietFlags = HistoryRecord::kFlagQuiet20 | HistoryRecord::kFlagQuiet40;

} // namespace

LRESULT CRadioView::OnRadioHistory(WPARAM, LPARAM) {
    if (!m_rig) {
        return 0;
    }
    Roster* roster = TheRoster();
    HistoryRecord rec;
    while (m_rig->GetHistory(rec.data()) == 0) {
        const std::uint32_t handle = rec.get(HistoryRecord::kObjectHandle);
        Object* object = roster ? roster->TagToObject(handle) : nullptr;
        Object* user = UserOf(object, rec.get(HistoryRecord::kUserId));
        if ((rec.get(HistoryRecord::kFlags) & kQuietFlags) != 0) {
            continue;
        }
        LogHit(&rec, object, user);
        const RosterEntry* entry = object ? roster->EntryOf(handle) : nullptr;
        if (m_frame && (!object || (entry && entry->log == RosterEntry::kOn))) {
            const CString name = user     ? CString(user->name().c_str())
                                 : object ? CString(object->name().c_str())
                                          : CString("Manually Tuned");
            m_frame->ActivityLog().LogRecord("", m_rig, &rec, name);
        }
    }
    DrainOtherRig();
    return 0;
}

void CRadioView::DrainOtherRig() {
    // The second radio of a pair hands its hits to this one; its own records are not kept.
    if (!m_frame || !m_frame->m_rig2) {
        return;
    }
    HistoryRecord dropped;
    while (m_frame->m_rig2->GetHistory(dropped.data()) == 0) {
    }
}

LRESULT CRadioView::OnRadioDtmf(WPARAM, LPARAM) {
    if (!m_rig) {
        return 0;
    }
    DtmfRecord rec;
    while (m_rig->GetDtmf(rec.data()) == 0) {
        AppendDtmf(&rec);
        if (m_frame && m_frame->TonePanel()) {
            m_frame->TonePanel()->AppendDecodedText(rec.data());
        }
    }
    return 0;
}

void CRadioView::OnLogNow() {
    auto engine = std::make_unique<EngineStatus>();
    auto device = std::make_unique<hb::records::DeviceStatus>();
    // Without the engine's status there is no hit to log: a hit that never happened would be.
    if (!m_rig || !m_rig->IsEngineOpenFor(m_frame)) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    m_rig->DeviceStatus(device->data());
    if (m_rig->EngineStatus(engine->data()) != 0) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    HistoryRecord rec;
    const std::uint32_t handle = engine->get(EngineStatus::kCurrentObject);
    rec.set(HistoryRecord::kFrequency, engine->get(EngineStatus::kCurrentFrequency));
    rec.set(HistoryRecord::kObjectHandle, handle);
    rec.set(HistoryRecord::kUserId, engine->get(EngineStatus::kCurrentId));
    rec.set(HistoryRecord::kHitNumber1, engine->get(EngineStatus::kHitNumber1));
    rec.set(HistoryRecord::kHitNumber2, engine->get(EngineStatus::kHitNumber2));
    rec.set(HistoryRecord::kHitByte1, engine->get(EngineStatus::kHitByte1));
    rec.set(HistoryRecord::kHitByte2, engine->get(EngineStatus::kHitByte2));
    rec.set(HistoryRecord::kFlags,
            engine->get(EngineStatus::kHitFlags) | HistoryRecord::kFlagByHand);
    std::uint32_t now = 0;
    scan_get_time(&now);
    rec.set(HistoryRecord::kTime, now);
    rec.set(HistoryRecord::kLongTime, GetLongTimeNow());
    Roster* roster = TheRoster();
    Object* object = roster ? roster->TagToObject(handle) : nullptr;
    LogHit(&rec, object, UserOf(object, rec.get(HistoryRecord::kUserId)));
}
