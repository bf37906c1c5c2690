// A modal dialog opens over its owner unless its own code places it.
#include "tests/platform/afx/AfxTest.h"

#include <array>

namespace {

using hb::afx::DialogTemplate;

constexpr UINT kTemplate = 27450;

const DialogTemplate kPlain{.id = kTemplate,
                            .caption = "Halbridge Pro Configuration",
                            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                            .cx = 200,
                            .cy = 100,
                            .fontName = "MS Sans Serif",
                            .fontSize = 8,
                            .controls = {}};

// Puts itself at a place of its own while it starts.
class CPlacedDlg : public CDialog {
public:
    explicit CPlacedDlg(CWnd* parent) : CDialog(&kPlain, parent) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetWindowPos(nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
};

class DialogPlacementTest : public hb::afx::test::AfxTest {
protected:
    DialogPlacementTest() {
        owner.CreateEx(0, nullptr, "Halbridge Pro", WS_OVERLAPPED | WS_VISIBLE,
                       CRect(100, 200, 900, 800), nullptr, 0);
    }

    // Where the dialog is while it runs.
    std::array<LONG, 4> ShownAt(CDialog& dlg) {
        std::array<LONG, 4> shown{};
        hb::afx::SetModalScript(kTemplate, [&shown](CDialog& running) {
            CRect rect;
            running.GetWindowRect(&rect);
            shown = {rect.left, rect.top, rect.right, rect.bottom};
            running.EndDialog(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        return shown;
    }

    CWnd owner;
};

TEST_F(DialogPlacementTest, ADialogOpensCentredOverItsOwner) {
    CDialog dlg(&kPlain, &owner);
    const auto shown = ShownAt(dlg);
    EXPECT_EQ((shown[0] + shown[2]) / 2, 500);
    EXPECT_EQ((shown[1] + shown[3]) / 2, 500);
}

TEST_F(DialogPlacementTest, ADialogThatPlacesItselfStaysWhereItWent) {
    CPlacedDlg dlg(&owner);
    const auto shown = ShownAt(dlg);
    EXPECT_EQ(shown[0], 5);
    EXPECT_EQ(shown[1], 7);
}

} // namespace
