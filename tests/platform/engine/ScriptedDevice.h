#pragma once
// A device whose calls the test lays out: on which frequency, from when to when, how strong and
// with which caller ID. It keeps every trunk-tracker command it is handed.

#include "platform/engine/Device.h"
#include "platform/engine/EngineSim.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace hb::engine {

class ScriptedDevice : public Device {
public:
    struct Call {
        std::uint32_t frequency = 0;
        std::int64_t fromMs = 0;
        std::int64_t toMs = 0;
        std::uint8_t level = 100;
        std::uint32_t id = 0; // 0: a call without an ID
    };

    // What the test lays out and reads back, shared with the device.
    struct Script {
        unsigned rate = 100;
        std::vector<Call> calls;
        std::vector<EngineCommandRecord> trunkCommands;
    };

    explicit ScriptedDevice(std::shared_ptr<Script> script) : m_script(std::move(script)) {}

    // Engines opened on `section` from now on get a device that plays the returned script.
    static std::shared_ptr<Script> Install(const std::string& section) {
        auto script = std::make_shared<Script>();
        EngineSim::UseDevice(section,
                             [script] { return std::make_unique<ScriptedDevice>(script); });
        return script;
    }

    void Tune(const Parm& record) override { m_tuned = record; }
    std::uint8_t Signal(std::int64_t nowMs) const override {
        const Call* call = CallAt(nowMs);
        return call != nullptr ? call->level : 0;
    }
    unsigned ChannelsPerSecond() const override { return m_script->rate; }
    Reply Handle(const Request& request) override {
        if (request.kind == RequestKind::VfoFastWrite && request.record != nullptr) {
            Tune(*request.record);
        }
        return {};
    }
    void TrunkCommand(const EngineCommandRecord& record) override {
        m_script->trunkCommands.push_back(record);
    }
    UserId CallId(std::int64_t nowMs) const override {
        UserId id;
        if (const Call* call = CallAt(nowMs); call != nullptr && call->id != 0) {
            id.set(UserId::kValue, call->id);
            id.set(UserId::kKind, hb::records::kIdKindMotorolaTypeII);
        }
        return id;
    }
    void FillStatus(DeviceStatus& status, std::int64_t) const override {
        status.set(DeviceStatus::kCurrentParm, m_tuned);
    }

private:
    const Call* CallAt(std::int64_t nowMs) const {
        for (const Call& call : m_script->calls) {
            if (call.frequency == m_tuned.get(Parm::kFrequency) && nowMs >= call.fromMs &&
                nowMs < call.toMs) {
                return &call;
            }
        }
        return nullptr;
    }

    std::shared_ptr<Script> m_script;
    Parm m_tuned;
};

} // namespace hb::engine
