// The file dialog as a person on a display answers it: clicks and double clicks on the list, the
// type of files, names and paths typed, the questions OK asks, Cancel and Esc. The scripts stand
// for the person; the display is only said to be there.
#include "platform/afx/FileChooserDialog.h"

#include "platform/afx/Afx.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/store/Folders.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace hb::afx::test {
namespace {

using Strings = std::vector<std::string>;
using Steps = std::function<void(CFileChooserDialog&)>;
using Dialog = CFileChooserDialog;

constexpr LPCSTR kGroupFilter = "Groups (*.swg)|*.swg|Scan files (*.swg;*.swr)|*.swg;*.swr|All "
                                "Files (*.*)|*.*||";

struct Outcome {
    int result = 0;
    std::string path;
};

class FileChooserDialogTest : public hb::testkit::PlatformTest {
protected:
    FileChooserDialogTest() {
        hb::win::SetInteractive(true);
        for (const char* name : {"Marine.swg", "police.swg", "Fire.SWG", "air.swr", "notes.txt",
                                 "Trunks/County.swg", ".hidden.swg"}) {
            std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
            hb::testkit::WriteFileBytes(File(name), "x");
        }
    }

    std::string File(const std::string& name) const { return root.File(name); }

    // The dialog asked for as a caller asks, answered by `steps`.
    Outcome Run(BOOL open, LPCSTR extension, LPCSTR name, DWORD flags, const Steps& steps,
                LPCSTR filter = kGroupFilter) {
        SetModalScript("CFileChooserDialog",
                       [steps](CDialog& dialog) { steps(static_cast<Dialog&>(dialog)); });
        CFileDialog dialog(open, extension, name, flags, filter);
        dialog.m_ofn.lpstrInitialDir = root.Path().c_str();
        const int result = dialog.DoModal();
        return {result, dialog.GetPathName().str()};
    }

