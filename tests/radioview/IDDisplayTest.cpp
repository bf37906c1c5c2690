#include "radioview/IDDisplay.h"

#include "platform/afx/Afx.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/tessary/model/Format.h"
#include "platform/testkit/PlatformTest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using hb::records::UserId;

constexpr UINT kDisplayId = 28777;
constexpr const char* kLcdMatrixClass = "{7D3A1C40-5B2E-4F61-9C0A-2B8E4D6F1A53}";
const std::string kDashes(14, '-');

// A tone panel's ID display, made from a form and bound as the panels bind it.
class IDDisplayTest : public hb::testkit::PlatformTest {
protected:
    IDDisplayTest() {
        m_panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 60),
                         nullptr, 0);
        const hb::afx::DialogTemplate form{.id = 27350,
                                           .style = WS_CHILD,
                                           .cx = 200,
                                           .cy = 30,
                                           .controls = {{.id = kDisplayId,
                                                         .className = kLcdMatrixClass,
                                                         .style = WS_VISIBLE,
                                                         .x = 4,
                                                         .y = 4,
                                                         .cx = 160,
                                                         .cy = 16}}};
        EXPECT_TRUE(hb::afx::CreateTemplateControls(m_panel, form));
        EXPECT_TRUE(m_display.SubclassDlgItem(kDisplayId, &m_panel));
    }

    std::string Shown(const UserId* id, long columns = 16) {
        m_display.SetColumnCount(columns);
        m_display.ShowID(id);
        return m_display.GetText().str();
    }
    std::string Shown(const UserId& id, long columns = 16) { return Shown(&id, columns); }

    static UserId Id(std::uint8_t kind, std::uint32_t value, std::uint8_t extra = 0) {
        UserId id;
        id.set(UserId::kKind, kind);
        id.set(UserId::kValue, value);
        id.set(UserId::kExtra, extra);
        return id;
    }

    static UserId TypeI(std::uint8_t sizeCode, std::uint8_t block, std::uint8_t fleet,
                        std::uint8_t subfleet) {
        UserId id = Id(hb::records::kIdKindMotorola, 0);
        id.set(UserId::kSizeCode, sizeCode);
        id.set(UserId::kBlock, block);
        id.set(UserId::kFleet, fleet);
        id.set(UserId::kSubfleet, subfleet);
        return id;
    }

    CWnd m_panel;
    CIDDisplay m_display;
};

TEST_F(IDDisplayTest, NoIdAndKindsWithoutATextShowFourteenDashes) {
    EXPECT_EQ(Shown(nullptr), kDashes);
    for (const std::uint8_t kind : {0, 7, 9, 10, 12, 13, 255}) {
        // A text from before must not stay.
        m_display.SetText("stale");
        EXPECT_EQ(Shown(Id(kind, 1234, 5)), kDashes) << int{kind};
    }
}

TEST_F(IDDisplayTest, TypeOneIdsSplitByEveryRowOfTheSizeTable) {
    // Block, fleet and subfleet all ones, so each row's mask and moduli show.
    const std::vector<std::string> expected = {
        "     7127-3", "     715-07", "     707-07", "     700-15", "     763-03",
        "     731-07", "     731-03", "     715-03", "     707-03", "     703-07",
        "     701-15", "     600-15", "     400-15", "     000-15",
    };
    for (std::uint8_t code = 1; code <= 14; ++code) {
        EXPECT_EQ(Shown(TypeI(code, 0xFF, 0xFF, 0xFF)), expected[code - 1u]) << int{code};
    }
    EXPECT_EQ(Shown(TypeI(1, 2, 5, 1)), "     2005-1");
    // Only the low four bits of the size code count: 0x12 is size code 2.
    EXPECT_EQ(Shown(TypeI(0x12, 3, 20, 9)), Shown(TypeI(2, 3, 20, 9)));
    EXPECT_EQ(Shown(TypeI(0x12, 3, 20, 9)), "     304-01");
}

