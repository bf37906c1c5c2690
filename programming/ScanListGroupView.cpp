#include "programming/ScanListGroupView.h"

#include "app/rig/DeviceFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/CTime.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/ObjectHint.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Roster.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Files.h"
#include "programming/ViewIcon.h"
#include "resources/program/ScanListIds.h"

#include <exception>

IMPLEMENT_DYNCREATE(CScanListGroupView, CScanListView)

BEGIN_MESSAGE_MAP(CScanListGroupView, CScanListView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_COMMAND(57634, &CScanListGroupView::OnEditCopy)
ON_COMMAND(57635, &CScanListGroupView::OnEditCut)
ON_COMMAND(57637, &CScanListGroupView::OnEditPaste)
END_MESSAGE_MAP()

namespace {

using Kind = hb::records::ObjectKind;

constexpr UINT kGridId = 1234;
constexpr LPARAM kEntryChangedHint = 1695;
constexpr COLORREF kFileNameColor = RGB(0, 0, 255);
constexpr BYTE kStoreNew = 0xFF;
constexpr LPCSTR kConversionQuestion =
    "This group is associated with a different type of radio than currently in use. Press OK to "
    "convert to the new radio type or cancel to abort.\n\nNOTE: some data may be lost in the "
    "conversion process.";

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

bool HoldsGroup(const RosterEntry& entry) {
    return entry.tag == static_cast<std::uint32_t>(Kind::Group);
}

} // namespace

CScanListGroupView::CScanListGroupView() = default;

CScanListGroupView::~CScanListGroupView() {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->DestroyWindow();
    }
}

int CScanListGroupView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CScanListView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    hb::programming::SetViewIcon(*this, hb::resources::scanlist::kIcon);
    return 0;
}

void CScanListGroupView::OnSize(UINT nType, int cx, int cy) {
    CScanListView::OnSize(nType, cx, cy);
    if (m_grid && m_grid->m_hWnd) {
        m_grid->MoveWindow(0, 0, cx, cy);
        m_grid->RedrawAll();
    }
}

void CScanListGroupView::OnClose() {
    if (CRosterDoc* doc = GetRosterDoc()) {
        doc->m_groupView = 0;
    }
    CScanListView::OnClose();
}

CGrid* CScanListGroupView::GetGrid() {
    return m_grid.get();
}

CGroupGrid* CScanListGroupView::GroupGrid() const {
    return dynamic_cast<CGroupGrid*>(m_grid.get());
}

Group* CScanListGroupView::FirstGroup() const {
    Roster* roster = GetRoster();
    if (!roster || roster->entries().empty()) {
        return nullptr;
    }
    return dynamic_cast<Group*>(roster->entries().front()->object());
}

void CScanListGroupView::GoToObject(Object* object) {
    if (CGroupGrid* grid = GroupGrid()) {
        grid->GotoObject(0, object);
    }
}

void CScanListGroupView::RefreshObject(Object* object) {
    if (CGroupGrid* grid = GroupGrid()) {
        grid->RefreshObject(object);
    }
}

void CScanListGroupView::OpenFile(CString fileName) {
    SetGroupFile(fileName);
}

int CScanListGroupView::ChooseNewGroup() {
    return ChooseGroup(FALSE, "Select New Scan List Group Name");
}

int CScanListGroupView::OpenGroup() {
    return ChooseGroup(TRUE, "Select Group");
}

void CScanListGroupView::Cut() {
    if (m_grid) {
        m_grid->OnEditCopy(TRUE);
    }
}

void CScanListGroupView::Copy() {
    if (m_grid) {
        m_grid->OnEditCopy(FALSE);
    }
}

void CScanListGroupView::Paste() {
    if (m_grid) {
        m_grid->OnEditPaste();
    }
}

