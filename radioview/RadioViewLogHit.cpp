// A hit to keep: a log entry for the channel or search range it was heard on (with the DTMF digits
// heard before it), its counters, lock-outs, the ID heard and the frequency a search found, and
// its row in the history.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/tessary/app/ObjectDoc.h"
#include "platform/tessary/model/Blob.h"
#include "platform/tessary/model/Log.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/ScanHelpers.h"
#include "radioview/HistView.h"
#include "radioview/RadioView.h"

#include <memory>
#include <new>

using hb::records::ObjectKind;

namespace {

// The document update that tells every view a channel's lock-out or stored hits changed.
constexpr LPARAM kHintLockOut = 1018;
constexpr std::uint32_t kLockOutMapKey = 255;
// The engine command that locks a frequency of a search range out.
constexpr std::uint8_t kEngineCmdLockOutFrequency = 1;
constexpr std::uint8_t kLockedOut = 0xFF;
constexpr std::uint8_t kLockedOutForAWhile = 1;

// The three name texts of a hit heard on no channel, as one tidy name.
std::string ManualName(const HistoryRecord& rec) {
    CString name;
    name.Format("%-16.16s, %-16.16s, %-16.16s", rec.text(HistoryRecord::kName1).c_str(),
                rec.text(HistoryRecord::kName2).c_str(), rec.text(HistoryRecord::kName3).c_str());
    for (const auto& [from, to] : {std::pair{" ,", ","}, std::pair{", ,", ", "},
                                   std::pair{"  ", " "}, std::pair{",,", ","}}) {
        while (name.Replace(from, to) > 0) {
        }
    }
    name.Trim();
    return name == "," ? std::string() : name.str();
}

// IDs of these kinds are kept in the bank's ID lists; the others by the channel itself.
bool KeptInIdList(std::uint8_t kind) {
    return kind % 2 == 1 || kind == 2 || kind == 6 || kind == 8;
}

void MarkLockedOutStep(Range& range, std::uint32_t hz) {
    const std::uint32_t size =
        hb::tessary::LockOutMapSize(range.lower(), range.upper(), range.step());
    if (size == 0 || hz < range.lower()) {
        return;
    }
    Blob* map = scan_fetch_blob(range.records(),
                                static_cast<std::uint32_t>(hb::records::BlobTag::LockOutMap),
                                kLockOutMapKey, size);
    const std::uint32_t index = (hz - range.lower()) / range.step();
    const std::size_t byte = hb::tessary::kLockOutMapHeader + index / 8;
    // A map made for a narrower range is smaller than one made now.
    if (map && byte < map->data.size()) {
        map->data[byte] = static_cast<std::uint8_t>(map->data[byte] | (1u << (index % 8)));
    }
}

} // namespace

