#pragma once
// The choice of banks, A to T, and of the radio's settings for the command families. The choice
// is kept in the user's profile under "Transfer": read when the dialog object is made, written
// back only on OK. The transfer sets the caption and how many bank boxes show before it runs.
#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"

#include <array>

class CLoadBankDlg : public CDialog {
public:
    static constexpr std::size_t kBanks = 20;
    static constexpr int kDefaultShown = 10;

    CLoadBankDlg();

    void SetCaption(const CString& caption) { m_caption = caption; }
    void SetShownBanks(int count) { m_shown = count; }
    int ShownBanks() const { return m_shown; }
    bool BankChosen(std::size_t index) const { return index < kBanks && m_banks[index]; }
    bool SettingsChosen() const { return m_settings; }
    // The first `banks` boxes and Settings are all checked.
    bool AllChosen(std::size_t banks) const;

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnCheckAll() { CheckAll(true); }
    void OnClearAll() { CheckAll(false); }

    DECLARE_MESSAGE_MAP()

private:
    void CheckAll(bool checked);

    CString m_caption;
    std::array<bool, kBanks> m_banks{};
    bool m_settings = true;
    int m_shown = kDefaultShown;
};