void CScanListGroupView::OnInitialUpdate() {
    CRosterDoc* doc = GetRosterDoc();
    Roster* roster = GetRoster();
    if (!doc || roster->entries().empty()) {
        CScanListView::OnInitialUpdate();
        return;
    }
    RosterEntry& first = *roster->entries().front();
    if (!HoldsGroup(first)) {
        OpenGroup();
        if (auto* frame = dynamic_cast<CDeviceFrame*>(GetParentFrame())) {
            frame->m_check_mark = CDeviceFrame::kCheckPending;
            frame->SendMessage(WM_COMMAND, CRig::kCommandStart);
        }
        if (!HoldsGroup(first)) {
            first.Reset();
            doc->SetModifiedFlag(TRUE);
        }
    }
    if (!first.object() && m_rig) {
        roster->BuildDefaultScanList(m_hWnd, m_rig->m_radio, m_rig->m_decoder, m_rig->m_section);
        doc->SetModifiedFlag(TRUE);
    }
    first.log = RosterEntry::kOn;
    first.audio = RosterEntry::kAudioRecordField;
    first.further = RosterEntry::kOn;
    for (std::size_t n = 1; n < roster->entries().size(); ++n) {
        if (roster->entries()[n]->isActive()) {
            roster->entries()[n]->Reset();
            doc->SetModifiedFlag(TRUE);
        }
    }
    CScanListView::OnInitialUpdate();
    Group* group = FirstGroup();
    if (group && m_radio && group->radioType() != m_radio->RadioTypeCode()) {
        m_radio->ConformGroup(*group);
        doc->SetModifiedFlag(TRUE);
    }
    CreateGroupGrid(first.fileName().c_str());
    doc->m_groupView = 1;
}

void CScanListGroupView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    const auto* entry = dynamic_cast<const RosterEntry*>(CObjectHint::ObjectOf(pHint));
    if (entry && lHint == kEntryChangedHint && m_grid) {
        ShowFileNameLine(FileNameLine(entry->fileName().c_str()));
    }
    CScanListView::OnUpdate(pSender, lHint, pHint);
}

void CScanListGroupView::SetGroupFile(const CString& fileName) {
    CRosterDoc* doc = GetRosterDoc();
    if (!doc || doc->GetRoster()->entries().empty()) {
        return;
    }
    doc->ShareClose(nullptr);
    RosterEntry& first = *doc->GetRoster()->entries().front();
    first.Reset();
    first.tag = static_cast<std::uint32_t>(Kind::Group);
    first.active = RosterEntry::kOn;
    first.setFileName(fileName.str());
    first.log = RosterEntry::kOn;
    first.audio = RosterEntry::kAudioRecordField;
    first.further = RosterEntry::kOn;
    first.Load(0);
    doc->SetModifiedFlag(TRUE);
    CreateGroupGrid(fileName);
}

void CScanListGroupView::CreateGroupFile(const CString& path) const {
    std::unique_ptr<Group> group = m_radio->NewGroup();
    group->setName(std::string("Scan List Group for ") + m_radio->name() + ".");
    group->setDescription(std::string("Created by ") + App().GetProductName() + ".");
    std::uint32_t now = 0;
    scan_get_time(&now);
    if (!group->banks().empty()) {
        group->banks().front()->setName("Created " + CTime(now).Format("%#c %z."));
    }
    // A group that cannot be written is found missing when it is read.
    File file(path.str(), group.get());
    if (!file.save()) {
        file.abandon();
    }
}

int CScanListGroupView::ChooseGroup(BOOL open, LPCSTR title) {
    if (!m_radio) {
        return 0;
    }
    CString start = "*.swg";
    App().MakeDocPath(start);
    CFileDialog dialog(open, "SWG", start,
                       OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Scan groups (*.swg)|*.swg||", this);
    dialog.m_ofn.lpstrInitialDir = App().GetDocFolder();
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK) {
        return 0;
    }
    const CString path = dialog.GetPathName();
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) {
        CreateGroupFile(path);
    }
    {
        File file(path.str());
        auto* group = dynamic_cast<Group*>(file.root());
        if (!group) {
            file.abandon();
            return 0;
        }
        const bool trunk = (m_radio->caps1() & (Radio::kTrunk | Radio::kTrunkDigital)) != 0;
        if (trunk && group->radioType() != m_radio->RadioTypeCode()) {
            CString caption = path;
            App().RemoveDocPath(caption);
            if (MessageBox(m_hWnd, kConversionQuestion, caption, MB_OKCANCEL | MB_ICONHAND) !=
                IDOK) {
                file.abandon();
                return 0;
            }
            // Written back as the File goes.
            m_radio->ConformGroup(*group);
        }
    }
    SetGroupFile(path);
    return 1;
}

