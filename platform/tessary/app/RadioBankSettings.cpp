#include "platform/tessary/app/RadioBankSettings.h"

#include "platform/afx/Ddx.h"
#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/app/DialogButtons.h"
#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Radio.h"

#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CRadioBankSettings, CDialog)

namespace {

struct TrunkTypeName {
    std::uint8_t type;
    const char* name;
};
constexpr TrunkTypeName kTrunkTypes[] = {
    {0, "None"}, {1, "Motorola Type I"}, {2, "Motorola Type II"}, {3, "LTR"}, {6, "EDACS"},
};
constexpr int kSizeCodes = 16;

constexpr int kMargin = 7;
constexpr int kRow = 16;
constexpr int kFleetTop = 44;
constexpr int kBlockRows = CRadioBankSettings::kBlocks / 2;

hb::afx::DialogControl Label(std::string text, int x, int y, int cx) {
    return {.className = "Static",
            .text = std::move(text),
            .style = WS_VISIBLE | SS_LEFT,
            .x = x,
            .y = y + 2,
            .cx = cx,
            .cy = 8};
}

hb::afx::DialogControl Choice(UINT id, int x, int y, int cx,
                              std::vector<std::string> strings = {}) {
    return {.id = id,
            .className = "ComboBox",
            .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
            .x = x,
            .y = y,
            .cx = cx,
            .cy = 120,
            .strings = std::move(strings)};
}

std::vector<std::string> SizeCodes() {
    std::vector<std::string> codes;
    for (int code = 0; code < kSizeCodes; ++code) {
        codes.push_back(std::to_string(code));
    }
    return codes;
}

hb::afx::DialogTemplate MakeTemplate() {
    hb::afx::DialogTemplate dialog{.caption = "Bank Settings",
                                   .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   .cx = 200,
                                   .cy = 150,
                                   .fontName = "MS Sans Serif",
                                   .fontSize = 8};
    dialog.controls.push_back({.id = CRadioBankSettings::IDC_BANK_NAME,
                               .className = "Static",
                               .style = WS_VISIBLE | SS_LEFT,
                               .x = kMargin,
                               .y = kMargin,
                               .cx = dialog.cx - 2 * kMargin,
                               .cy = 8});
    dialog.controls.push_back(Label("Trunk type:", kMargin, 22, 50));
    dialog.controls.push_back(Choice(CRadioBankSettings::IDC_TRUNK_TYPE, 60, 22, 100));
    dialog.controls.push_back({.className = "Button",
                               .text = "Type I fleet map",
                               .style = WS_VISIBLE | WS_GROUP | BS_GROUPBOX,
                               .x = kMargin,
                               .y = kFleetTop,
                               .cx = dialog.cx - 2 * kMargin,
                               .cy = 14 + kBlockRows * kRow});
    for (int block = 0; block < CRadioBankSettings::kBlocks; ++block) {
        const int x = block < kBlockRows ? 15 : 105;
        const int y = kFleetTop + 12 + (block % kBlockRows) * kRow;
        dialog.controls.push_back(Label("Block " + std::to_string(block) + ":", x, y, 32));
        dialog.controls.push_back(
            Choice(CRadioBankSettings::IDC_BLOCK_FIRST + static_cast<UINT>(block), x + 35, y, 40,
                   SizeCodes()));
    }
    hb::tessary::AddOkCancel(dialog, 129);
    return dialog;
}

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog = MakeTemplate();
    return dialog;
}

} // namespace

CRadioBankSettings::CRadioBankSettings(const Object* group, Bank& bank, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_group(group), m_bank(bank) {}

int CRadioBankSettings::Run() {
    return DoModal() == IDOK ? 1 : 0;
}

void CRadioBankSettings::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TRUNK_TYPE, m_trunkType);
    for (int block = 0; block < kBlocks; ++block) {
        DDX_Control(pDX, static_cast<int>(IDC_BLOCK_FIRST) + block, m_blocks[block]);
    }
}

BOOL CRadioBankSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    std::string title = m_group && !m_group->name().empty() ? m_group->name() + ", " : "";
    title += m_bank.name().empty() ? "Bank " + std::to_string(m_bank.number) : m_bank.name();
    SetDlgItemText(static_cast<int>(IDC_BANK_NAME), title.c_str());
    bool listed = false;
    for (const TrunkTypeName& type : kTrunkTypes) {
        const int at = m_trunkType.AddString(type.name);
        m_trunkType.SetItemData(at, type.type);
        if (type.type == m_bank.trunkType) {
            m_trunkType.SetCurSel(at);
            listed = true;
        }
    }
    // A type this list does not name stays on offer, so that OK keeps it.
    if (!listed) {
        const int at =
            m_trunkType.AddString(("Trunk type " + std::to_string(m_bank.trunkType)).c_str());
        m_trunkType.SetItemData(at, m_bank.trunkType);
        m_trunkType.SetCurSel(at);
    }
    for (int block = 0; block < kBlocks; ++block) {
        m_blocks[block].SetCurSel(hb::records::TypeISizeCode(m_bank.fleetMap[block]));
    }
    return TRUE;
}

void CRadioBankSettings::OnOK() {
    if (const int at = m_trunkType.GetCurSel(); at >= 0) {
        m_bank.trunkType = static_cast<std::uint8_t>(m_trunkType.GetItemData(at));
    }
    for (int block = 0; block < kBlocks; ++block) {
        if (const int code = m_blocks[block].GetCurSel(); code >= 0) {
            m_bank.fleetMap[block] = static_cast<std::uint8_t>(code);
        }
    }
    CDialog::OnOK();
}

int Radio::BankSettings(const Object* group, Bank& bank, CWnd* owner) {
    return CRadioBankSettings(group, bank, owner).Run();
}