    static HWND List(Dialog& dialog) { return ::GetDlgItem(dialog.m_hWnd, Dialog::kEntries); }
    static Strings Listed(Dialog& dialog) {
        Strings rows;
        for (WPARAM index = 0;
             index < static_cast<WPARAM>(::SendMessage(List(dialog), LB_GETCOUNT, 0, 0)); ++index) {
            std::string row(
                static_cast<std::size_t>(::SendMessage(List(dialog), LB_GETTEXTLEN, index, 0)),
                '\0');
            ::SendMessage(List(dialog), LB_GETTEXT, index, reinterpret_cast<LPARAM>(row.data()));
            rows.push_back(row);
        }
        return rows;
    }
    static std::string Text(Dialog& dialog, UINT id) {
        CString text;
        dialog.GetDlgItemText(static_cast<int>(id), text);
        return text.str();
    }
    static void ClickRow(Dialog& dialog, const std::string& row, bool twice = false) {
        const Strings rows = Listed(dialog);
        const auto found = std::ranges::find(rows, row);
        ASSERT_NE(found, rows.end()) << row;
        RECT box{};
        ::SendMessage(List(dialog), LB_GETITEMRECT, static_cast<WPARAM>(found - rows.begin()),
                      reinterpret_cast<LPARAM>(&box));
        const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        ::SendMessage(List(dialog), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessage(List(dialog), WM_LBUTTONUP, 0, at);
        if (twice) {
            ::SendMessage(List(dialog), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            ::SendMessage(List(dialog), WM_LBUTTONUP, 0, at);
        }
    }
    // Types into the file name and presses Enter there.
    static void Enter(Dialog& dialog, const std::string& typed) {
        CWnd* edit = dialog.GetDlgItem(Dialog::kFileName);
        edit->SetFocus();
        edit->SetWindowText(typed.c_str());
        PressKey(edit->m_hWnd, VK_RETURN);
    }

    hb::testkit::TempFolder root{"hb-files"};
};

TEST_F(FileChooserDialogTest, TheListShowsTheFoldersThenTheFilesOfTheTypeAndAClickedFileIsTaken) {
    const Outcome chosen =
        Run(TRUE, "swg", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, [this](Dialog& dialog) {
            EXPECT_TRUE(dialog.IsWindowVisible());
            EXPECT_EQ(dialog.GetFolder().str(), root.Path());
            EXPECT_EQ(Text(dialog, Dialog::kFolder), root.Path());
            EXPECT_EQ(Text(dialog, IDOK), "Open");
            EXPECT_EQ(Listed(dialog),
                      (Strings{"[..]", "[Trunks]", "Fire.SWG", "Marine.swg", "police.swg"}));
            EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(Dialog::kFileName));

            ClickRow(dialog, "police.swg");
            EXPECT_EQ(Text(dialog, Dialog::kFileName), "police.swg");
            ClickRow(dialog, "[Trunks]");
            EXPECT_EQ(Text(dialog, Dialog::kFileName), "police.swg") << "a folder is no name";
            ClickRow(dialog, "Marine.swg");
            ClickButton(dialog, IDOK);
        });
    EXPECT_EQ(chosen.result, IDOK);
    EXPECT_EQ(chosen.path, File("Marine.swg"));
    ASSERT_EQ(ModalLog().size(), 1u);
    EXPECT_EQ(ModalLog()[0].caption, "Open");
}

TEST_F(FileChooserDialogTest, DoubleClicksAndEnterGoIntoFoldersAndUpAndADoubleClickTakesAFile) {
    const Outcome chosen = Run(TRUE, "swg", nullptr, OFN_FILEMUSTEXIST, [this](Dialog& dialog) {
        ClickRow(dialog, "[Trunks]", true);
        EXPECT_EQ(dialog.GetFolder().str(), File("Trunks"));
        EXPECT_EQ(Listed(dialog), (Strings{"[..]", "County.swg"}));
        ClickRow(dialog, "[..]", true);
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());

        ClickRow(dialog, "[Trunks]");
        PressKey(List(dialog), VK_RETURN);
        EXPECT_EQ(dialog.GetFolder().str(), File("Trunks"));
        EXPECT_FALSE(dialog.IsEnded());
        ClickRow(dialog, "County.swg", true);
    });
    EXPECT_EQ(chosen.result, IDOK);
    EXPECT_EQ(chosen.path, File("Trunks/County.swg"));
}

TEST_F(FileChooserDialogTest, TheTypeOfFilesAndATypedPatternPickTheFilesListed) {
    Run(TRUE, "swg", nullptr, 0, [this](Dialog& dialog) {
        CWnd* types = dialog.GetDlgItem(Dialog::kFileType);
        EXPECT_EQ(Text(dialog, Dialog::kFileType), "Groups (*.swg)");
        PressKey(types->m_hWnd, VK_DOWN);
        EXPECT_EQ(Text(dialog, Dialog::kFileType), "Scan files (*.swg;*.swr)");
        EXPECT_EQ(Listed(dialog),
                  (Strings{"[..]", "[Trunks]", "air.swr", "Fire.SWG", "Marine.swg", "police.swg"}));
        PressKey(types->m_hWnd, VK_DOWN);
        EXPECT_EQ(Listed(dialog).size(), 7u) << "all files";

        Enter(dialog, "*.swr");
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_EQ(Listed(dialog), (Strings{"[..]", "[Trunks]", "air.swr"}));
        Enter(dialog, "Trunks/*.swg");
        EXPECT_EQ(dialog.GetFolder().str(), File("Trunks"));
        EXPECT_EQ(Listed(dialog), (Strings{"[..]", "County.swg"}));
        PressKey(dialog.GetDlgItem(Dialog::kFileName)->m_hWnd, VK_ESCAPE);
    });
}

TEST_F(FileChooserDialogTest, ATypedNameIsTakenInTheFolderAndAPathFromItOrWhole) {
    const struct {
        std::string typed;
        std::string chosen;
    } cases[] = {
        {"police", File("police.swg")},
        // The caller's extension stands for the file's, whatever its case.
        {"  Marine  ", File("Marine.swg")},
        {"Trunks/../Fire", File("Fire.SWG")},
        {"Trunks\\County.swg", File("Trunks/County.swg")},
        {File("notes.txt"), File("notes.txt")},
    };
    for (const auto& typed : cases) {
        const Outcome chosen = Run(TRUE, "SWG", nullptr, OFN_FILEMUSTEXIST,
                                   [&typed](Dialog& dialog) { Enter(dialog, typed.typed); });
        EXPECT_EQ(chosen.result, IDOK) << typed.typed;
        EXPECT_EQ(chosen.path, typed.chosen) << typed.typed;
    }
}

TEST_F(FileChooserDialogTest, ATypedFolderIsEnteredAndTheNameClearedForTheNext) {
    const Outcome chosen = Run(TRUE, "swg", nullptr, OFN_FILEMUSTEXIST, [this](Dialog& dialog) {
        Enter(dialog, "Trunks/");
        EXPECT_EQ(dialog.GetFolder().str(), File("Trunks"));
        EXPECT_EQ(Text(dialog, Dialog::kFileName), "");
        Enter(dialog, "..");
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());
        Enter(dialog, File("Trunks"));
        Enter(dialog, "County");
    });
    EXPECT_EQ(chosen.path, File("Trunks/County.swg"));
}

