// Next and Back: the file checks, the step tables, the transfers and the sweep range.
#include "app/rig/Rig.h"
#include "app/wizard/Wizard.h"
#include "app/wizard/WizardPages.h"
#include "platform/afx/CWinApp.h"
#include "platform/records/ObjectKind.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "platform/tessary/model/Rounding.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Files.h"
#include "programming/Loader.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr UINT kGroupKind = static_cast<UINT>(hb::records::ObjectKind::Group);
constexpr UINT kTrunkSystemKind = 0x330CDB5;
constexpr std::uint32_t kMismatchStep = 100;
// The view types of track 1's choices 1 to 3.
constexpr std::uint8_t kViewTypes[] = {1, 2, 0};

constexpr LRESULT kStay = -1;
constexpr LRESULT kNextInOrder = 0;

constexpr LRESULT Show(int page) {
    return static_cast<LRESULT>(IDD_WIZARD_PAGE_0 + page);
}

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

void Refuse() {
    MessageBeep(MB_ICONASTERISK);
}

bool SameTextNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string FormatBox(const char* format, const CString& name) {
    char text[1024];
    std::snprintf(text, sizeof text, format, name.GetString());
    return text;
}

} // namespace

int CWizard::ChoiceOf(CWizardPageBase& page) const {
    const auto* choices = dynamic_cast<CWizardPage1*>(&page);
    return choices ? choices->choice : -1;
}

bool CWizard::CheckFileName(CWizardPageBase& page) {
    auto* file = dynamic_cast<CWizardFilePage*>(&page);
    if (!file) {
        return true;
    }
    CString name = file->fileName;
    App().RemoveDocPath(name);
    fileName = name;
    if (fileName.IsEmpty()) {
        Refuse();
        return false;
    }
    App().MakeDocPath(fileName);
    const std::string extension = std::string(".") + file->FileKind().extension;
    if (!SameTextNoCase(std::filesystem::path(fileName.str()).extension().string(), extension)) {
        fileName += CString(extension.c_str()).MakeLower();
    }
    CString shown = fileName;
    App().RemoveDocPath(shown);
    const bool exists = GetFileAttributes(fileName) != INVALID_FILE_ATTRIBUTES;
    if (file->FileKind().newFile && exists) {
        Refuse();
        const std::string text = FormatBox(
            "The file you selected, %s, already exists. If you continue, the contents of this "
            "file will be lost. If this is really what you want to do, press OK, otherwise press "
            "CANCEL to select another file.",
            shown);
        return MessageBox(m_hWnd, text.c_str(), "WARNING: File Already Exists",
                          MB_OKCANCEL | MB_ICONHAND) == IDOK;
    }
    if (!file->FileKind().newFile && !exists) {
        Refuse();
        const std::string text = FormatBox("The file you selected, %s, does not exist. You must "
                                           "select an existing group file to continue.",
                                           shown);
        MessageBox(m_hWnd, text.c_str(), "File Not Found", MB_ICONHAND);
        return false;
    }
    return true;
}

LRESULT CWizard::OnNext(CPropertyPage* shown) {
    auto* page = dynamic_cast<CWizardPageBase*>(shown);
    if (!page) {
        return kStay;
    }
    page->UpdateData(TRUE);
    if (!CheckFileName(*page)) {
        return kStay;
    }
    return track == 1 ? NextOnScanListSetup(*page) : NextOnGettingStarted(*page);
}

