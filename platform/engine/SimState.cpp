#include "platform/engine/SimState.h"

#include <fstream>

namespace hb::engine {

SimState& SimState::Get() {
    static SimState state;
    return state;
}

Call::Call(std::string_view function, std::uint16_t handle) {
    m_call.function = function;
    m_call.handle = handle;
}

std::optional<std::uint16_t> Call::ScriptedFailure() {
    auto& scripted = SimState::Get().failNext;
    const auto it = scripted.find(m_call.function);
    if (it == scripted.end()) {
        return std::nullopt;
    }
    const std::uint16_t status = it->second;
    scripted.erase(it);
    return status;
}

std::uint16_t Call::Done(std::uint16_t result) {
    auto& sim = SimState::Get();
    if (sim.traceFile) {
        std::ofstream(*sim.traceFile, std::ios::app)
            << m_call.function << ' ' << m_call.handle << ' ' << result << '\n';
    }
    if (sim.journalOn) {
        m_call.result = result;
        sim.journal.push_back(std::move(m_call));
    }
    return result;
}

} // namespace hb::engine