void CRadioView::LogHit(HistoryRecord* rec, Object* channel, Object* user) {
    if (!rec || (rec->get(HistoryRecord::kTime) == 0 && rec->get(HistoryRecord::kAirTime) == 0)) {
        return;
    }
    if (rec->get(HistoryRecord::kHitNumber1) == 0) {
        rec->set(HistoryRecord::kHitNumber1, 1);
        rec->set(HistoryRecord::kHitNumber2, 0);
    }
    const auto flag = [&](std::uint32_t bits, Log* entry) {
        rec->set(HistoryRecord::kFlags, rec->get(HistoryRecord::kFlags) | bits);
        if (entry) {
            entry->flags |= bits;
        }
    };
    // A failed allocation loses the entry only; the hit is still counted and shown.
    std::unique_ptr<Log> entry(new (std::nothrow) Log);
    if (entry) {
        entry->frequency = rec->get(HistoryRecord::kFrequency);
        entry->id = rec->get(HistoryRecord::kUserId);
        entry->radioType = static_cast<std::uint8_t>(
            m_rig && m_rig->m_radio ? m_rig->m_radio->RadioTypeCode() & 0xFF : 0);
        entry->time = rec->get(HistoryRecord::kTime);
        entry->airTime = rec->get(HistoryRecord::kAirTime);
        entry->flags = rec->get(HistoryRecord::kFlags);
        entry->hitNumber1 = rec->get(HistoryRecord::kHitNumber1);
        entry->hitNumber2 = rec->get(HistoryRecord::kHitNumber2);
        entry->hitByte1 = rec->get(HistoryRecord::kHitByte1);
        entry->hitByte2 = rec->get(HistoryRecord::kHitByte2);
        if (user) {
            entry->name = user->name();
            entry->description = !user->description().empty() || !channel ? user->description()
                                                                          : channel->description();
        } else if (channel) {
            entry->name = channel->name();
            entry->description = channel->description();
        } else {
            entry->name = ManualName(*rec);
        }
    }
    if (!m_dtmfText.IsEmpty()) {
        if (entry) {
            entry->dtmf.reset(new (std::nothrow)
                                  Dtmf{rec->get(HistoryRecord::kTime), m_dtmfText.str()});
        }
        flag(HistoryRecord::kFlagDtmf, entry.get());
        m_dtmfText.Empty();
    }
    CHistView* history = m_frame ? m_frame->m_historyView : nullptr;
    auto* chan = dynamic_cast<Chan*>(channel);
    const bool kept =
        chan && (IsChannelKind(channel->kind()) || channel->kind() == ObjectKind::SearchRange);
    if (!kept) {
        if (!channel && history) {
            history->AddEntry(rec, nullptr, user, m_rig);
        }
        return;
    }
    Statistics& statistics = chan->statistics();
    statistics.addHit(rec->get(HistoryRecord::kAirTime), rec->get(HistoryRecord::kTime));
    if (statistics.idMarker == Statistics::kKeepsNoIds) {
        rec->set(HistoryRecord::kUserId, hb::records::UserId());
        if (entry) {
            entry->id = hb::records::UserId();
        }
    }
    const std::uint32_t flags = rec->get(HistoryRecord::kFlags);
    auto* document = dynamic_cast<CObjectDoc*>(GetDocument());
    auto* range = dynamic_cast<Range*>(chan);
    if (range && (flags & HistoryRecord::kFlagLockOut) && range->step() != 0) {
        MarkLockedOutStep(*range, rec->get(HistoryRecord::kFrequency));
    }
    if (!range) {
        if (flags & HistoryRecord::kFlagLockOut) {
            chan->setLockOut(kLockedOut);
        }
        if (flags & HistoryRecord::kFlagLockOutRefresh) {
            chan->setLockOut((chan->flags() & Chan::kFlagChangeWaiting) ? kLockedOut : 0);
        }
        if (flags & HistoryRecord::kFlagTempLockOut) {
            chan->setLockOut(kLockedOutForAWhile);
        }
        const std::uint32_t lockOutFlags = HistoryRecord::kFlagLockOut |
                                           HistoryRecord::kFlagLockOutRefresh |
                                           HistoryRecord::kFlagTempLockOut;
        if ((flags & lockOutFlags) && document) {
            document->ShareUpdate(chan, nullptr, kHintLockOut);
        }
    }
    if (entry) {
        entry->channel = chan->record();
        entry->id = rec->get(HistoryRecord::kUserId);
        entry->frequency = rec->get(HistoryRecord::kFrequency);
        entry->hitCount = statistics.hitCount;
        entry->lastHit = statistics.lastHit;
    }
    const hb::records::UserId id = rec->get(HistoryRecord::kUserId);
    const int stored =
        KeptInIdList(rec->get(HistoryRecord::kIdKind))
            ? scan_store_active_id(chan, &id, TheRoster(), rec->get(HistoryRecord::kAirTime), 0)
            : chan->StoreId(id);
    if (stored == 1) {
        flag(HistoryRecord::kFlagStored, entry.get());
    }
    if (range && entry &&
        scan_search_store(range, entry.get(), document, m_rig ? m_rig->m_radio : nullptr) == 1) {
        flag(HistoryRecord::kFlagSearchStore, entry.get());
        if (range->options() & Range::kOptionLockOutHits) {
            flag(HistoryRecord::kFlagAutoLockOut, entry.get());
            const auto command =
                EngineCommandRecord::Make(kEngineCmdLockOutFrequency, 0, range->engineWord(),
                                          rec->get(HistoryRecord::kFrequency));
            if (m_rig) {
                m_rig->EngineCommand(&command);
            }
            if (document) {
                document->ShareUpdate(range, nullptr, kHintLockOut);
            }
        }
    }
    if (history) {
        history->AddEntry(rec, channel, user, m_rig);
    }
    if (entry) {
        statistics.addRecent(std::move(entry));
    }
}
