#include "radioview/TrunkStatusTable.h"

namespace hb::radioview {

namespace {

TrunkStatusRow Running(bool running, const char* runningText, const char* pausedText,
                       const char* pausedTag) {
    return running ? TrunkStatusRow{runningText, ""} : TrunkStatusRow{pausedText, pausedTag};
}

TrunkStatusRow Held(bool running, const char* text, const char* pausedTag) {
    return {text, running ? "" : pausedTag};
}

} // namespace

TrunkStatusRow TrunkStatusOf(std::uint8_t scanState, bool running) {
    switch (scanState) {
    case 1:
        return {"Scan Hold", nullptr};
    case 2:
        return {"Manual", "MAN"};
    case 3:
        return Running(running, "Searching...", "Search Pause", "SRCH");
    case 4:
        return Held(running, "Search HOLD", "SRCH");
    case 5:
        return Running(running, "Service Searching...", "Service Search Pause", "SRVC");
    case 6:
        return Held(running, "Service Search HOLD", "SRVC");
    case 7:
        return {"Manual", "VFO"};
    case 9:
        return Running(running, "Highway Scanning...", "Highway Scan Pause", "HWY");
    case 10:
        return Held(running, "Highway Scan HOLD", "HWY");
    case 11:
        return Running(running, "Highway Trunk Scanning...", "Highway Trunk Scan Pause", "HWY");
    case 12:
        return Held(running, "Highway Trunk HOLD", "HWY");
    case 15:
    case 19:
    case 23:
        return {running ? "Trunk ID Searching..." : "Trunk ID Search Pause", nullptr};
    case 16:
    case 20:
    case 24:
        return {"Trunk ID Search HOLD", nullptr};
    case 17:
    case 21:
    case 25:
        return {running ? "Trunk ID Scanning..." : "Trunk ID Scan Pause", nullptr};
    case 18:
    case 22:
    case 26:
        return {"Trunk ID Scan HOLD", nullptr};
    default:
        return {running ? "Scanning..." : "Scan Pause", nullptr};
    }
}

bool IsTrunkHoldState(std::uint8_t scanState) {
    switch (scanState) {
    case 1:
    case 2:
    case 4:
    case 6:
    case 7:
    case 10:
    case 12:
    case 16:
    case 18:
    case 20:
    case 22:
    case 24:
    case 26:
        return true;
    default:
        return false;
    }
}

int TrunkLampOf(std::uint8_t engineState) {
    if ((engineState >= 1 && engineState <= 6) || (engineState >= 8 && engineState <= 14)) {
        return 0;
    }
    if (engineState >= 20 && engineState <= 36) {
        return 1;
    }
    return -1;
}

} // namespace hb::radioview
