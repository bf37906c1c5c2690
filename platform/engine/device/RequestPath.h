#pragma once
// The request path every radio device shares. A request that talks to the radio becomes one or
// more exchanges of carriage-return-ended lines over the device's link, queued in order; the
// device is busy while anything is queued or outstanding. A request answers at once (0 once
// queued); what the radio says arrives later in the device status, with a notification.

#include "platform/engine/Device.h"
#include "platform/engine/device/Link.h"
#include "platform/engine/device/MemoryLayout.h"
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/win/core/ExternalWait.h"
#include "platform/win/core/Scheduler.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace hb::engine {

class RequestPath {
public:
    // `notify` tells the device's window that its status changed.
    RequestPath(std::unique_ptr<Link> link, std::uint8_t type, std::int64_t replyTimeoutMs,
                std::function<void()> notify);
    ~RequestPath();
    RequestPath(const RequestPath&) = delete;
    RequestPath& operator=(const RequestPath&) = delete;

    static bool Takes(RequestKind kind);
    Reply Handle(const Request& request);
    // Writes what the path knows over the device's own fields.
    void Fill(DeviceStatus& status) const;
    // A tuning makes the tuned record the current one again.
    void ForgetRecord() {
        m_record.reset();
        m_replyGaveRecord = false;
    }
    bool Lost() const { return m_lost; }
    bool Busy() const { return m_outstanding.has_value() || !m_queue.empty(); }
    std::string PortName() const { return m_link->PortName(); }

private:
    enum class Kind { Raw, Memory, BankName, Plain };

    struct Exchange {
        std::string bytes;
        Kind kind = Kind::Plain;
        std::int64_t limitMs = 0;
    };

    void Queue(std::string bytes, Kind kind);
    void QueueLine(std::string_view line, Kind kind) { Queue(std::string(line) + '\r', kind); }
    Reply Raw(const char* text);
    Reply Bracket(std::string_view word, bool readBankNames);
    Reply ReadMemory(const Parm& record);
    Reply BankName(Parm& record);
    Reply SetBankName(const Parm& record);
    Reply Stop();
    void Start();
    void Complete(std::optional<std::string> reply);
    void OnLine(std::string line);
    void OnLost();
    void EndOutstanding();

    std::unique_ptr<Link> m_link;
    MemoryLayout m_layout;
    bool m_memoryProtocol;
    std::unique_ptr<ReplyDecoder> m_decoder;
    std::int64_t m_replyTimeoutMs;
    std::function<void()> m_notify;

    std::deque<Exchange> m_queue;
    std::optional<Exchange> m_outstanding;
    std::optional<hb::win::TaskId> m_timer;
    std::optional<hb::win::ExternalWait> m_wait;
    bool m_lost = false;

    std::string m_transmit;
    std::string m_reply;
    bool m_replyPresent = false;
    std::optional<Parm> m_record;
    DeviceStatus m_decoded;
    // Whether a reply has given the decoded record anything yet.
    bool m_replyGaveRecord = false;
    std::map<std::uint16_t, std::string> m_bankNames;
};

} // namespace hb::engine
