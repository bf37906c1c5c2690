#pragma once
// Test scripting of the engine: script states, status bytes, records, messages and failures, and
// read the journal of every call the program made. The test fixture resets it before each test;
// the program never turns the journal on.

#include "platform/engine/Device.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/HistoryRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/TimerStatistics.h"
#include "platform/win/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine {

// One call of the C interface, with what it was given and what it answered.
struct EngineCall {
    std::string_view function; // "scan_engine_command", ...
    std::uint16_t handle = 0;  // the engine or device handle the call names
    std::uint32_t result = 0;
    // The other scalar argument: a second handle, control code, level, message number, alarm
    // index, milliseconds or program id.
    std::uint32_t value = 0;
    HWND window;
    std::string text; // a radio name, path, raw command or alarm title
    std::optional<EngineCommandRecord> command;
    std::optional<::parm> record; // the channel record a request carried
    std::optional<std::uint16_t> programEntries;

    std::uint8_t code() const { return command ? command->get(EngineCommandRecord::kCode) : 0; }
    std::uint8_t subCode() const {
        return command ? command->get(EngineCommandRecord::kSubCode) : 0;
    }
};

struct EngineMessage {
    HWND window;
    std::uint32_t number = 0;
    int answer = 0;
};

struct EngineAlarm {
    std::uint32_t index = 0;
    std::string title, caption, text, detail;
};

struct ProductInfo {
    std::uint16_t id1 = 0, id2 = 0;
    std::uint8_t version[4]{};
    std::uint32_t extra[3]{};
};

class EngineSim {
public:
    // Destroys every engine and device and clears every script; the journal is on afterwards.
    static void Reset();

    static void SetSettingsFile(std::string path);

    // Holds the engine's state byte at `state` until a command moves it, as if the engine had
    // gone there (a status message is posted when the byte changes).
    static void SetState(std::uint16_t engine, std::uint8_t state);
    // Bytes laid over the status record of an engine or a device at every read.
    static void PatchStatus(std::uint16_t handle, std::size_t offset,
                            std::span<const std::uint8_t> bytes);
    static void PatchStatus(std::uint16_t handle, std::size_t offset, std::uint8_t byte);
    // Queued as the engine queues its own, with the message that announces them.
    static void QueueHistory(std::uint16_t engine, const HistoryRecord& record);
    static void QueueDtmf(std::uint16_t engine, const DtmfRecord& record);
    // Posts to the window the engine or device notifies, now or after `afterSteps` engine steps
    // (the window is the one notified at that time).
    static void PostMessage(std::uint16_t handle, UINT message, WPARAM wParam = 0,
                            LPARAM lParam = 0, unsigned afterSteps = 0);
    // Steps from the stop pair to "stopped" (3 at the start); none: the engine never stops. The
    // first form sets every engine, now and to come.
    static void SetStopSteps(std::optional<unsigned> steps);
    static void SetStopSteps(std::uint16_t engine, std::optional<unsigned> steps);
    // Engines and devices opened on the radio `section` from now on get a device from `make` in
    // place of the simulated receiver, whatever the settings file says of the radio.
    static void UseDevice(std::string section, std::function<std::unique_ptr<Device>()> make);

    // The next create (engine or tone engine), open or device request fails with `status`.
    static void FailNextCreate(std::uint16_t status);
    static void FailNextOpen(std::uint16_t status);
    static void FailNextRequest(std::uint16_t status);
    // The next call of `function` fails with `status` and changes nothing. Only
    // "scan_engine_status", "scan_device_status", "scan_engine_command", "scan_reload_engine" and
    // "scan_destroy_engine" can be failed this way.
    static void FailNext(std::string_view function, std::uint16_t status);
    // What every fast VFO write answers from now on (0: it is done).
    static void SetVfoFastWriteResult(std::uint16_t status);
    // What the timer statistics call answers from now on.
    static void SetTimerStatistics(const hb::records::TimerStatistics& statistics);

    // The next numbered message without a text of its own (those are message boxes) must be
    // `number`; it is answered with `answer` (1 OK, 2 Cancel, 4 Retry).
    static void ExpectMessage(std::uint32_t number, int answer);
    static std::vector<std::uint32_t> UnansweredMessages();
    static const std::vector<EngineMessage>& Messages();
    static const std::vector<EngineAlarm>& Alarms();
    static const std::optional<ProductInfo>& Product();

    // What scan_config_check answers whatever the file says; none: the file decides.
    static void SetConfigVerdict(std::optional<std::uint16_t> verdict);
    // A port listed besides the machine's own, and the folder the machine's ports are looked for
    // in ("/dev").
    static void AddComPort(std::string port);
    static void SetSerialDeviceFolder(std::string folder);

    static const std::vector<EngineCall>& Journal();
    static std::vector<EngineCall> Calls(std::string_view function);
    static void ClearJournal();

    static std::size_t EngineCount();
    static std::size_t DeviceCount();
    static std::size_t ProgramCount();
};

} // namespace hb::engine
