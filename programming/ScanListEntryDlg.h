#pragma once
// The entry picker of the scan list grid: the groups and search ranges of the documents folder in
// two lists, a list for channels, and a file dialog for each kind. The chosen file name and its
// kind ("Group", "Search Range", "Channel", or "Empty" with no name) come back in m_fileName and
// m_kind on OK. Names keep their case.
#include "platform/afx/CDialog.h"
#include "platform/afx/CListBox.h"

class CScanListEntryDlg : public CDialog {
public:
    CScanListEntryDlg();

    BOOL OnInitDialog() override;

    CString m_fileName;
    CString m_kind;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChannelChosen();
    void OnGroupChosen();
    void OnRangeChosen();
    void OnListDoubleClick();
    void OnKindFocus();
    void OnClear();
    void OnChooseFile(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    // The list's chosen name becomes the file name, of the kind; the other lists lose their
    // selection.
    void TakeChosen(UINT listId, LPCSTR kind);

    CListBox m_rangeList;
    CListBox m_groupList;
    CListBox m_channelList;
};
