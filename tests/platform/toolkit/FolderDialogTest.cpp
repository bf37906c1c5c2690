// The browse edit's folder chooser, driven as a person drives it: clicks and double clicks on the
// list, "Open", "Up", OK and Cancel; and the hook that answers it instead.
#include "platform/afx/Afx.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/toolkit/CXTBrowseEdit.h"
#include "platform/toolkit/CXTFolderDialog.h"

#include <filesystem>
#include <string>
#include <vector>

namespace hb::toolkit::test {
namespace {

using Strings = std::vector<std::string>;

constexpr UINT kEditId = 200;
constexpr int kBrowseButton = 1;

// A window holding one folder browse edit, counting the edit's changes.
class CEditHost : public CWnd {
public:
    int changes = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE) {
            ++changes;
        }
        return CWnd::OnCommand(wParam, lParam);
    }
};

class FolderDialogTest : public hb::testkit::PlatformTest {
protected:
    FolderDialogTest() {
        for (const char* folder : {"Gamma/Inner", "Alpha", "beta", ".hidden"}) {
            std::filesystem::create_directories(Folder(folder));
        }
        hb::testkit::WriteFileBytes(Folder("notes.txt"), "not a folder");
        host.CreateEx(0, nullptr, "host", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 400, 100),
                      nullptr, 0);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 300, 30), &host, kEditId);
        edit.SetDlgStyle(BES_XT_CHOOSEDIR);
    }

    std::string Folder(const std::string& name) const { return root.Path() + "/" + name; }

    // Presses the edit's browse button with the dialog's steps as its script.
    void Browse(std::function<void(CXTFolderDialog&)> steps) {
        hb::afx::SetModalScript("CXTFolderDialog", [steps](CDialog& dialog) {
            steps(static_cast<CXTFolderDialog&>(dialog));
        });
        host.changes = 0;
        ASSERT_TRUE(hb::afx::ClickButton(edit.m_hWnd, kBrowseButton));
    }

    std::string Text() const {
        CString text;
        edit.GetWindowText(text);
        return text.str();
    }

    static CListBox& List(CXTFolderDialog& dialog) {
        return *static_cast<CListBox*>(dialog.GetDlgItem(CXTFolderDialog::kFolderList));
    }
    static Strings Listed(CXTFolderDialog& dialog) {
        Strings names;
        for (int index = 0; index < List(dialog).GetCount(); ++index) {
            CString name;
            List(dialog).GetText(index, name);
            names.push_back(name.str());
        }
        return names;
    }
    static std::string Selected(CXTFolderDialog& dialog) {
        const int index = List(dialog).GetCurSel();
        CString name;
        if (index >= 0) {
            List(dialog).GetText(index, name);
        }
        return name.str();
    }
    static std::string Shown(CXTFolderDialog& dialog) {
        CString text;
        dialog.GetDlgItemText(CXTFolderDialog::kChosenFolder, text);
        return text.str();
    }
    static bool Enabled(CXTFolderDialog& dialog, UINT id) {
        return dialog.GetDlgItem(static_cast<int>(id))->IsWindowEnabled() != FALSE;
    }
    static void ClickRow(CXTFolderDialog& dialog, const std::string& name,
                         UINT message = WM_LBUTTONDOWN) {
        const Strings names = Listed(dialog);
        const auto found = std::ranges::find(names, name);
        ASSERT_NE(found, names.end()) << name;
        CRect row;
        List(dialog).GetItemRect(static_cast<int>(found - names.begin()), &row);
        const LPARAM at = MAKELPARAM(row.CenterPoint().x, row.CenterPoint().y);
        if (message == WM_LBUTTONDBLCLK) {
            List(dialog).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
            List(dialog).SendMessage(WM_LBUTTONUP, 0, at);
        }
        List(dialog).SendMessage(message, MK_LBUTTON, at);
        List(dialog).SendMessage(WM_LBUTTONUP, 0, at);
    }

    hb::testkit::TempFolder root{"hb-folders"};
    CEditHost host;
    CXTBrowseEdit edit;
};

