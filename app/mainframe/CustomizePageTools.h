#pragma once
// The "Tools" page of the customize sheet: edits the user tools. The page works on copies of the
// tools, one per list item as its data; when the page goes, however the sheet was closed, the
// copies become the program's list in the list's order, each tool gets the icon of its program,
// and the list is stored.

#include "platform/afx/CPropertyPage.h"
#include "platform/toolkit/CXTBrowseEdit.h"
#include "platform/toolkit/CXTEditListBox.h"

class CUserTool;

class CCustomizePageTools : public CPropertyPage {
    DECLARE_DYNAMIC(CCustomizePageTools)

public:
    // The first icon id the tools get.
    static constexpr UINT kFirstIconId = 8000;

    CCustomizePageTools();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CXTEditListBox m_listTools;
    CXTBrowseEdit m_editCommand;
    CXTBrowseEdit m_editArguments;
    CXTBrowseEdit m_editDirectory;
    CString m_strInitialDirectory;
    CString m_strArguments;
    CString m_strCommand;

protected:
    void OnSelectionChange();
    void OnEditChange();
    void OnLabelEditEnd();
    void OnLabelEditCancel();
    void OnNewItem();
    void OnDeleteItem();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The tool of the item, or null.
    CUserTool* ToolAt(int index) const;
    void ShowSelection();
    void EnableControls(BOOL bEnable);
    // The edits show the strings; what that changes in them is not an edit of the user's.
    void ShowStrings();
    void Apply();

    bool m_bShowingStrings = false;
};
