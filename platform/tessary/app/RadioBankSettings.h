#pragma once
// The core library's trunk settings of one bank, run by Radio::BankSettings: the bank's trunk type
// and the size codes of its Type I fleet map, block by block. OK stores both in the bank.

#include "platform/afx/CComboBox.h"
#include "platform/afx/CDialog.h"

#include <array>

class Bank;
class Object;

class CRadioBankSettings : public CDialog {
    DECLARE_DYNAMIC(CRadioBankSettings)

public:
    // Control ids, for the dialog's script in tests: block n's size code is IDC_BLOCK_FIRST + n.
    enum : UINT {
        IDC_BANK_NAME = 1001,
        IDC_TRUNK_TYPE = 1002,
        IDC_BLOCK_FIRST = 1010,
    };
    static constexpr int kBlocks = 8;

    CRadioBankSettings(const Object* group, Bank& bank, CWnd* pParentWnd);

    // 1 when the user took the settings (the bank changed), else 0.
    int Run();

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    const Object* m_group;
    Bank& m_bank;
    CComboBox m_trunkType;
    std::array<CComboBox, kBlocks> m_blocks;
};