TEST_F(FolderDialogTest, TheListGoesIntoAndOutOfFoldersAndOkPutsTheChoiceInTheEdit) {
    edit.SetWindowText(Folder("Gamma").c_str());
    Browse([this](CXTFolderDialog& dialog) {
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_FALSE(host.IsWindowEnabled());
        // The edit's folder stands among its neighbours, chosen; files and hidden folders are
        // left out, and case does not order them.
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());
        EXPECT_EQ(Listed(dialog), (Strings{"Alpha", "beta", "Gamma"}));
        EXPECT_EQ(Selected(dialog), "Gamma");
        EXPECT_EQ(Shown(dialog), Folder("Gamma"));

        ClickRow(dialog, "Alpha");
        EXPECT_EQ(Shown(dialog), Folder("Alpha"));
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());

        ClickRow(dialog, "Gamma", WM_LBUTTONDBLCLK);
        EXPECT_EQ(dialog.GetFolder().str(), Folder("Gamma"));
        EXPECT_EQ(Listed(dialog), (Strings{"Inner"}));
        EXPECT_EQ(Selected(dialog), "");
        EXPECT_EQ(Shown(dialog), Folder("Gamma"));
        EXPECT_FALSE(Enabled(dialog, CXTFolderDialog::kOpenButton));

        ClickRow(dialog, "Inner");
        ASSERT_TRUE(Enabled(dialog, CXTFolderDialog::kOpenButton));
        hb::afx::ClickButton(dialog, CXTFolderDialog::kOpenButton);
        EXPECT_EQ(dialog.GetFolder().str(), Folder("Gamma/Inner"));
        EXPECT_TRUE(Listed(dialog).empty());
        EXPECT_EQ(Shown(dialog), Folder("Gamma/Inner"));

        // Up comes back with the folder left chosen.
        hb::afx::ClickButton(dialog, CXTFolderDialog::kUpButton);
        EXPECT_EQ(Selected(dialog), "Inner");
        hb::afx::ClickButton(dialog, CXTFolderDialog::kUpButton);
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());
        EXPECT_EQ(Selected(dialog), "Gamma");
        ClickRow(dialog, "beta");
        hb::afx::PressKey(List(dialog).m_hWnd, VK_RETURN);
    });
    EXPECT_EQ(Text(), Folder("beta"));
    EXPECT_EQ(host.changes, 1);
    EXPECT_TRUE(host.IsWindowEnabled());
    ASSERT_EQ(hb::afx::ModalLog().size(), 1u);
    EXPECT_EQ(hb::afx::ModalLog()[0].caption, "Browse for Folder");
    EXPECT_EQ(hb::afx::ModalLog()[0].result, IDOK);
}

TEST_F(FolderDialogTest, CancelAndEscLeaveTheEditAsItWas) {
    edit.SetWindowText(Folder("Alpha").c_str());
    for (const bool escape : {false, true}) {
        Browse([escape](CXTFolderDialog& dialog) {
            ClickRow(dialog, "beta", WM_LBUTTONDBLCLK);
            if (escape) {
                hb::afx::PressKey(List(dialog).m_hWnd, VK_ESCAPE);
            } else {
                hb::afx::ClickButton(dialog, IDCANCEL);
            }
        });
        EXPECT_EQ(Text(), Folder("Alpha"));
        EXPECT_EQ(host.changes, 0);
    }
}

TEST_F(FolderDialogTest, ItStartsAtTheNearestFolderThatExistsElseTheDocumentsAndStopsAtTheRoot) {
    const std::string documents = hb::win::DocumentsFolder();
    const struct {
        std::string text;
        std::string chosen;
    } cases[] = {
        {Folder("Gone/deeper"), root.Path()},
        {Folder("notes.txt"), root.Path()},
        {Folder("Gamma/"), Folder("Gamma")},
        {"", documents},
        {"/", "/"},
    };
    for (const auto& start : cases) {
        edit.SetWindowText(start.text.c_str());
        Browse([&](CXTFolderDialog& dialog) {
            EXPECT_EQ(Shown(dialog), start.chosen) << start.text;
            EXPECT_EQ(Enabled(dialog, CXTFolderDialog::kUpButton), start.chosen != "/");
            if (start.chosen == "/") {
                EXPECT_EQ(dialog.GetFolder().str(), "/");
                EXPECT_EQ(Selected(dialog), "");
            }
            hb::afx::ClickButton(dialog, IDOK);
        });
        EXPECT_EQ(Text(), start.chosen);
    }
}

TEST_F(FolderDialogTest, TheHookAnswersInsteadOfTheDialog) {
    edit.SetWindowText(Folder("Alpha").c_str());
    std::vector<std::string> asked;
    std::optional<std::string> answer = Folder("beta");
    SetFolderChooser([&](const FolderRequest& request) {
        asked.push_back(request.initialFolder);
        return answer;
    });
    edit.ChooseItem();
    EXPECT_EQ(Text(), Folder("beta"));
    answer.reset();
    edit.ChooseItem();
    EXPECT_EQ(Text(), Folder("beta"));
    EXPECT_EQ(asked, (Strings{Folder("Alpha"), Folder("beta")}));
    EXPECT_TRUE(hb::afx::ModalLog().empty());
}

TEST_F(FolderDialogTest, TheBrowseButtonIsEnabledWithTheEdit) {
    CWnd* button = edit.GetDlgItem(kBrowseButton);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->IsWindowEnabled());
    edit.EnableWindow(FALSE);
    EXPECT_FALSE(button->IsWindowEnabled());
    edit.EnableWindow(TRUE);
    EXPECT_TRUE(button->IsWindowEnabled());

    // An edit made disabled gets a disabled button.
    CXTBrowseEdit other;
    other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_DISABLED, CRect(10, 40, 300, 60), &host,
                 kEditId + 1);
    other.SetDlgStyle(BES_XT_CHOOSEFILE);
    EXPECT_FALSE(other.GetDlgItem(kBrowseButton)->IsWindowEnabled());
}

} // namespace
} // namespace hb::toolkit::test
