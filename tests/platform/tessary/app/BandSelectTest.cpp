#include "platform/tessary/app/BandSelect.h"

#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/tessary/model/BandPlan.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/win/controls/ControlMessages.h"

#include <string>

namespace hb::tessary::test {
namespace {

class BandSelectTest : public hb::testkit::PlatformTest {
protected:
    static parm At(std::uint32_t hz) {
        parm record;
        record.set(parm::kFrequency, hz);
        record.set(parm::kStart, hz);
        return record;
    }

    static LRESULT ToList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return ::SendMessage(::GetDlgItem(dialog, CBandSelect::IDC_BANDS), message, wParam, lParam);
    }

    static std::string Row(HWND dialog, std::size_t index) {
        char text[128] = {};
        ToList(dialog, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(BandSelectTest, ThePlanAscendsWithoutOverlapsAndNamesEveryBand) {
    const auto plan = BandPlan();
    ASSERT_FALSE(plan.empty());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_LT(plan[i].lower, plan[i].upper) << plan[i].name;
        EXPECT_NE(std::string(plan[i].name), "");
        if (i > 0) {
            EXPECT_LE(plan[i - 1].upper, plan[i].lower) << plan[i].name;
        }
    }
}

TEST_F(BandSelectTest, LocateBandFindsTheBandOfTheFrequencyAndLeavesGapsAlone) {
    band found;
    const parm air = At(121'500'000);
    ASSERT_EQ(CBandSelect::LocateBand(&air, &found), 1);
    EXPECT_EQ(found.get(band::kBase), 118'000'000u);
    EXPECT_EQ(found.get(band::kStep), 25'000u);
    EXPECT_EQ(found.get(band::kFirstMode), 1); // AM
    EXPECT_STREQ(CBandSelect::BandName(found), "Air Band");

    // The same band found again is the same 15 bytes; the next band differs.
    band again;
    const parm airTop = At(136'975'000);
    ASSERT_EQ(CBandSelect::LocateBand(&airTop, &again), 1);
    EXPECT_EQ(again, found);
    const parm twoMetres = At(145'000'000);
    ASSERT_EQ(CBandSelect::LocateBand(&twoMetres, &again), 1);
    EXPECT_FALSE(again == found);

    // A band's upper limit is the first frequency outside it; a gap finds nothing.
    band untouched = found;
    const parm aboveAir = At(137'000'000);
    EXPECT_EQ(CBandSelect::LocateBand(&aboveAir, &untouched), 0);
    EXPECT_EQ(untouched, found);
    EXPECT_EQ(CBandSelect::LocateBand(nullptr, &untouched), 0);
    EXPECT_STREQ(hb::tessary::BandName(0), "");
    EXPECT_STREQ(hb::tessary::BandName(static_cast<std::uint32_t>(BandPlan().size() + 1)), "");
}

TEST_F(BandSelectTest, ChoosingABandWritesItsLowestFrequencyAndCancelWritesNothing) {
    const auto marine = *FindPlanBand(156'800'000);
    int initial = -2;
    std::string shown;
    hb::afx::SetModalScript("CBandSelect", [&](CDialog& dialog) {
        initial = static_cast<int>(ToList(dialog.m_hWnd, LB_GETCURSEL, 0));
        ToList(dialog.m_hWnd, LB_SETCURSEL, marine);
        shown = Row(dialog.m_hWnd, marine);
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    parm record = At(121'500'000);
    EXPECT_EQ(CBandSelect::SelectBand(&record), 1);
    EXPECT_EQ(initial, static_cast<int>(*FindPlanBand(121'500'000)));
    EXPECT_EQ(shown, "Marine VHF  156.000-162.025 MHz");
    EXPECT_EQ(record.get(parm::kChosenFrequency), 156'000'000u);
    EXPECT_EQ(record.get(parm::kFrequency), 121'500'000u);
    // The range moves onto the chosen band.
    const auto& chosen = BandPlan()[marine];
    EXPECT_EQ(record.get(parm::kStart), chosen.lower);
    EXPECT_EQ(record.get(parm::kEnd), chosen.upper);
    if (chosen.step != 0) {
        EXPECT_EQ(record.get(parm::kStep), chosen.step);
    }

    hb::afx::SetModalScript("CBandSelect", [](CDialog& dialog) {
        ToList(dialog.m_hWnd, LB_SETCURSEL, 0);
        hb::afx::ClickButton(dialog.m_hWnd, IDCANCEL);
    });
    parm cancelled = At(5'000);
    const parm before = cancelled;
    EXPECT_EQ(CBandSelect::SelectBand(&cancelled), 0);
    EXPECT_EQ(cancelled, before);

    // OK with nothing selected chooses nothing.
    hb::afx::SetModalScript("CBandSelect",
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDOK); });
    EXPECT_EQ(CBandSelect::SelectBand(&cancelled), 0);
    EXPECT_EQ(cancelled, before);
    ASSERT_EQ(hb::afx::ModalLog().size(), 3u);
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Select Band");
}

TEST_F(BandSelectTest, LocatingLeavesTheRangeAndSnappingPutsItOnTheBand) {
    parm record = At(156'800'000);
    record.set(parm::kStart, 1);
    record.set(parm::kEnd, 2);
    record.set(parm::kStep, 7);
    band found;
    ASSERT_EQ(CBandSelect::LocateBand(&record, &found), 1);
    EXPECT_EQ(record.get(parm::kStart), 1u);
    CBandSelect::SnapBand(&record, found);
    const auto& plan = BandPlan()[*FindPlanBand(156'800'000)];
    EXPECT_EQ(record.get(parm::kStart), plan.lower);
    EXPECT_EQ(record.get(parm::kEnd), plan.upper);
    EXPECT_EQ(record.get(parm::kStep), plan.step != 0 ? plan.step : 7u);
    EXPECT_EQ(record.get(parm::kFrequency), 156'800'000u);
}

} // namespace
} // namespace hb::tessary::test
