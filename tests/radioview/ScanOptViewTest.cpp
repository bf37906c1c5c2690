#include "radioview/ScanOptView.h"

#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"
#include "resources/program/ProgramResources.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ScanOptViewTest : public hb::testkit::PlatformTest {
protected:
    ScanOptViewTest() { UseProgramResources(ProgramResourceTables()); }
};

TEST_F(ScanOptViewTest, ItIsMadeByNameAndLaysItselfOutFromItsForm) {
    CRuntimeClass* viewClass = CRuntimeClass::FromName("CScanOptView");
    ASSERT_NE(viewClass, nullptr);
    EXPECT_TRUE(viewClass->IsDerivedFrom(RUNTIME_CLASS(CEnhancedFormView)));

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Radio", WS_OVERLAPPED | WS_VISIBLE,
                                CRect(0, 0, 320, 120), nullptr, 0));
    auto* view = DYNAMIC_DOWNCAST(CScanOptView, viewClass->CreateObject());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | WS_VISIBLE,
                             CRect(0, 0, 320, 120), &parent, AFX_IDW_PANE_FIRST));
    view->OnInitialUpdate();
    EXPECT_EQ(view->GetTemplateId(), 27357u);

    // The form's one caption is a child of the view.
    const HWND caption = ::GetWindow(view->GetSafeHwnd(), GW_CHILD);
    ASSERT_TRUE(caption);
    char text[128] = {};
    ::GetWindowText(caption, text, sizeof text);
    EXPECT_NE(std::string(text).find("Scan Options"), std::string::npos) << text;
    // A view deletes itself with its window.
    parent.DestroyWindow();
}

} // namespace
