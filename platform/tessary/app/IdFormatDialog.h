#pragma once
// The trunking ID format dialog: one group of three styles for Motorola IDs and one for EDACS IDs,
// each style labelled with an example ID as it would show. OK keeps the checked styles in
// Formats(); the caller decides what to do with them.

#include "platform/afx/CDialog.h"
#include "platform/tessary/app/AppHooks.h"

class CIdFormatDialog : public CDialog {
    DECLARE_DYNAMIC(CIdFormatDialog)

public:
    // Control ids, for the dialog's script in tests: style n of each group is FIRST + n.
    enum : UINT {
        IDC_MOTOROLA_FIRST = 1001,
        IDC_EDACS_FIRST = 1011,
    };
    static constexpr int kStyleCount = 3;

    explicit CIdFormatDialog(const hb::tessary::IdFormats& formats, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const hb::tessary::IdFormats& Formats() const { return m_formats; }

private:
    hb::tessary::IdFormats m_formats;
};
