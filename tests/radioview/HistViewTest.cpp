#include "radioview/HistView.h"

#include "platform/afx/Afx.h"
#include "platform/afx/CTime.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/UserIdEntry.h"
#include "resources/ResourceIds.h"
#include "tests/app/rig/RigTest.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace hb::app::test {
namespace {

constexpr std::uint8_t kHfReceiver = 115;
constexpr std::uint32_t k40Metres = 7'050'000;
constexpr std::uint32_t kWeather = 162'550'000;

// The frame takes the tune requests of its history list.
class CTuneFrame : public CFrameWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> tunes;

protected:
    LRESULT OnRadioTune(WPARAM wParam, LPARAM lParam) {
        tunes.emplace_back(wParam, lParam);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTuneFrame, CFrameWnd)
ON_MESSAGE(WM_RADIO_TUNE, &CTuneFrame::OnRadioTune)
END_MESSAGE_MAP()

class HistViewTest : public RigTest {
protected:
    HistViewTest() {
        UseProgramResources({.icons = {{IDI_HISTORY, {{32, 32}, {16, 16}}, "history"}}});
        frame->Create(nullptr, "Radio", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 400));
    }
    void TearDown() override {
        frame->DestroyWindow();
        RigTest::TearDown();
    }

    CHistView* OpenHistory() {
        auto* view = static_cast<CHistView*>(RUNTIME_CLASS(CHistView)->CreateObject());
        EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 900, 400),
                                 frame, AFX_IDW_PANE_FIRST));
        view->SendMessage(WM_INITIALUPDATE);
        return view;
    }

    static HistoryRecord Hit(std::uint32_t hz, std::uint32_t airTime = 1500) {
        HistoryRecord rec;
        rec.set(HistoryRecord::kFrequency, hz);
        rec.set(HistoryRecord::kTime,
                static_cast<std::uint32_t>(CTime(2026, 3, 7, 14, 5, 9).GetTime()));
        rec.set(HistoryRecord::kAirTime, airTime);
        rec.set(HistoryRecord::kHitNumber1, 4);
        rec.set(HistoryRecord::kHitNumber2, 400);
        rec.set(HistoryRecord::kFlags, HistoryRecord::kFlagLockOut);
        return rec;
    }

    static std::string Cell(CHistView& view, int row, int column) {
        std::array<char, 128> text{};
        LVITEM item;
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        view.SendMessage(LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        return text.data();
    }
    static std::vector<std::string> Row(CHistView& view, int row) {
        std::vector<std::string> cells;
        for (int column = 0; column < 9; ++column) {
            cells.push_back(Cell(view, row, column));
        }
        return cells;
    }
    static int Rows(CHistView& view) {
        return static_cast<int>(view.SendMessage(LVM_GETITEMCOUNT));
    }
    static int Width(CHistView& view, int column) {
        return static_cast<int>(view.SendMessage(LVM_GETCOLUMNWIDTH, column));
    }
    // A double click on the row, or below the rows for -1.
    static void DoubleClick(CHistView& view, int row) {
        int y = 390;
        for (int probe = 0; row >= 0 && probe < 400; ++probe) {
            LVHITTESTINFO hit;
            hit.pt = {30, probe};
            if (view.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row) {
                y = probe;
                break;
            }
        }
        view.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, y));
    }

    static std::unique_ptr<Chan> Channel(const std::string& name, const std::string& description) {
        auto channel = ModelTest::Channel(kWeather, name);
        channel->setDescription(description);
        return channel;
    }

    CTuneFrame* frame = new CTuneFrame;
};

