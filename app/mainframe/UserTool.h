#pragma once
// The user's own tools: programs started from the command bars with their arguments in a chosen
// directory. One list for the whole run, read from "Settings"/"UserTools" when the main frame is
// made and written when the Tools page applies; its records are the tags of the tool buttons.

#include "platform/afx/CArchive.h"
#include "platform/afx/CObject.h"
#include "platform/afx/CString.h"

#include <list>
#include <memory>

class CUserTool : public CObject {
    DECLARE_DYNAMIC(CUserTool)

public:
    CUserTool() = default;

    // The four strings, in the order title, arguments, command, directory; the icon id is not
    // stored.
    void Serialize(CArchive& ar);
    void CopyFrom(const CUserTool& other);

    // The image-manager id of the tool's icon, 0 for none.
    UINT m_nIconId = 0;
    CString m_strTitle;
    CString m_strArguments;
    CString m_strCommand;
    CString m_strInitialDirectory;
};

using CUserToolList = std::list<std::unique_ptr<CUserTool>>;

namespace hb::app {

// The program's list of user tools, in the order of the Tools page and of the buttons.
CUserToolList& UserTools();
// The tool of the list whose record is at `tag`, or null: a tag outlives the record it named once
// the list is rebuilt.
CUserTool* FindUserTool(const void* tag);

// The list from "Settings"/"UserTools". A value that is cut short or whose counts run past its
// end gives an empty list and is left as it is.
void LoadUserTools();
void SaveUserTools();

} // namespace hb::app
