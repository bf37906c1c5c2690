#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <vector>

namespace {

using hb::afx::EventArg;

class CBaseView : public CWnd {
public:
    std::vector<std::string> log;

protected:
    void OnMouseUpV1(short button, short shift, long x, long y) {
        log.push_back("V1 " + std::to_string(button) + " " + std::to_string(shift) + " " +
                      std::to_string(x) + "," + std::to_string(y));
    }
    void OnPositionChange() { log.push_back("base knob"); }

    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(CBaseView, CWnd)
ON_EVENT(CBaseView, 27745, 7, &CBaseView::OnMouseUpV1)
ON_EVENT(CBaseView, 27784, 18, &CBaseView::OnPositionChange)
END_EVENTSINK_MAP()

class CPlotView : public CBaseView {
protected:
    void OnQuery(long a, long b, long c, long d, BOOL* cancel) {
        log.push_back("query");
        *cancel = a + b + c + d > 10;
    }
    void OnRename(CString* text, bool& accepted, double& scale) {
        *text += "!";
        accepted = true;
        scale *= 2;
    }
    void OnLabel(LPCSTR text, const CString& copy, unsigned char level) {
        log.push_back(std::string(text) + "/" + copy.GetString() + "/" + std::to_string(level));
    }
    void OnPositionChange() { log.push_back("derived knob"); }

    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(CPlotView, CBaseView)
ON_EVENT(CPlotView, 28001, 33, &CPlotView::OnQuery)
ON_EVENT(CPlotView, 28001, 2, &CPlotView::OnRename)
ON_EVENT(CPlotView, 28724, 8, &CPlotView::OnLabel)
ON_EVENT(CPlotView, 27784, 18, &CPlotView::OnPositionChange)
END_EVENTSINK_MAP()

class EventSinkTest : public hb::afx::test::AfxTest {
protected:
    EventSinkTest() {
        view.CreateEx(0, nullptr, "view", WS_OVERLAPPED, CRect(0, 0, 100, 100), nullptr, 0);
    }

    CPlotView view;
};

TEST_F(EventSinkTest, ArgumentsArriveAsTheHandlerTakesThem) {
    std::vector<EventArg> args{std::int16_t{2}, std::int16_t{1}, std::int32_t{-30},
                               std::int64_t{40}};
    EXPECT_TRUE(hb::afx::FireEvent(MakeChild(view, 27745), 7, args));
    std::vector<EventArg> texts{std::string("FM"), std::string("copy"), 300};
    EXPECT_TRUE(hb::afx::FireEvent(MakeChild(view, 28724), 8, texts));
    EXPECT_EQ(view.log, (std::vector<std::string>{"V1 2 1 -30,40", "FM/copy/44"}));
}

TEST_F(EventSinkTest, WritesThroughReferencesReachTheFirer) {
    const HWND plot = MakeChild(view, 28001);
    std::vector<EventArg> small{1, 2, 3, 4, false};
    EXPECT_TRUE(hb::afx::FireEvent(plot, 33, small));
    EXPECT_EQ(small[4], EventArg(false));
    std::vector<EventArg> large{1, 2, 3, 5, false};
    EXPECT_TRUE(hb::afx::FireEvent(plot, 33, large));
    EXPECT_EQ(large[4], EventArg(true));
    EXPECT_EQ(large[0], EventArg(1));

    std::vector<EventArg> rename{std::string("Name"), std::int16_t{0}, 1.5};
    EXPECT_TRUE(hb::afx::FireEvent(plot, 2, rename));
    EXPECT_EQ(rename[0], EventArg(std::string("Name!")));
    // The firer's own type stays: a Boolean reference written into a 16-bit argument.
    EXPECT_EQ(rename[1], EventArg(std::int16_t{1}));
    EXPECT_EQ(rename[2], EventArg(3.0));
}

TEST_F(EventSinkTest, TheClassMapIsSearchedBeforeTheBaseMap) {
    std::vector<EventArg> none;
    EXPECT_TRUE(hb::afx::FireEvent(MakeChild(view, 27784), 18, none));
    EXPECT_EQ(view.log, (std::vector<std::string>{"derived knob"}));

    CBaseView base;
    base.CreateEx(0, nullptr, "base", WS_OVERLAPPED, CRect(0, 0, 10, 10), nullptr, 0);
    EXPECT_TRUE(hb::afx::FireEvent(MakeChild(base, 27784), 18, none));
    EXPECT_EQ(base.log, (std::vector<std::string>{"base knob"}));
}

TEST_F(EventSinkTest, EventsWithoutAHandlerReportThatNoneRan) {
    std::vector<EventArg> none;
    EXPECT_FALSE(hb::afx::FireEvent(MakeChild(view, 27784), 4, none));
    EXPECT_FALSE(hb::afx::FireEvent(MakeChild(view, 1), 18, none));
    EXPECT_FALSE(hb::afx::FireEvent(HWND{}, 18, none));
    // A parent without an object has no map.
    const HWND bare = CreateWindowEx(0, hb::afx::test::kFieldClass, "", WS_OVERLAPPED, 0, 0, 10, 10,
                                     HWND{}, 0, nullptr);
    EXPECT_FALSE(hb::afx::FireEvent(MakeChild(bare, 27784), 18, none));
    EXPECT_TRUE(view.log.empty());
}

TEST_F(EventSinkTest, ArgumentsThatDoNotFitAreReportedAndNotDelivered) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& message) { failures.push_back(message); });
    const HWND v1 = MakeChild(view, 27745);
    std::vector<EventArg> tooFew{std::int16_t{1}, std::int16_t{0}, 5};
    EXPECT_FALSE(hb::afx::FireEvent(v1, 7, tooFew));
    std::vector<EventArg> text{std::string("1"), std::int16_t{0}, 5, 6};
    EXPECT_FALSE(hb::afx::FireEvent(v1, 7, text));
    EXPECT_EQ(failures.size(), 2u);
    EXPECT_TRUE(view.log.empty());
}

} // namespace
