#pragma once
// The core library's editor of a search range's lock-out map, run modally while the radio is
// paused. This one edits nothing yet: it shows the range and ends as the user closes it.

#include "platform/afx/CDialog.h"

class CObjectDoc;
class Object;
class Radio;

class CLockMapEdit : public CDialog {
    DECLARE_DYNAMIC(CLockMapEdit)

public:
    CLockMapEdit(Object* range, Radio* radio, CObjectDoc* doc, CWnd* pParentWnd);

    Object* m_range;
    Radio* m_radio;
    CObjectDoc* m_doc;
};
