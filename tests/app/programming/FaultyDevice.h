#pragma once
// A simulated radio's device with one fault laid in at a given request: the request refused with
// a status, the status read that follows its completion failing, or the device busy from then on.
// Everything else goes to the radio of the settings section the device stands in for.
#include "platform/engine/Device.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/OpenDevice.h"

#include <functional>
#include <memory>
#include <string>

namespace hb::app::test {

class FaultyDevice : public hb::engine::Device {
public:
    using DeviceStatus = hb::records::DeviceStatus;
    using Parm = hb::records::Parm;

    enum class Fault { Refuse, FailStatusAfter, StayBusy };
    struct Plan {
        hb::engine::RequestKind kind = hb::engine::RequestKind::MemRead;
        // Which request of the kind, from 1.
        unsigned nth = 1;
        Fault fault = Fault::Refuse;
        std::uint16_t status = 0x8001;
        // Told of every request the device is handed; true strikes this one as well.
        std::function<bool(hb::engine::RequestKind)> seen;
    };

    // Devices opened for `section` from now on are those of `real` with the fault of `plan`.
    static void Install(const std::string& section, const std::string& real, Plan plan) {
        hb::engine::EngineSim::UseDevice(section, [real, plan] {
            return std::make_unique<FaultyDevice>(
                hb::engine::OpenDevice(real, hb::engine::DeviceRole::Radio).device, plan);
        });
    }

    FaultyDevice(std::unique_ptr<Device> inner, Plan plan)
        : m_inner(std::move(inner)), m_plan(plan) {}

    void Tune(const Parm& record) override { m_inner->Tune(record); }
    std::uint8_t Signal(std::int64_t nowMs) const override { return m_inner->Signal(nowMs); }
    unsigned ChannelsPerSecond() const override { return m_inner->ChannelsPerSecond(); }
    hb::engine::Reply Handle(const hb::engine::Request& request) override {
        const bool chosen = m_plan.seen && m_plan.seen(request.kind);
        if (request.kind == m_plan.kind && (++m_seen == m_plan.nth || chosen)) {
            m_struck = true;
            if (m_plan.fault == Fault::Refuse) {
                return {m_plan.status, false};
            }
        }
        return m_inner->Handle(request);
    }
    void TrunkCommand(const hb::records::EngineCommandRecord& record) override {
        m_inner->TrunkCommand(record);
    }
    void FillStatus(DeviceStatus& status, std::int64_t nowMs) const override {
        m_inner->FillStatus(status, nowMs);
        m_idle = status.get(DeviceStatus::kBusy) == 0;
        if (m_struck && m_plan.fault == Fault::StayBusy) {
            status.set(DeviceStatus::kBusy, std::uint8_t{1});
        }
    }
    // The wait for the struck request ends at an idle read; the read after it fails.
    void StatusRead() override {
        m_inner->StatusRead();
        if (m_struck && m_plan.fault == Fault::FailStatusAfter && m_idle) {
            m_struck = false;
            hb::engine::EngineSim::FailNext("scan_device_status", m_plan.status);
        }
    }
    bool EngineStep() override { return m_inner->EngineStep(); }
    std::uint16_t LinkStatus() const override { return m_inner->LinkStatus(); }

private:
    std::unique_ptr<Device> m_inner;
    Plan m_plan;
    unsigned m_seen = 0;
    bool m_struck = false;
    mutable bool m_idle = false;
};

} // namespace hb::app::test