LRESULT CWizard::NextOnGettingStarted(CWizardPageBase& page) {
    const int choice = ChoiceOf(page);
    switch (step) {
    case 0:
        step = 1;
        static_cast<CWizardPage1*>(Page(1))->choice = -1;
        return Show(1);
    case 1: {
        constexpr struct {
            std::int32_t track;
            std::uint32_t step;
            int page;
        } kTasks[] = {{0, 1001, 8}, {1, 0, 8}, {0, 1200, 8}, {0, 1300, 2}, {0, 2, 1}};
        if (choice < 0 || choice >= static_cast<int>(std::size(kTasks))) {
            Refuse();
            return kStay;
        }
        track = kTasks[choice].track;
        step = kTasks[choice].step;
        static_cast<CWizardPage1*>(Page(1))->choice = -1;
        return Show(kTasks[choice].page);
    }
    case 2: {
        constexpr struct {
            std::uint32_t step;
            int page;
        } kMoreTasks[] = {{1700, 5}, {1800, 3}, {1900, 2}, {1500, 3}, {1600, 9}};
        if (choice < 0 || choice >= static_cast<int>(std::size(kMoreTasks))) {
            Refuse();
            return kStay;
        }
        step = kMoreTasks[choice].step;
        return Show(kMoreTasks[choice].page);
    }
    case 1001:
        step = 1002;
        return Show(2);
    case 1002:
        step = 1003;
        return Show(9);
    case 1010:
        if (!PcToRadio(true)) {
            return Show(8);
        }
        step = 1011;
        return Show(9);
    case 1200:
    case 1300:
        ++step;
        return Show(9);
    case 1500:
    case 1800:
        if (!CheckSweepRange(page)) {
            return kStay;
        }
        ++step;
        return Show(9);
    case 1700:
    case 1900:
        ++step;
        return Show(4);
    default:
        ++step;
        return kNextInOrder;
    }
}

LRESULT CWizard::NextOnScanListSetup(CWizardPageBase& page) {
    const int choice = ChoiceOf(page);
    switch (step) {
    case 0:
        step = rig && rig->m_radio && (rig->m_radio->caps1() & Radio::kTrunkSystemList) ? 11 : 1;
        return Show(8);
    case 1:
        step = 2;
        return Show(1);
    case 2:
        if (rig && choice >= 1 && choice <= 3) {
            rig->m_view_type = kViewTypes[choice - 1];
            App().WriteProfileInt(rig->m_section, "ViewType", rig->m_view_type);
        }
        step = 3;
        return Show(1);
    case 3:
        switch (choice) {
        case 0:
            step = 1000;
            return Show(5);
        case 1:
            step = 1100;
            return Show(2);
        case 2:
            if (rig && rig->m_trunk) {
                step = 1200;
                return Show(2);
            }
            step = 1300;
            return Show(8);
        default:
            Refuse();
            return kStay;
        }
    case 11:
        step = 12;
        return Show(1);
    case 12:
        if (choice == 0) {
            step = 1010;
            return Show(10);
        }
        if (choice == 1) {
            step = 1110;
            return Show(11);
        }
        Refuse();
        return kStay;
    case 1000:
    case 1010:
        if (UseGroupAsScanList(fileName, step == 1000 ? kGroupKind : kTrunkSystemKind) != 0) {
            return kStay;
        }
        ++step;
        return Show(9);
    case 1100:
    case 1110:
        ++step;
        return Show(4);
    case 1101:
        RadioToPc();
        if (UseGroupAsScanList(fileName, kGroupKind) != 0) {
            return kStay;
        }
        step = 1102;
        return Show(9);
    case 1111:
    case 1200:
        ++step;
        return Show(9);
    case 1202:
        step = 1203;
        return Show(4);
    case 1203:
        if (UseGroupAsScanList(fileName, kGroupKind) != 0) {
            step = 1200;
            return Show(2);
        }
        PcToRadio(false);
        step = 1204;
        return Show(9);
    default:
        ++step;
        return kNextInOrder;
    }
}

bool CWizard::PcToRadio(bool checkType) {
    if (!rig || fileName.IsEmpty()) {
        return true;
    }
    CGroupDoc doc;
    if (!doc.OnOpenDocument(fileName)) {
        return true;
    }
    doc.SetPathName(fileName, FALSE);
    Group* group = doc.GetGroup();
    if (group->kind() != Object::Kind::Group) {
        return true;
    }
    if (checkType && rig->m_radio && !rig->m_radio->AcceptsRadioType(group->radioType())) {
        Refuse();
        step = kMismatchStep;
        return false;
    }
    CLoader().Download(group, rig, &doc, AfxGetMainWnd());
    rig->DetachView(AfxGetMainWnd(), 0xFF);
    return true;
}

