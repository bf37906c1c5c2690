#pragma once
// The "Multi-Radio" tab of a radio window with a second rig: the channels the first radio's
// engine holds for the second. It shows nothing yet.

#include "platform/tessary/app/TemplateClasses.h"

#include <cstdint>

class CSearchSlaveView : public CShellView {
    DECLARE_DYNCREATE(CSearchSlaveView)

public:
    // 1: the queue is to be shown again; set by the front panel when the engine's queue changes.
    std::uint32_t m_refresh = 0;
};
