#pragma once
// The scripts and records behind EngineSim, read by the C interface.

#include "platform/engine/EngineCodes.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/records/Parm.h"
#include "platform/records/TimerStatistics.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hb::engine {

struct SimState {
    struct ExpectedMessage {
        std::uint32_t number = 0;
        int answer = 0;
    };

    static SimState& Get();

    bool journalOn = false;
    std::vector<EngineCall> journal;
    std::optional<std::uint16_t> failCreate;
    std::optional<std::uint16_t> failOpen;
    std::optional<std::uint16_t> failRequest;
    std::map<std::string, std::uint16_t, std::less<>> failNext; // by function name
    std::map<std::string, std::function<std::unique_ptr<Device>()>> deviceMakers; // by section
    std::uint16_t vfoResult = 0;
    std::optional<unsigned> stopSteps = 3;
    std::deque<ExpectedMessage> expectedMessages;
    std::vector<EngineMessage> messages;
    std::vector<EngineAlarm> alarms;
    std::optional<ProductInfo> product;
    std::optional<std::uint16_t> configVerdict;
    std::vector<std::string> comPorts;
    std::string serialFolder = "/dev";
    hb::records::TimerStatistics timerStatistics = PerfectTimer();
    // The simulated radio of each radio name: it outlives the device, as a radio's memory
    // outlives its connection.
    std::map<std::string, std::unique_ptr<sim::SimRadio>> radios;
    // The file the engine's trace goes to while it runs.
    std::optional<std::string> traceFile;

    // The simulated clock is never late nor early.
    static hb::records::TimerStatistics PerfectTimer() {
        hb::records::TimerStatistics statistics;
        statistics.set(hb::records::TimerStatistics::kPeriod, static_cast<std::int32_t>(kStepMs));
        return statistics;
    }
};

// Builds the journal entry of one call and records it with the call's result.
class Call {
public:
    Call(std::string_view function, std::uint16_t handle);

    EngineCall* operator->() { return &m_call; }
    std::uint16_t Done(std::uint16_t result);
    // The failure scripted for this call's function, taken so that it answers once.
    std::optional<std::uint16_t> ScriptedFailure();

private:
    EngineCall m_call;
};

} // namespace hb::engine
