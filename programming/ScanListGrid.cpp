#include "programming/ScanListGrid.h"

#include "app/mainframe/MainFrame.h"
#include "app/rig/DeviceFrame.h"
#include "app/rig/EngineCheckHold.h"
#include "app/rig/Rig.h"
#include "platform/afx/CMultiDocTemplate.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/SystemInfo.h"
#include "programming/ScanListEntryDlg.h"
#include "programming/ScanListView.h"
#include "resources/ResourceIds.h"
#include "resources/program/ScanListIds.h"

#include <array>

IMPLEMENT_DYNAMIC(CScanListGrid, CGrid)

namespace {

using Kind = hb::records::ObjectKind;
namespace ids = hb::resources::scanlist;

struct ColumnHeading {
    LPCSTR text;
    int width; // 0: the grid's default
    UINT hint;
};

constexpr std::array<ColumnHeading, CScanListGrid::kColumns> kHeadings{{
    {"Type", 100, ids::kTypeHint},
    {"Log", 0, ids::kLogHint},
    {"Audio", 0, ids::kAudioHint},
    {"File", 200, ids::kFileHint},
    {"Title", 200, ids::kTitleHint},
    {"Info", 200, ids::kInfoHint},
}};

constexpr LPCSTR kAudioModes[] = {"None", "Record Field", "All"};
constexpr LPCSTR kAudioChoices = "None\nRecord Field\nAll\n";
constexpr LPCSTR kEmpty = "Empty";

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

CRosterDoc* CScanListGrid::ScanListDoc() const {
    return dynamic_cast<CRosterDoc*>(m_doc);
}

RosterEntry* CScanListGrid::EntryAt(long row) const {
    CRosterDoc* doc = ScanListDoc();
    if (!doc || row < 0 || static_cast<std::size_t>(row) >= doc->GetRoster()->entries().size()) {
        return nullptr;
    }
    return doc->GetRoster()->entries()[static_cast<std::size_t>(row)].get();
}

void CScanListGrid::SetupColumns() {
    const auto* view = dynamic_cast<const CScanListView*>(GetParent());
    const CString section = view && view->m_rig ? view->m_rig->m_section : CString();
    SetGridIdent(section + "-ScanList");
    PreSetup();
    SetNumberSheets(1);
    SetSheetNumber(0);
    SetNumberCols(kColumns);
    SetNumberRows(0);
    SetColumnHint(-1, ids::kRowHint);
    for (int col = 0; col < kColumns; ++col) {
        const ColumnHeading& heading = kHeadings[static_cast<std::size_t>(col)];
        CUGCell cell;
        cell.SetText(heading.text);
        cell.SetAlignment(DT_CENTER);
        SetCell(col, -1, &cell);
        SetColumnHint(col, heading.hint);
        if (heading.width > 0) {
            SetColWidth(col, heading.width);
        }
    }
    if (CRosterDoc* doc = ScanListDoc()) {
        long row = 0;
        for (const auto& entry : doc->GetRoster()->entries()) {
            SetNumberRows(row + 1);
            FillRow(row++, *entry);
        }
    }
    PostSetup();
}

void CScanListGrid::FillRow(long row, const RosterEntry& entry) {
    const Object* object = entry.object();
    CString file = entry.fileName().c_str();
    App().RemoveDocPath(file);
    std::array<CUGCell, kColumns> cells;
    cells[kTypeColumn].SetCellType(UGCT_FILEBUTTON);
    cells[kTypeColumn].SetText(object ? object->descr() : kEmpty);
    cells[kTypeColumn].SetReadOnly(TRUE);
    const bool logs = entry.log == RosterEntry::kOn;
    cells[kLogColumn].SetCellType(UGCT_CHECKBOX);
    cells[kLogColumn].SetCellTypeEx(UGCT_CHECKBOXLABEL);
    cells[kLogColumn].SetText(logs ? "1" : "0");
    cells[kLogColumn].SetLabelText(logs ? "On" : "Off");
    cells[kLogColumn].SetBackColor(GetSysColor(COLOR_MENU));
    cells[kAudioColumn].SetCellType(UGCT_DROPLIST);
    cells[kAudioColumn].SetLabelText(kAudioChoices);
    cells[kAudioColumn].SetText(entry.audio < std::size(kAudioModes) ? kAudioModes[entry.audio]
                                                                     : "");
    cells[kAudioColumn].SetBackColor(GetSysColor(COLOR_MENU));
    cells[kFileColumn].SetCellType(UGCT_FILEBUTTON);
    cells[kFileColumn].SetText(file);
    cells[kFileColumn].SetReadOnly(TRUE);
    cells[kTitleColumn].SetText(object ? object->name().c_str() : "");
    cells[kTitleColumn].SetReadOnly(object ? FALSE : TRUE);
    cells[kInfoColumn].SetText(object ? object->description().c_str() : "");
    cells[kInfoColumn].SetReadOnly(object ? FALSE : TRUE);
    for (int col = 0; col < kColumns; ++col) {
        CUGCell& cell = cells[static_cast<std::size_t>(col)];
        SetBackgroundCellColor(row, &cell);
        SetCell(col, row, &cell);
    }
}

void CScanListGrid::OnCellEvent(int col, long row, int notification, LPCSTR text) {
    RosterEntry* entry = EntryAt(row);
    if (!entry) {
        return;
    }
    const std::string value = text ? text : "";
    switch (col) {
    case kTypeColumn:
        if (notification == UGCT_BUTTONCLICK) {
            PickFile(row, *entry);
        }
        break;
    case kLogColumn:
        SetLog(row, *entry, !value.empty() && value != "0");
        break;
    case kAudioColumn:
        if (notification == UGCT_DROPLISTSELECT) {
            entry->audio = value.starts_with('A')   ? RosterEntry::kAudioAll
                           : value.starts_with('R') ? RosterEntry::kAudioRecordField
                                                    : RosterEntry::kAudioNone;
            m_doc->SetModifiedFlag(TRUE);
        }
        break;
    case kFileColumn:
        if (notification == UGCT_BUTTONCLICK) {
            OpenShared(*entry);
        }
        break;
    default:
        break;
    }
}

void CScanListGrid::SetLog(long row, RosterEntry& entry, bool on) {
    entry.log = on ? RosterEntry::kOn : 0;
    CUGCell cell;
    GetCell(kLogColumn, row, &cell);
    cell.SetText(on ? "1" : "0");
    cell.SetLabelText(on ? "On" : "Off");
    SetCell(kLogColumn, row, &cell);
    RedrawRow(row);
    m_doc->SetModifiedFlag(TRUE);
}

int CScanListGrid::FinishTextEdit(int col, long row, CWnd*, LPCSTR text, BOOL cancel) {
    if (cancel) {
        return 1;
    }
    QuickSetText(col, row, text);
    RosterEntry* entry = EntryAt(row);
    Object* object = entry && entry->isActive() ? entry->object() : nullptr;
    if (object && (col == kTitleColumn || col == kInfoColumn)) {
        const std::string typed = text ? text : "";
        if (col == kTitleColumn) {
            object->setName(typed);
        } else {
            object->setDescription(typed);
        }
        object->markChanged();
        m_doc->SetModifiedFlag(TRUE);
    }
    return 1;
}

void CScanListGrid::PickFile(long row, RosterEntry& entry) {
    CScanListEntryDlg picker;
    picker.m_fileName = QuickGetText(kFileColumn, row);
    picker.m_kind = QuickGetText(kTypeColumn, row);
    const CString oldName = picker.m_fileName;
    const CString oldKind = picker.m_kind;
    RedrawAll();
    auto* frame = dynamic_cast<CDeviceFrame*>(GetParentFrame());
    if (picker.DoModal() != IDOK || (picker.m_fileName == oldName && picker.m_kind == oldKind) ||
        !frame) {
        return;
    }
    frame->SendMessage(WM_COMMAND, CRig::kCommandStop);
    frame->StopDevices();
    // Only a list that changed arms the engine check.
    EngineCheckHold hold(*frame, false);
    ScanListDoc()->ShareClose(entry.fileName().c_str());
    entry.Reset();
    if (!picker.m_fileName.IsEmpty() && !TakeFile(entry, picker.m_fileName)) {
        MessageBeep(MB_ICONASTERISK);
        MessageBox(m_hWnd,
                   "The file you selected may be in use, or can not be read. Please select "
                   "another file.",
                   "File Not Available", MB_ICONEXCLAMATION);
        FillRow(row, entry);
        RedrawRow(row);
        return;
    }
    FillRow(row, entry);
    RedrawRow(row);
    m_doc->SetModifiedFlag(TRUE);
    frame->m_check_mark = CDeviceFrame::kCheckPending;
    frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
}

bool CScanListGrid::TakeFile(RosterEntry& entry, const CString& fileName) {
    CString path = fileName;
    App().OrganizeFile(path);
    File file(path.str());
    std::unique_ptr<Object> object = file.release();
    if (!object) {
        file.abandon();
        return false;
    }
    App().MakeDocPath(path);
    entry.active = RosterEntry::kOn;
    entry.setFileName(path.str());
    entry.tag = object->ObjectTypeTag();
    entry.setObject(std::move(object));
    return true;
}

void CScanListGrid::OpenShared(const RosterEntry& entry) {
    const Object* object = entry.object();
    if (!object || (object->kind() != Kind::Group && object->kind() != Kind::SearchRange)) {
        return;
    }
    if (CMultiDocTemplate* shown =
            CMainFrame::FindTemplate(object->kind() == Kind::Group ? IDR_GROUP : IDR_RANGE)) {
        shown->OpenDocumentFile(("\\[]\\" + entry.fileName()).c_str(), TRUE);
    }
}
