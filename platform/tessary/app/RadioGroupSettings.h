#pragma once
// The core library's radio-wide settings of a group, kept with the group for its radio. This one
// changes nothing yet: OK answers that the settings were taken.

#include "platform/afx/CDialog.h"

class Object;
class Radio;

class CRadioGroupSettings : public CDialog {
    DECLARE_DYNAMIC(CRadioGroupSettings)

public:
    CRadioGroupSettings(Object* group, Radio* radio, CWnd* pParentWnd);

    // 1 when the user took the settings (the group changed), else 0.
    int Run();

    Object* m_group;
    Radio* m_radio;
};