TEST_F(IDDisplayTest, TypeTwoIdsFollowTheMotorolaStyleWithoutChangingIt) {
    const auto typeTwo = [](std::uint8_t kind, std::uint8_t sizeCode, std::uint32_t value) {
        UserId id = Id(kind, value);
        id.set(UserId::kSizeCode, sizeCode);
        return id;
    };
    EXPECT_EQ(Shown(typeTwo(1, 0, 8191)), " FAIL-SOFT ");
    EXPECT_EQ(Shown(typeTwo(2, 0, 8191)), " FAIL-SOFT ");
    // Size code 15, and 0 however it is written, have no Type I layout.
    EXPECT_EQ(Shown(typeTwo(1, 15, 4660)), "4660");
    EXPECT_EQ(Shown(typeTwo(1, 0xF0, 4660)), "4660");
    EXPECT_EQ(Shown(typeTwo(2, 3, 4660)), "4660");

    format_motorola_style(1);
    EXPECT_EQ(Shown(typeTwo(2, 0, 4660)), "123");
    EXPECT_EQ(Shown(typeTwo(2, 0, 40)), "002");
    EXPECT_EQ(format_motorola_style(255), 1);
    format_motorola_style(2);
    EXPECT_EQ(Shown(typeTwo(1, 15, 4660)), "800291");
    EXPECT_EQ(Shown(typeTwo(1, 15, 8191)), " FAIL-SOFT ");
    EXPECT_EQ(format_motorola_style(255), 2);
}

TEST_F(IDDisplayTest, LtrIdsShowTheirRepeaterOnlyOnAWideDisplay) {
    const UserId id = Id(hb::records::kIdKindLtr, 0x2A15, 3);
    EXPECT_EQ(Shown(id, 16), " 1-10-021 [03]");
    EXPECT_EQ(Shown(id, 14), " 1-10-021 [03]");
    EXPECT_EQ(Shown(id, 13), " 1-10-021");
    EXPECT_EQ(Shown(id, 12), " 1-10-021");
    EXPECT_EQ(Shown(Id(hb::records::kIdKindLtr, 0x2A15, 0)), " 1-10-021 [--]");
    // Area 0, home 31, group 255; bits above the area are not part of the ID.
    EXPECT_EQ(Shown(Id(hb::records::kIdKindLtr, 0xFFFFDFFF, 12)), " 0-31-255 [12]");
}

TEST_F(IDDisplayTest, TonesAndCodesAreRightAlignedInElevenCharacters) {
    EXPECT_EQ(Shown(Id(hb::records::kIdKindCtcss, 1318)), "      131.8");
    EXPECT_EQ(Shown(Id(hb::records::kIdKindCtcss, 670)), "       67.0");
    EXPECT_EQ(Shown(Id(hb::records::kIdKindDcs, 0x0A5)), "      D-245");
    EXPECT_EQ(Shown(Id(hb::records::kIdKindDcs, 0x013)), "      D-023");
    // Nine bits of code: the rest of the value is dropped.
    EXPECT_EQ(Shown(Id(hb::records::kIdKindDcs, 0xFE5)), "      D-745");
}

TEST_F(IDDisplayTest, EdacsIdsFollowTheEdacsStyleWithoutChangingIt) {
    // Agency 5, fleet 12, subfleet 3.
    const std::uint32_t afs = (5u << 7) | (12u << 3) | 3u;
    for (const std::uint8_t kind : {hb::records::kIdKindEdacs, hb::records::kIdKindEdacsOther}) {
        format_edacs_style(0);
        EXPECT_EQ(Shown(Id(kind, 12345)), "      12345");
        format_edacs_style(1);
        EXPECT_EQ(Shown(Id(kind, 12345)), "3039");
        EXPECT_EQ(Shown(Id(kind, 5)), "005");
        format_edacs_style(2);
        EXPECT_EQ(Shown(Id(kind, afs)), "   5.123   ");
        EXPECT_EQ(format_edacs_style(85), 2);
    }
}

TEST_F(IDDisplayTest, KindElevenShowsItsHighBitsNumberAndSuffix) {
    EXPECT_EQ(Shown(Id(hb::records::kIdKindPpt, (2u << 16) | 1234u, 0xAB)), "2-01234 [ab]");
    EXPECT_EQ(Shown(Id(hb::records::kIdKindPpt, 0xFFFFFFFF, 0)), "3-65535 [0]");
}

TEST_F(IDDisplayTest, ADisplayWithoutAWindowIsLeftAlone) {
    CIDDisplay unbound;
    const UserId id = Id(hb::records::kIdKindDcs, 0x0A5);
    unbound.ShowID(&id);
    unbound.ShowID(nullptr);
    EXPECT_EQ(unbound.GetText(), "");
    EXPECT_TRUE(RUNTIME_CLASS(CIDDisplay)->IsDerivedFrom(RUNTIME_CLASS(CiLCDMatrixX)));
    CObject* made = CRuntimeClass::CreateObject("CIDDisplay");
    EXPECT_NE(dynamic_cast<CIDDisplay*>(made), nullptr);
    delete made;
}

} // namespace