TEST_F(HistViewTest, TheListShowsItsNineColumnsWithTheHistoryIcon) {
    CHistView* view = OpenHistory();
    EXPECT_EQ(view->m_section, "History");
    EXPECT_EQ(view->m_description, "Scanning history, double-click on frequency to tune.");
    const std::vector<std::pair<std::string, int>> expected{
        {"Frequency", LVCFMT_RIGHT}, {"ID", LVCFMT_CENTER},   {"Sig", LVCFMT_CENTER},
        {"Name", LVCFMT_LEFT},       {"Date", LVCFMT_CENTER}, {"Time", LVCFMT_CENTER},
        {"Air Time", LVCFMT_RIGHT},  {"Events", LVCFMT_LEFT}, {"", LVCFMT_CENTER}};
    std::vector<std::pair<std::string, int>> columns;
    for (int index = 0;; ++index) {
        std::array<char, 32> heading{};
        LVCOLUMN column;
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = heading.data();
        column.cchTextMax = static_cast<int>(heading.size());
        if (!view->SendMessage(LVM_GETCOLUMN, index, reinterpret_cast<LPARAM>(&column))) {
            break;
        }
        columns.emplace_back(heading.data(), column.fmt & LVCFMT_JUSTIFYMASK);
    }
    EXPECT_EQ(columns, expected);
    // Nothing stored yet: every column but the filler is 100 wide.
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(Width(*view, column), 100) << column;
    }
    EXPECT_EQ(Width(*view, 8), 9999);

    for (BOOL big : {TRUE, FALSE}) {
        const auto info = hb::win::GetImageInfo(view->GetIcon(big));
        ASSERT_TRUE(info) << big;
        EXPECT_EQ(info->resourceId, IDI_HISTORY);
    }
}

TEST_F(HistViewTest, AHitOfAnHfRadioInKilohertzFillsEveryCell) {
    CRig* rig = AddRig("Shortwave", kHfReceiver);
    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    CHistView* view = OpenHistory();
    HistoryRecord rec = Hit(k40Metres);
    hb::records::UserId id;
    id.set(hb::records::UserId::kValue, 1234);
    id.set(hb::records::UserId::kKind, hb::records::kIdKindLtr);
    rec.set(HistoryRecord::kUserId, id);
    auto channel = Channel(" Net control ", "Sunday net");
    view->AddEntry(&rec, channel.get(), nullptr, rig);

    ASSERT_EQ(Rows(*view), 1);
    std::string idText = format_user(id);
    idText.erase(0, idText.find_first_not_of(' '));
    const std::vector<std::string> expected{"7050.000",
                                            idText,
                                            std::to_string(rig->RadioRequest(400, 4)),
                                            "Net control, Sunday net",
                                            "2026/03/07",
                                            "14:05:09",
                                            "1.5",
                                            "L/O",
                                            ""};
    EXPECT_EQ(Row(*view, 0), expected);
    EXPECT_FALSE(idText.empty());
}

TEST_F(HistViewTest, AirTimeIsShownInSecondsWithOneDecimal) {
    CRig* rig = AddRig("Receiver", kReceiver);
    CHistView* view = OpenHistory();
    for (const std::uint32_t airTime : {1500u, 0u, 61'250u}) {
        const HistoryRecord rec = Hit(kWeather, airTime);
        view->AddEntry(&rec, nullptr, nullptr, rig);
    }
    EXPECT_EQ(Cell(*view, 2, 6), "1.5");
    EXPECT_EQ(Cell(*view, 1, 6), "0.0");
    EXPECT_EQ(Cell(*view, 0, 6), "61.2");
}

TEST_F(HistViewTest, TheUnitIsTheRadiosAtTheFirstRowAndStaysUntilTheViewCloses) {
    CRig* receiver = AddRig("Receiver", kReceiver);
    CRig* shortwave = AddRig("Shortwave", kHfReceiver);
    // A VHF radio shows megahertz whatever the HF setting says.
    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    CHistView* vhf = OpenHistory();
    HistoryRecord rec = Hit(kWeather);
    vhf->AddEntry(&rec, nullptr, nullptr, receiver);
    EXPECT_EQ(Cell(*vhf, 0, 0), "162.550000");
    vhf->DestroyWindow();

    // An HF radio follows the setting, which is read once.
    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 1);
    CHistView* hf = OpenHistory();
    rec = Hit(k40Metres);
    hf->AddEntry(&rec, nullptr, nullptr, shortwave);
    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    hf->AddEntry(&rec, nullptr, nullptr, shortwave);
    EXPECT_EQ(Cell(*hf, 0, 0), "7.050000");
    EXPECT_EQ(Cell(*hf, 1, 0), "7.050000");
    // Clearing the list does not choose again.
    hf->ClearHistory();
    EXPECT_EQ(Rows(*hf), 0);
    hf->AddEntry(&rec, nullptr, nullptr, shortwave);
    EXPECT_EQ(Cell(*hf, 0, 0), "7.050000");
}