void CWizard::RadioToPc() {
    if (!rig || !rig->m_radio || fileName.IsEmpty()) {
        return;
    }
    CGroupDoc doc;
    doc.NewModelGroup(static_cast<std::uint8_t>(rig->m_radio->RadioTypeCode()));
    doc.SetPathName(fileName, TRUE);
    CLoader().Upload(doc.GetGroup(), rig, &doc, AfxGetMainWnd());
    doc.SetModifiedFlag(TRUE);
    doc.OnSaveDocument(fileName);
    rig->DetachView(AfxGetMainWnd(), 0xFF);
}

bool CWizard::CheckSweepRange(CWizardPageBase& page) {
    auto* entries = dynamic_cast<CWizardPage3*>(&page);
    if (!rig || !rig->m_radio || !sweepFile || !entries) {
        return true;
    }
    const std::uint32_t lower = hb::tessary::RoundToU32(entries->start * 1'000'000.0);
    const std::uint32_t upper = hb::tessary::RoundToU32(entries->end * 1'000'000.0);
    const std::uint32_t stepHz = hb::tessary::TruncateToU32(entries->step * 1'000.0);
    if (rig->m_radio->CheckCoverage(lower) != 0) {
        Refuse();
        MessageBox(m_hWnd,
                   "The starting frequency you entered is outside the tuning range of this radio. "
                   "Please enter a valid frequency.",
                   "Invalid Start Frequency", MB_ICONHAND);
        return false;
    }
    if (rig->m_radio->CheckCoverage(upper) != 0) {
        Refuse();
        MessageBox(m_hWnd,
                   "The ending frequency you entered is outside the tuning range of this radio. "
                   "Please enter a valid frequency.",
                   "Invalid Ending Frequency", MB_ICONHAND);
        return false;
    }
    auto* range = dynamic_cast<Range*>(sweepFile->root());
    if (range) {
        range->setLimits(lower, upper, stepHz);
    }
    // Destroying the file object stores the range.
    delete sweepFile;
    sweepFile = nullptr;
    m_newRange.reset();
    return true;
}

LRESULT CWizard::OnBack(CPropertyPage* shown) {
    if (shown) {
        shown->UpdateData(TRUE);
    }
    if (track == 0 && (step == 1500 || step == 1800)) {
        AbandonSweep();
        return Show(3);
    }
    if (step > 0) {
        --step;
    }
    if (step % 100 == 99) {
        step = track == 0 ? 1 : 3;
    }
    if (track == 0) {
        switch (step) {
        case 0:
            return Show(0);
        case 1:
        case 2:
            return Show(1);
        case 1001:
        case 1100:
        case 1201:
            return Show(8);
        case 1002:
        case 1101:
        case 1301:
        case 1900:
            return Show(2);
        case 1010:
        case 1102:
            return Show(4);
        case 1500:
        case 1800:
            return Show(3);
        case 1700:
            return Show(5);
        default:
            // Task Selection again, also where a task's first step was.
            step = 1;
            return Show(1);
        }
    }
    switch (step) {
    case 0:
    case 1:
    case 11:
        return Show(8);
    case 2:
    case 3:
        return Show(1);
    case 10:
        step = 0;
        return Show(8);
    case 1000:
        return Show(5);
    case 1001:
    case 1011:
    case 1102:
    case 1112:
    case 1201:
    case 1301:
        return Show(9);
    case 1009:
    case 1109:
        step = 12;
        return Show(1);
    case 1100:
    case 1110:
    case 1200:
        return Show(2);
    case 1101:
    case 1111:
    case 1203:
        return Show(4);
    case 1202:
    case 1300:
        return Show(8);
    default:
        return kNextInOrder;
    }
}
