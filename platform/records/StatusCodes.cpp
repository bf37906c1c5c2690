#include "platform/records/StatusCodes.h"

namespace hb::records {

const char* StatusText(std::uint16_t status) {
    switch (status) {
    case kStatusNotSupported:
        return "The port is not a serial port, or it cannot run at the configured baud rate.";
    case kStatusNoSuchPort:
        return "There is no such port.";
    case kStatusPortInUse:
        return "The port is in use by another program.";
    case kStatusNoPermission:
        return "You have no permission to use the port.";
    case kStatusLinkLost:
        return "The connection to the radio was lost.";
    default:
        return "";
    }
}

} // namespace hb::records
