#pragma once
// The rigs of the configured radios, in configuration order. A rig adds itself at the tail when it
// is made and takes itself out when it is destroyed; the list owns the rigs (CRig::DeleteAll). The
// application makes at most ten.

#include <cstddef>
#include <vector>

class CRig;

class CRigList {
public:
    // The one list; it exists before the application object does.
    static CRigList& Get();

    bool IsEmpty() const { return m_rigs.empty(); }
    std::size_t GetCount() const { return m_rigs.size(); }
    // Null when the list is empty.
    CRig* GetHead() const { return m_rigs.empty() ? nullptr : m_rigs.front(); }

    void AddTail(CRig* rig) { m_rigs.push_back(rig); }
    // False when the rig is not in the list.
    bool Remove(CRig* rig);

    std::vector<CRig*>::const_iterator begin() const { return m_rigs.begin(); }
    std::vector<CRig*>::const_iterator end() const { return m_rigs.end(); }

private:
    CRigList() = default;

    std::vector<CRig*> m_rigs;
};
