#pragma once
// The mini status window of a radio window, in its least form: it takes the frequencies the front
// panel forwards to it and keeps them, so that what the panel mirrors can be seen.
#include "platform/afx/CWnd.h"

#include <vector>

class CMiniStatusWnd : public CWnd {
    DECLARE_DYNAMIC(CMiniStatusWnd)

public:
    void ForwardToPanel(UINT hz) { m_forwarded.push_back(hz); }
    // Every frequency forwarded, oldest first.
    const std::vector<UINT>& Forwarded() const { return m_forwarded; }

private:
    std::vector<UINT> m_forwarded;
};