TEST_F(HistViewTest, TheSignalOfAHitWithoutSamplesIsTheMeterFloor) {
    CRig* rig = AddRig("Receiver", kReceiver);
    CHistView* view = OpenHistory();
    HistoryRecord rec = Hit(kWeather);
    rec.set(HistoryRecord::kHitNumber1, 0);
    view->AddEntry(&rec, nullptr, nullptr, rig);
    EXPECT_EQ(Cell(*view, 0, 2), std::to_string(rig->m_radio->meterFloor()));
}

TEST_F(HistViewTest, TheNewestHitIsOnTopAndThe52ndDropsTheOldest) {
    CRig* rig = AddRig("Receiver", kReceiver);
    CHistView* view = OpenHistory();
    for (std::uint32_t n = 0; n < 52; ++n) {
        const HistoryRecord rec = Hit(150'000'000 + n * 1'000'000);
        view->AddEntry(&rec, nullptr, nullptr, rig);
        EXPECT_EQ(Rows(*view), std::min<int>(static_cast<int>(n) + 1, 51));
    }
    EXPECT_EQ(Cell(*view, 0, 0), "201.000000");
    EXPECT_EQ(Cell(*view, 50, 0), "151.000000");
}

TEST_F(HistViewTest, TheNameJoinsTheUsersAndTheChannelsTexts) {
    CRig* rig = AddRig("Receiver", kReceiver);
    CHistView* view = OpenHistory();
    const auto user = [](const std::string& name, const std::string& description) {
        auto entry = std::make_unique<UserIdEntry>();
        entry->setName(name);
        entry->setDescription(description);
        return entry;
    };
    const auto nameOf = [&](const Object* channel, const Object* who) {
        const HistoryRecord rec = Hit(kWeather);
        view->AddEntry(&rec, channel, who, rig);
        return Cell(*view, 0, 3);
    };
    const auto dispatch = Channel("  Dispatch ", "County  ");
    const auto bare = Channel("Car to car", "");
    const auto unnamed = Channel("", "Tactical");
    const auto fire = user(" Fire ", "Engine 3 ");
    const auto nobody = user("", "Unit 12");
    const auto silent = user("", "");

    EXPECT_EQ(nameOf(nullptr, nullptr), "Manually Tuned");
    EXPECT_EQ(nameOf(dispatch.get(), nullptr), "Dispatch, County");
    EXPECT_EQ(nameOf(bare.get(), nullptr), "Car to car");
    EXPECT_EQ(nameOf(unnamed.get(), nullptr), "Tactical");
    EXPECT_EQ(nameOf(dispatch.get(), fire.get()), "Fire, Engine 3, County");
    EXPECT_EQ(nameOf(bare.get(), fire.get()), "Fire, Engine 3");
    EXPECT_EQ(nameOf(nullptr, nobody.get()), "Unit 12");
    EXPECT_EQ(nameOf(dispatch.get(), silent.get()), "County");
}

TEST_F(HistViewTest, ADoubleClickOnARowTunesItsFrequencyAndElsewhereBeeps) {
    ExpectBeeps(1);
    CRig* rig = AddRig("Shortwave", kHfReceiver);
    app.WriteProfileInt("Settings", "HFFreqDisplayMHz", 0);
    CHistView* view = OpenHistory();
    for (const std::uint32_t hz : {14'230'125u, k40Metres}) {
        const HistoryRecord rec = Hit(hz);
        view->AddEntry(&rec, nullptr, nullptr, rig);
    }
    DoubleClick(*view, 1);
    DoubleClick(*view, 0);
    using Tune = std::pair<WPARAM, LPARAM>;
    EXPECT_EQ(frame->tunes, (std::vector<Tune>{{14'230'125, 0}, {k40Metres, 0}}));

    DoubleClick(*view, -1);
    EXPECT_EQ(frame->tunes.size(), 2u);
    EXPECT_EQ(Beeps(), std::vector<UINT>{MB_ICONASTERISK});
}

} // namespace
} // namespace hb::app::test