CString CScanListGroupView::FileNameLine(const CString& fileName) const {
    CString file = fileName;
    App().RemoveDocPath(file);
    file.MakeUpper();
    CString line;
    line.Format("File name: %s [%s]", file.GetString(), m_radio ? m_radio->name() : "");
    return line;
}

void CScanListGroupView::ShowFileNameLine(const CString& line) {
    CUGCell cell;
    m_grid->GetCell(0, -2, &cell);
    cell.SetText(line);
    cell.SetAlignment(DT_LEFT);
    cell.SetFont(m_grid->GetFont());
    cell.SetTextColor(kFileNameColor);
    m_grid->SetCell(0, -2, &cell);
    m_grid->RedrawAll();
}

void CScanListGroupView::CreateGroupGrid(const CString& fileName) {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->DestroyWindow();
    }
    m_grid = m_radio ? m_radio->CreateGrid() : std::make_unique<CGroupGrid>();
    m_grid->m_radio = m_radio;
    m_grid->m_doc = GetRosterDoc();
    m_grid->m_mode = 0;
    CRect client;
    GetClientRect(&client);
    m_grid->CreateGrid(WS_CHILD | WS_VISIBLE, client, this, kGridId);
    m_grid->SetupGrid();
    const CString line = FileNameLine(fileName);
    const int shown = m_grid->GetSheetNumber();
    for (int sheet = 0; sheet < m_grid->GetNumberSheets(); ++sheet) {
        m_grid->SetSheetNumber(sheet);
        m_grid->SetTH_NumberRows(2);
        m_grid->SetTH_Height(2 * m_grid->GetTH_Height());
        m_grid->JoinCells(0, -2, m_grid->GetNumberCols() - 1, -2);
        ShowFileNameLine(line);
    }
    m_grid->SetSheetNumber(shown);
}

Chan* CScanListGroupView::FreeChannel() const {
    Roster* roster = GetRoster();
    const RosterEntry* first =
        roster && !roster->entries().empty() ? roster->entries()[0].get() : nullptr;
    Group* group = FirstGroup();
    if (!first || !first->isActive() || !HoldsGroup(*first) || !group) {
        return nullptr;
    }
    for (const auto& bank : group->banks()) {
        for (const auto& member : bank->members()) {
            if (member->kind() == Kind::Channel && member->frequency() == 0) {
                return member.get();
            }
        }
    }
    return nullptr;
}

void CScanListGroupView::ShowStored(Object* object) {
    if (CGroupGrid* grid = GroupGrid()) {
        grid->RefreshObject(object);
        grid->GotoObject(0, object);
    }
}

int CScanListGroupView::StoreChannel(parm* record, CString info, int vfo, BYTE flag) {
    if (!record) {
        return 0;
    }
    if (record->get(parm::kObjectHandle) == 0) {
        flag = kStoreNew;
    }
    if (CScanListView::StoreChannel(record, info, vfo, flag) != 0) {
        ShowStored(GetRoster()->TagToObject(record->get(parm::kObjectHandle)));
        return 1;
    }
    try {
        Chan* channel = FreeChannel();
        if (!channel) {
            return 0;
        }
        record->set(parm::kObjectHandle, channel->handle());
        channel->SetParm(*record);
        if (info.IsEmpty()) {
            info.Format("%-16.16s", record->text(parm::kName).c_str());
        }
        channel->setName(info.str());
        channel->markChanged();
        GetRosterDoc()->SetModifiedFlag(TRUE);
        ShowStored(channel);
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}
