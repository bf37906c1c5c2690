// Every caption of every dialog and form in both resource modules fits its control: each static,
// button, check box, radio and group box is made from its template and painted, and every text it
// draws must fit the box it draws it in at the layout's text metrics, the check box's mark and
// the button's edges already taken off as the controls themselves take them.
#include "platform/afx/Afx.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"
#include "resources/program/ProgramResources.h"

#include <string>
#include <vector>

namespace {

using hb::afx::DialogTemplate;
using hb::win::DrawOp;
using hb::win::DrawRecord;

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassName(hwnd, name, sizeof name);
    return name;
}

// An icon button shows its picture; the window that owns it draws any caption beside it.
bool HasCaption(const hb::afx::DialogControl& control) {
    return (control.className == "Button" || control.className == "Static") &&
           !control.text.empty() && !(control.className == "Button" && (control.style & BS_ICON));
}

// What of one drawn text lies outside its box, or nothing when it fits.
std::string Overflow(const DrawRecord& record, const RECT& client) {
    const hb::win::FontState& font = record.state.font;
    const LONG lineHeight = hb::win::MetricsOf(font).tmHeight;
    if (record.op == DrawOp::DrawText) {
        const LONG width = record.rect.right - record.rect.left;
        const LONG height = record.rect.bottom - record.rect.top;
        const auto lines = hb::win::DrawTextLines(record.text, record.flags, width, font);
        for (const std::string& line : lines) {
            const LONG needed = hb::win::MeasureText(font, line).cx;
            if (needed > width) {
                return "\"" + line + "\" needs " + std::to_string(needed) + " of " +
                       std::to_string(width) + " pixels";
            }
        }
        const LONG needed = lineHeight * static_cast<LONG>(lines.size());
        if (needed > height) {
            return std::to_string(lines.size()) + " lines need " + std::to_string(needed) + " of " +
                   std::to_string(height) + " pixels high";
        }
        return {};
    }
    if (record.op == DrawOp::TextOut && !record.points.empty()) {
        // A group box's caption, which sits on the frame from its left inset to the same inset at
        // the right.
        const LONG inset = record.points[0].x;
        const LONG needed = hb::win::MeasureText(font, record.text).cx;
        if (inset + needed > client.right - inset) {
            return "needs " + std::to_string(needed) + " of " +
                   std::to_string(client.right - 2 * inset) + " pixels";
        }
    }
    return {};
}

// Each caption of the template that does not fit, as "form id / control text: how".
std::vector<std::string> CutCaptions(const DialogTemplate& form) {
    DialogTemplate captioned = form;
    std::erase_if(captioned.controls, [](const auto& control) { return !HasCaption(control); });
    // Controls shown only at times must fit as well.
    for (auto& control : captioned.controls) {
        control.style |= WS_VISIBLE;
    }
    hb::testkit::TestWindow host({.style = WS_POPUP | WS_VISIBLE, .rect = {0, 0, 2000, 2000}});
    EXPECT_TRUE(hb::afx::CreateTemplateControls(host.hwnd(), captioned)) << form.id;
    std::vector<std::string> cut;
    for (const hb::win::PaintedWindow& painted : hb::win::PaintWindowTree(host.hwnd())) {
        if (painted.hwnd == host.hwnd()) {
            continue;
        }
        RECT client;
        GetClientRect(painted.hwnd, &client);
        char text[256] = {};
        GetWindowText(painted.hwnd, text, sizeof text);
        for (const DrawRecord& record : painted.list) {
            const std::string overflow = Overflow(record, client);
            if (!overflow.empty()) {
                cut.push_back(std::to_string(form.id) + " " + ClassOf(painted.hwnd) + " \"" + text +
                              "\": " + overflow);
            }
        }
    }
    return cut;
}

class TextFitTest : public hb::testkit::PlatformTest {
protected:
    TextFitTest() : library(AfxLoadLibrary("Pellam.DLL")) {}
    ~TextFitTest() override {
        if (library) {
            AfxFreeLibrary(library);
        }
    }

    // One line for each caption that does not fit; empty when all do.
    static std::string CutCaptionsOf(const std::vector<DialogTemplate>& forms) {
        std::string cut;
        for (const DialogTemplate& form : forms) {
            for (const std::string& caption : CutCaptions(form)) {
                cut += caption + "\n";
            }
        }
        return cut;
    }

    HMODULE library;
};

TEST_F(TextFitTest, EveryCaptionOfTheProgramsDialogsFitsItsControl) {
    const auto& dialogs = ProgramResourceTables().dialogs;
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(CutCaptionsOf(dialogs), "");
}

TEST_F(TextFitTest, EveryCaptionOfTheResourceLibrarysFormsFitsItsControl) {
    ASSERT_TRUE(library);
    const auto& forms = hb::afx::ResourceModuleOf(library)->Tables().dialogs;
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(CutCaptionsOf(forms), "");
}

// The check itself: a caption one character too long for its box is reported, a fitting one not.
TEST_F(TextFitTest, ACaptionWiderThanItsControlIsFound) {
    const std::string caption = "Run the setup wizard for this radio";
    DialogTemplate form{.id = 1};
    form.controls.push_back({.id = 2,
                             .className = "Button",
                             .text = caption,
                             .style = BS_AUTOCHECKBOX | WS_VISIBLE,
                             .cx = 40,
                             .cy = 10});
    form.controls.push_back({.id = 3,
                             .className = "Static",
                             .text = "Connections:",
                             .style = SS_LEFT | WS_VISIBLE,
                             .y = 20,
                             .cx = 60,
                             .cy = 8});
    const auto cut = CutCaptions(form);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_NE(cut[0].find(caption), std::string::npos);
}

} // namespace
