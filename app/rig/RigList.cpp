#include "app/rig/RigList.h"

#include <algorithm>

CRigList& CRigList::Get() {
    static CRigList list;
    return list;
}

bool CRigList::Remove(CRig* rig) {
    const auto it = std::ranges::find(m_rigs, rig);
    if (it == m_rigs.end()) {
        return false;
    }
    m_rigs.erase(it);
    return true;
}
