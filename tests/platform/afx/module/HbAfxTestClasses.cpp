// A companion library whose runtime class is known by name only while the library is loaded.

#include "platform/afx/CCmdTarget.h"

class CModuleTarget : public CCmdTarget {
    DECLARE_DYNCREATE(CModuleTarget)
};

IMPLEMENT_DYNCREATE(CModuleTarget, CCmdTarget)
