#pragma once
// Fixture for the front panel's answers to the engine: the receiver's window open on its scan list
// with its engine paused and quiet, records queued and states set through the simulated engine as
// the engine itself would, and what came of them read from the panel, the history tab, the scan
// list's objects and the activity log.
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/UserIdEntry.h"
#include "radioview/HistView.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <array>
#include <fstream>
#include <string>

namespace hb::app::test {

class EngineNotificationsTest : public RadioWindowTest {
protected:
    static constexpr std::uint32_t kDispatch = 155'010'000;
    static constexpr std::uint32_t kCarToCar = 155'475'000;
    // 2026-01-01, the test clock's day.
    static constexpr std::uint32_t kNoon = 1'767'268'800;

    // `settings` go to the receiver's section; by default it hears nothing of its own. The scan
    // view (0) starts scanning at once; the standard view (1) pauses.
    void Open(const std::string& settings = "Busy=\n", std::uint8_t viewType = 1) {
        Radios(std::string(kReceiverOnly) + settings, {{"Receiver", 42}});
        CRig::FindByName("Receiver")->m_view_type = viewType;
        frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        panel = frame->FrontPanel();
        rig = frame->m_rig;
        history = frame->m_historyView;
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(history, nullptr);
        engine = rig->m_engine;
        ASSERT_NE(engine, 0u);
    }
    Roster& List() const {
        return *DYNAMIC_DOWNCAST(CRosterDoc, panel->GetDocument())->GetRoster();
    }
    RosterEntry& Entry() const { return *List().entries()[0]; }
    Group& TheGroup() const { return *dynamic_cast<Group*>(Entry().object()); }
    // The channel or search range of the list scanned at `hz` (a range by its lower limit).
    Chan& At(std::uint32_t hz) const {
        Chan* found = nullptr;
        Entry().object()->forEachScannable([&](Chan& chan) {
            const auto* range = dynamic_cast<const Range*>(&chan);
            if ((range ? range->lower() : chan.frequency()) == hz && !found) {
                found = &chan;
            }
        });
        EXPECT_NE(found, nullptr) << hz;
        return *found;
    }
    Range& RangeAt(std::uint32_t lower) const { return dynamic_cast<Range&>(At(lower)); }

    HistoryRecord Hit(const Object* on, std::uint32_t hz, std::uint32_t flags = 0) {
        HistoryRecord rec;
        rec.set(HistoryRecord::kFrequency, hz);
        rec.set(HistoryRecord::kObjectHandle, on ? on->handle() : 0);
        rec.set(HistoryRecord::kTime, kNoon + ++m_hits);
        rec.set(HistoryRecord::kAirTime, 1500);
        rec.set(HistoryRecord::kFlags, flags);
        return rec;
    }
    void Queue(const HistoryRecord& rec) {
        EngineSim::QueueHistory(engine, rec);
        PumpUntilIdle();
    }
    // The engine stands on `object` in `state`, hearing `id`.
    void StandOn(const Object* object, std::uint8_t state,
                 const hb::records::UserId& id = hb::records::UserId()) {
        EngineSim::SetState(engine, state);
        std::array<std::uint8_t, 4> handle{};
        const std::uint32_t value = object ? object->handle() : 0;
        for (std::size_t n = 0; n < handle.size(); ++n) {
            handle[n] = static_cast<std::uint8_t>(value >> (8 * n));
        }
        EngineSim::PatchStatus(engine, hb::records::EngineStatus::kCurrentObject.kOffset, handle);
        EngineSim::PatchStatus(engine, hb::records::EngineStatus::kCurrentId.kOffset, id.bytes());
    }
    void Refresh() const { panel->SendMessage(WM_RADIO_STATUS); }

    int Rows() const { return static_cast<int>(history->SendMessage(LVM_GETITEMCOUNT)); }
    std::string Cell(int row, int column) const {
        std::array<char, 128> text{};
        LVITEM item;
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        history->SendMessage(LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        return text.data();
    }
    // The channel names of the activity log's CSV lines so far: the quoted field before the flags.
    std::vector<std::string> Lines() const {
        CRadioLog& log = frame->ActivityLog();
        log.OnTimer();
        std::vector<std::string> names;
        std::ifstream csv(log.GetCsvPath().str());
        for (std::string line; std::getline(csv, line);) {
            std::vector<std::string> quoted;
            for (std::size_t open = line.find('"'); open != std::string::npos;) {
                const std::size_t close = line.find('"', open + 1);
                quoted.push_back(line.substr(open + 1, close - open - 1));
                open = line.find('"', close + 1);
            }
            names.push_back(quoted.size() >= 2 ? quoted[quoted.size() - 2] : std::string());
        }
        return names;
    }

    CRadioFrame* frame = nullptr;
    CRadioView* panel = nullptr;
    CRig* rig = nullptr;
    CHistView* history = nullptr;
    std::uint16_t engine = 0;

private:
    std::uint32_t m_hits = 0;
};

} // namespace hb::app::test
