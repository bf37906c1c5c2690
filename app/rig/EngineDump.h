#pragma once
// The lines of the engine diagnostics view, made from the engine status, the device status and
// the engine's timer statistics. Texts are read within their fields; a code outside its table of
// names shows as a number.

#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/TimerStatistics.h"

#include <string>
#include <vector>

namespace hb::app {

std::vector<std::string> EngineDumpLines(const hb::records::EngineStatus& engine,
                                         const hb::records::DeviceStatus& device,
                                         const hb::records::TimerStatistics& timer);

} // namespace hb::app
