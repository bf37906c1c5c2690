#pragma once
// A radio on a serial port. It takes the requests of memory transfers and raw commands through the
// request path; scanning, tuning and the levels are not built over a serial port and answer "not
// supported". Once the link is lost every request answers "link lost".

#include "platform/engine/Device.h"
#include "platform/engine/device/RequestPath.h"

#include <memory>
#include <string>

namespace hb::engine {

class SerialDevice : public Device {
public:
    SerialDevice(std::string name, std::uint8_t type, std::unique_ptr<Link> link,
                 std::int64_t replyTimeoutMs);

    void Tune(const Parm&) override {}
    std::uint8_t Signal(std::int64_t) const override { return 0; }
    unsigned ChannelsPerSecond() const override { return 1; }
    Reply Handle(const Request& request) override;
    void TrunkCommand(const EngineCommandRecord&) override {}
    void FillStatus(DeviceStatus& status, std::int64_t nowMs) const override;
    std::uint16_t LinkStatus() const override;

private:
    std::string m_name;
    std::unique_ptr<RequestPath> m_path;
};

} // namespace hb::engine
