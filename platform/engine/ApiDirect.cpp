// Functions the program calls directly: product set-up, time, alarms, numbered messages, delay.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/EngineTone.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"
#include "platform/records/TimerStatistics.h"
#include "platform/records/ToneReport.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/Scheduler.h"
#include "platform/win/sys/ModuleVersion.h"

#include <cstring>
#include <fstream>
#include <iostream>

using namespace hb::engine;

HB_MODULE_VERSION(9, 1, 4, 17);

namespace {

constexpr const char* kMessageCaption = "Radio Engine";

// The numbered messages the engine has a text for; the others are answered by the test script.
const char* MessageText(std::uint32_t number) {
    switch (number) {
    case 1:
        return "Rows cannot be cloned; copy and paste them instead.";
    case 9:
        return "The entry is not valid. Correct it and try again.";
    case 10:
        return "This radio cannot be read or written by this program.";
    default:
        return nullptr;
    }
}

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

// Headless there is nobody to press a button: a test scripts the answer, the program takes OK.
int Answer(std::uint32_t number) {
    auto& expected = SimState::Get().expectedMessages;
    const std::string what = "engine message " + std::to_string(number);
    if (!expected.empty() && expected.front().number == number) {
        const int answer = expected.front().answer;
        expected.pop_front();
        return answer;
    }
    if (!expected.empty()) {
        hb::win::ReportFailure(what + " came where message " +
                               std::to_string(expected.front().number) + " was expected");
    } else if (hb::win::IsStrictMode()) {
        hb::win::ReportFailure("unexpected " + what);
    } else {
        std::cerr << "halbridge: " << what << " answered OK" << std::endl;
    }
    return IDOK;
}

} // namespace

extern "C" {

std::uint16_t scan_set_product_info(std::uint16_t id1, std::uint16_t id2, std::uint8_t v0,
                                    std::uint8_t v1, std::uint8_t v2, std::uint8_t v3,
                                    std::uint32_t extra0, std::uint32_t extra1,
                                    std::uint32_t extra2) {
    Call call("scan_set_product_info", 0);
    SimState::Get().product = ProductInfo{id1, id2, {v0, v1, v2, v3}, {extra0, extra1, extra2}};
    return call.Done(0);
}

std::uint32_t scan_timer_read() {
    Call call("scan_timer_read", 0);
    const std::uint32_t now = GetTickCount();
    call->value = now;
    call.Done(0);
    return now;
}

std::uint16_t scan_get_time(std::uint32_t* seconds) {
    Call call("scan_get_time", 0);
    if (seconds == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    *seconds = static_cast<std::uint32_t>(hb::win::WallTime());
    call->value = *seconds;
    return call.Done(0);
}

std::uint16_t scan_alarm(std::uint32_t index, const char* title, const char* caption,
                         const char* text, const char* detail) {
    Call call("scan_alarm", 0);
    call->value = index;
    call->text = Text(title);
    auto& sim = SimState::Get();
    if (sim.journalOn) {
        sim.alarms.push_back({index, Text(title), Text(caption), Text(text), Text(detail)});
    } else {
        std::cerr << "halbridge: alarm " << index << ": " << Text(title) << " - " << Text(caption)
                  << std::endl;
    }
    return call.Done(0);
}

int scan_message(HWND window, std::uint32_t number) {
    Call call("scan_message", 0);
    call->window = window;
    call->value = number;
    const char* text = MessageText(number);
    const int answer = text != nullptr
                           ? MessageBox(window, text, kMessageCaption, MB_OK | MB_ICONEXCLAMATION)
                           : Answer(number);
    if (SimState::Get().journalOn) {
        SimState::Get().messages.push_back({window, number, answer});
    }
    call.Done(static_cast<std::uint16_t>(answer));
    return answer;
}

std::uint16_t scan_delay(std::uint32_t ms) {
    Call call("scan_delay", 0);
    call->value = ms;
    Sleep(ms);
    return call.Done(0);
}

std::uint16_t scan_trace_control(std::uint16_t op, const char* path) {
    constexpr std::uint16_t kQuery = 1;
    constexpr std::uint16_t kStop = 0;
    constexpr std::uint16_t kStart = 255;
    Call call("scan_trace_control", 0);
    call->value = op;
    call->text = Text(path);
    auto& trace = SimState::Get().traceFile;
    switch (op) {
    case kQuery:
        return call.Done(trace ? 1 : 0);
    case kStop:
        trace.reset();
        return call.Done(0);
    case kStart:
        if (Text(path).empty()) {
            return call.Done(kStatusInvalidArgument);
        }
        // A new trace replaces the last one.
        if (!std::ofstream(path, std::ios::trunc)) {
            return call.Done(kStatusNoFile);
        }
        trace = path;
        return call.Done(0);
    default:
        return call.Done(hb::records::kStatusNotSupported);
    }
}

std::uint16_t scan_api_call(std::uint32_t code, std::uint32_t handle, std::uint32_t, void* block,
                            std::uint32_t) {
    Call call("scan_api_call", static_cast<std::uint16_t>(handle));
    call->value = code;
    if (code == hb::records::kApiCallToneReport) {
        return TakeToneReport(call, static_cast<std::uint16_t>(handle), block);
    }
    if (code != hb::records::kApiCallTimerStatistics) {
        return call.Done(hb::records::kStatusNotSupported);
    }
    if (block == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    const auto& statistics = SimState::Get().timerStatistics;
    std::memcpy(block, statistics.data(), statistics.kSize);
    return call.Done(0);
}

} // extern "C"
