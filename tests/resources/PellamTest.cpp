// The resource library as the program uses it: loaded by name, found through the resource chain
// while loaded, gone when freed.
#include "platform/afx/Afx.h"
#include "platform/afx/res/InstrumentFactory.h"
#include "platform/instruments/Instruments.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr LPCSTR kLibrary = "Pellam.DLL";

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassName(hwnd, name, sizeof name);
    return name;
}

std::vector<std::string> ComboEntries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = SendMessage(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

std::string StringOf(UINT id) {
    CString text;
    return text.LoadString(id) ? text.str() : "<none>";
}

class PellamTest : public hb::testkit::PlatformTest {
protected:
    PellamTest() : library(AfxLoadLibrary(kLibrary)) {}
    ~PellamTest() override {
        if (library) {
            AfxFreeLibrary(library);
        }
    }

    static const hb::afx::DialogTemplate& FormOf(UINT id) {
        const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(id);
        EXPECT_NE(form, nullptr) << "form " << id;
        static const hb::afx::DialogTemplate none{};
        return form ? *form : none;
    }

    HMODULE library;
};

TEST_F(PellamTest, ItsVersionIsReadFromTheFileAndItExportsItsEntry) {
    hb::win::ModuleVersion version;
    ASSERT_TRUE(hb::win::ReadModuleVersion(hb::win::ModulePathFor(kLibrary), version));
    EXPECT_EQ(version, (hb::win::ModuleVersion{{9, 1, 4, 17}}));
    ASSERT_TRUE(library);
    EXPECT_NE(GetProcAddress(library, "Pellam"), nullptr);
    const auto& tables = hb::afx::ResourceModuleOf(library)->Tables();
    ASSERT_TRUE(tables.version);
    EXPECT_EQ(tables.version->productName, "English Resources");
}

TEST_F(PellamTest, TheGenericFormIsCreatedWithEveryControlInstrumentsIncluded) {
    ASSERT_TRUE(library);
    const hb::afx::DialogTemplate& form = FormOf(IDD_RADIO_VIEW);
    hb::testkit::TestWindow parent({.style = WS_VISIBLE, .rect = {0, 0, 900, 200}});
    ASSERT_TRUE(hb::afx::CreateTemplateControls(parent.hwnd(), form));

    std::size_t made = 0;
    for (HWND child = GetWindow(parent.hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ++made;
    }
    EXPECT_EQ(made, form.controls.size());
    EXPECT_EQ(ClassOf(GetDlgItem(parent.hwnd(), IDC_FREQUENCY_DISPLAY)), "TiSevenSegmentAnalog");
    EXPECT_EQ(ClassOf(GetDlgItem(parent.hwnd(), IDC_TUNING_KNOB)), "TiKnob");
    EXPECT_EQ(ClassOf(GetDlgItem(parent.hwnd(), IDC_KIND_PL)), "TiLedRound");
    EXPECT_EQ(ClassOf(GetDlgItem(parent.hwnd(), IDC_KEYPAD_ENTRY)), "Edit");
    EXPECT_EQ(ClassOf(GetDlgItem(parent.hwnd(), IDC_STEP_SPIN)), "msctls_updown32");

    // Instruments start with their stored properties.
    using namespace hb::instruments;
    const HWND meter = GetDlgItem(parent.hwnd(), IDC_S_METER);
    EXPECT_EQ(GetProperty(meter, angularGauge::kCaption), hb::afx::Value(std::string("Signal")));
    EXPECT_EQ(GetProperty(meter, angularGauge::kPositionMin), hb::afx::Value(-120.0));
    EXPECT_EQ(GetProperty(GetDlgItem(parent.hwnd(), IDC_KHZ_LAMP), ledRectangle::kCaption),
              hb::afx::Value(std::string("kHz")));
    // The frequency display shows what the tuning knob tunes; other knobs keep their label.
    EXPECT_EQ(GetProperty(GetDlgItem(parent.hwnd(), IDC_TUNING_KNOB), knob::kPositionLabelVisible),
              hb::afx::Value(false));
    EXPECT_EQ(GetProperty(GetDlgItem(parent.hwnd(), IDC_VOLUME_KNOB), knob::kPositionLabelVisible),
              hb::afx::Value(true));
    // Room for the largest memory, 2000.
    EXPECT_EQ(GetProperty(GetDlgItem(parent.hwnd(), IDC_MEMORY_CHANNEL),
                          sevenSegmentInteger::kDigitCount),
              hb::afx::Value(std::int32_t{4}));
}

TEST_F(PellamTest, EveryFormIsMadeWithTheStartPropertiesOfItsInstruments) {
    ASSERT_TRUE(library);
    // Every control class a form names is one the platform has.
    std::vector<UINT> leftOut;
    for (const auto& form : hb::afx::ResourceModuleOf(library)->Tables().dialogs) {
        const bool makeable = std::ranges::all_of(form.controls, [](const auto& control) {
            return hb::afx::IsClassId(control.className) ||
                   GetClassInfo(control.className.c_str(), nullptr);
        });
        if (!makeable) {
            leftOut.push_back(form.id);
            continue;
        }
        hb::testkit::TestWindow parent({.style = WS_VISIBLE, .rect = {0, 0, 1100, 300}});
        EXPECT_TRUE(hb::afx::CreateTemplateControls(parent.hwnd(), form)) << form.id;
    }
    EXPECT_EQ(leftOut, std::vector<UINT>{});
}

TEST_F(PellamTest, TheComboPanelListsItsEntriesInStoredOrder) {
    ASSERT_TRUE(library);
    hb::testkit::TestWindow parent({.style = WS_VISIBLE, .rect = {0, 0, 900, 300}});
    ASSERT_TRUE(hb::afx::CreateTemplateControls(parent.hwnd(), FormOf(IDD_SPARE_RECEIVER_COMBOS)));
    EXPECT_EQ(ComboEntries(GetDlgItem(parent.hwnd(), IDC_DEEMPHASIS)),
              (std::vector<std::string>{"25 µs", "50 µs", "75 µs", "750 µs"}));
    EXPECT_EQ(ComboEntries(GetDlgItem(parent.hwnd(), IDC_AGC_SPEED)),
              (std::vector<std::string>{"Auto", "1", "2", "3", "4"}));
    const auto pitches = ComboEntries(GetDlgItem(parent.hwnd(), IDC_CW_PITCH));
    ASSERT_EQ(pitches.size(), 8u);
    EXPECT_EQ(pitches.front(), "400 Hz");
    EXPECT_EQ(pitches.back(), "1100 Hz");
}

TEST_F(PellamTest, TheLaterReceiverFormRepeatsTheEarlierOnesControlsAndPositions) {
    ASSERT_TRUE(library);
    const auto& earlier = FormOf(IDD_R8500_VIEW).controls;
    const auto& later = FormOf(IDD_R75_VIEW).controls;
    ASSERT_EQ(later.size(), earlier.size());
    for (std::size_t i = 0; i < earlier.size(); ++i) {
        EXPECT_EQ(later[i].id, earlier[i].id);
        EXPECT_EQ(later[i].className, earlier[i].className);
        EXPECT_EQ(later[i].text, earlier[i].text);
        EXPECT_EQ((std::array{later[i].x, later[i].y, later[i].cx, later[i].cy}),
                  (std::array{earlier[i].x, earlier[i].y, earlier[i].cx, earlier[i].cy}));
    }
    EXPECT_EQ(FormOf(IDD_R75_VIEW).cx, FormOf(IDD_R8500_VIEW).cx);
    EXPECT_EQ(FormOf(IDD_R75_VIEW).cy, FormOf(IDD_R8500_VIEW).cy);
}

TEST_F(PellamTest, FreeingTheLibraryTakesItsResourcesOutOfTheChain) {
    ASSERT_TRUE(library);
    EXPECT_EQ(StringOf(IDS_RESET_HIT_HISTORY), "Reset air time, hit count and recent log history.");
    EXPECT_EQ(StringOf(IDS_CLEAR), "Clear");
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDB_IMAGES_17), RT_BITMAP), library);

    EXPECT_TRUE(AfxFreeLibrary(library));
    library = {};
    EXPECT_EQ(hb::afx::FindDialogTemplate(IDD_RADIO_VIEW), nullptr);
    EXPECT_EQ(hb::afx::FindDialogTemplate(IDD_CUSTOMIZE_TOOLS), nullptr);
    EXPECT_EQ(StringOf(IDS_RESET_HIT_HISTORY), "<none>");
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDB_IMAGES_17), RT_BITMAP),
              AfxGetResourceHandle());
}

} // namespace
