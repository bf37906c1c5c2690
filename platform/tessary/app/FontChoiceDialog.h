#pragma once
// The font dialog: a face, a size in points and bold or italic, under the caller's title. OK
// keeps the choice in Font(); what was not changed keeps its value exactly.

#include "platform/afx/CComboBox.h"
#include "platform/afx/CDialog.h"
#include "platform/win/gdi/Fonts.h"

#include <string>

class CFontChoiceDialog : public CDialog {
    DECLARE_DYNAMIC(CFontChoiceDialog)

public:
    // Control ids, for the dialog's script in tests.
    enum : UINT {
        IDC_FACE = 1001,
        IDC_SIZE = 1002,
        IDC_BOLD = 1003,
        IDC_ITALIC = 1004,
    };

    CFontChoiceDialog(std::string title, const LOGFONT& font, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const LOGFONT& Font() const { return m_font; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::string m_title;
    CComboBox m_faces;
    CComboBox m_sizes;
    LOGFONT m_font;
};
