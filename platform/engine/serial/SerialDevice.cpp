#include "platform/engine/serial/SerialDevice.h"

#include "platform/engine/Registry.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/StatusCodes.h"
#include "platform/records/TextWidths.h"

#include <string_view>

namespace hb::engine {

namespace {

constexpr std::string_view kDeviceFolder = "/dev/";

} // namespace

SerialDevice::SerialDevice(std::string name, std::uint8_t type, std::unique_ptr<Link> link,
                           std::int64_t replyTimeoutMs)
    : m_name(std::move(name)),
      m_path(std::make_unique<RequestPath>(std::move(link), type, replyTimeoutMs, [this] {
          Registry::Get().PostFrom(this, WM_RADIO_STATUS);
      })) {}

Reply SerialDevice::Handle(const Request& request) {
    if (RequestPath::Takes(request.kind)) {
        return m_path->Handle(request);
    }
    if (request.kind == RequestKind::Wait) {
        return {m_path->Lost() ? hb::records::kStatusLinkLost : hb::records::kStatusDone, false};
    }
    return {m_path->Lost() ? hb::records::kStatusLinkLost : hb::records::kStatusNotSupported,
            false};
}

void SerialDevice::FillStatus(DeviceStatus& status, std::int64_t) const {
    m_path->Fill(status);
    // The field is narrow: the end of the path tells one port from another.
    std::string port = m_path->PortName();
    if (port.starts_with(kDeviceFolder)) {
        port.erase(0, kDeviceFolder.size());
    }
    if (port.size() > hb::records::kPortNameWidth) {
        port.erase(0, port.size() - hb::records::kPortNameWidth);
    }
    status.setText(DeviceStatus::kPortName, port);
    status.setText(DeviceStatus::kRadioText, m_name);
}

std::uint16_t SerialDevice::LinkStatus() const {
    return m_path->Lost() ? hb::records::kStatusLinkLost : hb::records::kStatusDone;
}

} // namespace hb::engine