TEST_F(FileChooserDialogTest, OpenRefusesAMissingFileOrAsksToMakeIt) {
    ExpectBox("Nowhere.swg\nFile not found.", IDOK, "Open Group");
    ExpectBox("The folder " + File("Gone") + " does not exist", IDOK);
    ExpectBox("The folder " + File("Gone") + " does not exist", IDOK);
    const Outcome refused = Run(TRUE, "swg", nullptr, OFN_FILEMUSTEXIST, [](Dialog& dialog) {
        dialog.SetWindowText("Open Group");
        Enter(dialog, "Nowhere");
        EXPECT_FALSE(dialog.IsEnded());
        Enter(dialog, "Gone/Nowhere");
        EXPECT_FALSE(dialog.IsEnded());
        Enter(dialog, "Gone/*.swg");
        EXPECT_EQ(Listed(dialog).size(), 5u) << "the files of the folder shown still";
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(refused.result, IDCANCEL);

    ExpectBox("Nowhere.swg does not exist.\nDo you want to create it?", IDNO);
    ExpectBox("Nowhere.swg does not exist.", IDYES);
    const Outcome made = Run(TRUE, "swg", nullptr, OFN_CREATEPROMPT, [](Dialog& dialog) {
        Enter(dialog, "Nowhere");
        EXPECT_FALSE(dialog.IsEnded());
        Enter(dialog, "Nowhere");
    });
    EXPECT_EQ(made.result, IDOK);
    EXPECT_EQ(made.path, File("Nowhere.swg"));
    EXPECT_EQ(Boxes()[3].type, UINT{MB_YESNO | MB_ICONQUESTION});
}

TEST_F(FileChooserDialogTest, SaveAsksBeforeReplacingAFile) {
    ExpectBox("Marine.swg already exists.\nDo you want to replace it?", IDNO, "Save As");
    ExpectBox("Marine.swg already exists.", IDYES);
    const Outcome replaced =
        Run(FALSE, "swg", "Marine", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, [](Dialog& dialog) {
            EXPECT_EQ(Text(dialog, Dialog::kFileName), "Marine");
            EXPECT_EQ(Text(dialog, IDOK), "Save");
            ClickButton(dialog, IDOK);
            EXPECT_FALSE(dialog.IsEnded());
            ClickButton(dialog, IDOK);
        });
    EXPECT_EQ(replaced.result, IDOK);
    EXPECT_EQ(replaced.path, File("Marine.swg"));
    // No is the answer Enter gives.
    EXPECT_EQ(Boxes()[0].type, UINT{MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2});

    const Outcome fresh = Run(FALSE, "swg", nullptr, OFN_OVERWRITEPROMPT,
                              [](Dialog& dialog) { Enter(dialog, "Harbour"); });
    EXPECT_EQ(fresh.path, File("Harbour.swg"));
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(FileChooserDialogTest, CancelEscAndAnEmptyOkChooseNothing) {
    for (const bool escape : {false, true}) {
        const Outcome chosen = Run(TRUE, "swg", "Marine", 0, [escape](Dialog& dialog) {
            Enter(dialog, "");
            EXPECT_FALSE(dialog.IsEnded());
            if (escape) {
                PressKey(List(dialog), VK_ESCAPE);
            } else {
                ClickButton(dialog, IDCANCEL);
            }
        });
        EXPECT_EQ(chosen.result, IDCANCEL);
        EXPECT_EQ(chosen.path, "");
    }
}

TEST_F(FileChooserDialogTest, ItStartsInTheNamesFolderElseTheInitialOneElseTheDocuments) {
    Run(TRUE, "swg", (File("Trunks") + "/*.swg").c_str(), 0, [this](Dialog& dialog) {
        EXPECT_EQ(dialog.GetFolder().str(), File("Trunks"));
        EXPECT_EQ(Text(dialog, Dialog::kFileName), "") << "a pattern is no name";
        EXPECT_EQ(Listed(dialog), (Strings{"[..]", "County.swg"}));
        ClickButton(dialog, IDCANCEL);
    });
    Run(TRUE, "swg", (File("Gone") + "/Receiver.swg").c_str(), 0, [this](Dialog& dialog) {
        EXPECT_EQ(dialog.GetFolder().str(), root.Path());
        EXPECT_EQ(Text(dialog, Dialog::kFileName), "Receiver.swg");
        ClickButton(dialog, IDCANCEL);
    });
    SetModalScript("CFileChooserDialog", [](CDialog& dialog) {
        const std::string documents = hb::win::DocumentsFolder();
        EXPECT_EQ(static_cast<Dialog&>(dialog).GetFolder().str() + "/",
                  documents.ends_with('/') ? documents : documents + "/");
        EXPECT_EQ(Listed(static_cast<Dialog&>(dialog)).size(), 1u) << "only [..]";
        ClickButton(dialog, IDCANCEL);
    });
    CFileDialog bare(FALSE);
    EXPECT_EQ(bare.DoModal(), IDCANCEL);
    EXPECT_EQ(ModalLog().back().caption, "Save As");
}

TEST_F(FileChooserDialogTest, TabMovesBetweenTheControlsAndEnterPicksFromAnOpenListOfTypes) {
    Run(TRUE, "swg", nullptr, 0, [](Dialog& dialog) {
        const HWND edit = dialog.GetDlgItem(Dialog::kFileName)->m_hWnd;
        const HWND types = dialog.GetDlgItem(Dialog::kFileType)->m_hWnd;
        PressKey(edit, VK_TAB);
        EXPECT_EQ(::GetFocus(), types);
        PressKey(types, VK_TAB, FSHIFT);
        EXPECT_EQ(::GetFocus(), edit);

        PressKey(types, VK_F4);
        PressKey(types, VK_DOWN);
        PressKey(types, VK_RETURN);
        EXPECT_FALSE(dialog.IsEnded());
        EXPECT_EQ(Text(dialog, Dialog::kFileType), "Scan files (*.swg;*.swr)");
        EXPECT_EQ(Listed(dialog).size(), 6u);
        PressKey(types, VK_F4);
        PressKey(types, VK_ESCAPE);
        EXPECT_FALSE(dialog.IsEnded()) << "Esc closes the open list only";
        PressKey(types, VK_ESCAPE);
        EXPECT_TRUE(dialog.IsEnded());
    });
}

TEST_F(FileChooserDialogTest, ALongFolderLosesItsFirstFoldersSoItsOwnNameStaysInView) {
    std::string deep = root.Path();
    while (deep.size() < 200) {
        deep += "/a-folder-of-the-documents";
    }
    deep += "/Groups";
    std::filesystem::create_directories(deep);
    Run(TRUE, "swg", (deep + "/*.swg").c_str(), 0, [&deep](Dialog& dialog) {
        const std::string shown = Text(dialog, Dialog::kFolder);
        EXPECT_TRUE(shown.starts_with(".../")) << shown;
        EXPECT_TRUE(shown.ends_with("/a-folder-of-the-documents/Groups")) << shown;
        EXPECT_TRUE(deep.ends_with(shown.substr(3))) << shown;
        ClickButton(dialog, IDCANCEL);
    });
}

} // namespace
} // namespace hb::afx::test
