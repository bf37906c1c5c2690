#pragma once
// The dialog in which the user picks the radio to work with when several qualify: one row per
// radio, one per configured Multi-Radio pair, and "Cancel". DoModal returns the index of the chosen
// row, or -1 when the dialog is cancelled; ChosenRow tells what that row stands for.

#include "platform/afx/CDialog.h"
#include "platform/afx/CImageList.h"
#include "platform/afx/CListCtrl.h"

#include <cstdint>
#include <vector>

class CRig;

struct RadioSelectRow {
    enum class Kind { Rig, PairA, PairB, Cancel };
    Kind kind = Kind::Cancel;
    CRig* rig = nullptr; // the radio of a Kind::Rig row
};

class CRadioSelectDlg : public CDialog {
    DECLARE_DYNAMIC(CRadioSelectDlg)

public:
    static constexpr UINT IDD = 27417;
    static constexpr UINT kIconStrip = 27412;
    static constexpr int kListId = 27924;
    static constexpr int kLegendId = 28153;
    static constexpr int kWizardId = 28141;

    // Cells of the icon strip.
    static constexpr int kIconNetwork = 2;
    static constexpr int kIconDialUp = 3;
    static constexpr int kIconGpib = 4;
    static constexpr int kIconRemote = 7;
    static constexpr int kIconRadio = 10;
    static constexpr int kIconCancel = 11;
    static constexpr int kIconPair = 12;

    explicit CRadioSelectDlg(CWnd* pParent = nullptr);

    // The row confirmed with OK, when `result` (DoModal's) is that confirmation's; null for any
    // other ending: cancelled, closed, destroyed, or the loop told to quit.
    const RadioSelectRow* ChosenRow(int result) const;

    CImageList m_images;
    CString m_title;
    CString m_choice;
    CString m_prefix;
    CRig* m_excluded = nullptr;
    CListCtrl m_list;
    CListCtrl m_legend;
    std::uint32_t m_type_filter = 0;
    std::uint8_t m_split_prefix = 0;
    std::uint8_t m_offer_wizard = 0xFF;
    int m_run_wizard = 0;
    // What each row of m_list stands for, in row order.
    std::vector<RadioSelectRow> m_rows;
    // The row OK confirmed; -1 until then.
    int m_confirmed = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void AddRow(LPCSTR text, int icon, RadioSelectRow row);
    // The pair's row, when the list is on and both of its radios are configured.
    void AddPairRow(char list, RadioSelectRow::Kind kind);
};
