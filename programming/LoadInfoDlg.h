#pragma once
// The summary of a transfer, where the user may narrow it: how many memories, where they start on
// the radio and in the group, and (reading) whether the radio's banks replace, go in front of or
// merge with the group's. A refused entry goes back to the value the transfer first offered and
// the dialog stays open.
#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"

#include <optional>

struct TransferCursor;

class CLoadInfoDlg : public CDialog {
public:
    // Mode.
    static constexpr int kReplace = 0;
    static constexpr int kInsert = 1;
    static constexpr int kMerge = 2;

    // The reading template when `reading`, else the writing one.
    CLoadInfoDlg(TransferCursor& cursor, bool reading, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnRestoreDefaults();

    DECLARE_MESSAGE_MAP()

private:
    bool Lettered() const;
    CString BankText(std::uint16_t bank) const;
    CString SummaryText() const;
    // Shows the cursor's counters and positions, from its saved copy when `saved`.
    void Fill(bool saved);
    // The bank number an entry names; none when the entry is refused.
    std::optional<std::uint16_t> ReadBank(int id) const;
    void Refuse();

    TransferCursor& m_cursor;
    int m_docStartChannel = 0;
    int m_radioStartChannel = 0;
    int m_mode = kReplace;
    CString m_docStartBank;
    CString m_radioStartBank;
    CString m_summary;
    int m_total = 0;
};
