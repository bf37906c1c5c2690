#pragma once
// The window a memory transfer shows while it runs: what moves where, and a Stop button. While it
// lives its owner is disabled, so no second transfer starts from there. Stop only raises the abort
// flag, which every wait of the transfer reads; the transfer closes the window itself. The object
// outlives its window, and closing a closed one does nothing.
#include "platform/afx/CDialog.h"
#include "resources/program/TransferIds.h"

#include <cstdint>

class CLoadProgressDlg : public CDialog {
public:
    CLoadProgressDlg();

    BOOL Create(CWnd* owner);
    bool Aborted() const { return m_abort != 0; }
    void Abort() { m_abort = 1; }

    void SetDirection(LPCSTR text) { SetItem(hb::resources::transfer::kDirection, text); }
    void SetBankText(LPCSTR text) { SetItem(hb::resources::transfer::kBank, text); }
    void SetDocument(LPCSTR text) { SetItem(hb::resources::transfer::kDocument, text); }
    void SetRigName(LPCSTR text) { SetItem(hb::resources::transfer::kRigName, text); }
    void SetChannelText(LPCSTR text) { SetItem(hb::resources::transfer::kChannel, text); }
    void SetFrequency(LPCSTR text) { SetItem(hb::resources::transfer::kFrequency, text); }
    void SetCurrentItem(LPCSTR text) { SetItem(hb::resources::transfer::kItem, text); }
    // "Channel:", "Slot:", ...: what the channel line counts.
    void SetItemLabel(LPCSTR text) { SetItem(hb::resources::transfer::kItemLabel, text); }
    void SetBank(unsigned bank);
    void SetChannel(unsigned channel);

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { Abort(); }

protected:
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void SetItem(int id, LPCSTR text);

    int m_abort = 0;
    HWND m_owner{};
};
