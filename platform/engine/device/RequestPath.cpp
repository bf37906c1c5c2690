#include "platform/engine/device/RequestPath.h"

#include "platform/engine/device/MemoryProtocol.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/StatusCodes.h"
#include "platform/records/TextWidths.h"
#include "platform/win/core/Clock.h"

#include <algorithm>

namespace hb::engine {

namespace {

using hb::records::DeviceStatus;

// The mode a memory read asks with, so that a memory that never arrives reads as not read.
constexpr std::uint8_t kUnreadMode = 0x10;

std::string Cut(std::string_view text) {
    return std::string(text.substr(0, hb::records::kMaxCommandLength));
}

} // namespace

RequestPath::RequestPath(std::unique_ptr<Link> link, std::uint8_t type, std::int64_t replyTimeoutMs,
                         std::function<void()> notify)
    : m_link(std::move(link)), m_layout(type), m_memoryProtocol(!sim::IsCommandFamilyType(type)),
      m_decoder(MakeReplyDecoder(type)), m_replyTimeoutMs(replyTimeoutMs),
      m_notify(std::move(notify)) {
    m_link->SetHandlers(
        {[this](std::string line) { OnLine(std::move(line)); }, [this] { OnLost(); }});
}

RequestPath::~RequestPath() {
    if (m_timer) {
        hb::win::Cancel(*m_timer);
    }
}

bool RequestPath::Takes(RequestKind kind) {
    switch (kind) {
    case RequestKind::Stop:
    case RequestKind::Break:
    case RequestKind::MemRead:
    case RequestKind::MemWrite:
    case RequestKind::PreUpload:
    case RequestKind::PostUpload:
    case RequestKind::PreDownload:
    case RequestKind::PostDownload:
    case RequestKind::GetBankName:
    case RequestKind::SetBankName:
    case RequestKind::RawCommand:
        return true;
    default:
        return false;
    }
}

Reply RequestPath::Handle(const Request& request) {
    if (m_lost) {
        return {hb::records::kStatusLinkLost, false};
    }
    switch (request.kind) {
    case RequestKind::Stop:
    case RequestKind::Break:
        return Stop();
    case RequestKind::RawCommand:
        return Raw(request.text);
    default:
        break;
    }
    // The command families move memories with raw commands of their own; some also take a
    // memory write request, as their decoder words it.
    if (!m_memoryProtocol) {
        if (request.kind == RequestKind::MemWrite && m_decoder) {
            if (auto line = m_decoder->MemoryWriteLine(*request.record)) {
                QueueLine(*line, Kind::Plain);
                return {0, true};
            }
        }
        const bool bracket =
            request.kind == RequestKind::PreUpload || request.kind == RequestKind::PostUpload ||
            request.kind == RequestKind::PreDownload || request.kind == RequestKind::PostDownload;
        return {bracket ? hb::records::kStatusDone : hb::records::kStatusNotSupported, bracket};
    }
    switch (request.kind) {
    case RequestKind::MemRead:
        return ReadMemory(*request.record);
    case RequestKind::MemWrite:
        QueueLine(memory::RecordLine(memory::kWrite, *request.record), Kind::Plain);
        return {0, true};
    case RequestKind::PreUpload:
        return Bracket(memory::kPreUpload, m_layout.HasBankNames());
    case RequestKind::PostUpload:
        return Bracket(memory::kPostUpload, false);
    case RequestKind::PreDownload:
        return Bracket(memory::kPreDownload, false);
    case RequestKind::PostDownload:
        return Bracket(memory::kPostDownload, false);
    case RequestKind::GetBankName:
        return BankName(*request.record);
    case RequestKind::SetBankName:
        return SetBankName(*request.record);
    default:
        return {hb::records::kStatusNotSupported, false};
    }
}

Reply RequestPath::Raw(const char* text) {
    m_transmit = Cut(text);
    m_reply.clear();
    m_replyPresent = false;
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\r');
        const std::size_t length = end == std::string_view::npos ? rest.size() : end + 1;
        Queue(std::string(rest.substr(0, length)), Kind::Raw);
        rest.remove_prefix(length);
    }
    return {0, true};
}

Reply RequestPath::Bracket(std::string_view word, bool readBankNames) {
    QueueLine(word, Kind::Plain);
    if (readBankNames) {
        for (const std::uint16_t bank : m_layout.Banks()) {
            QueueLine(memory::BankLine(memory::kBankRead, bank), Kind::BankName);
        }
    }
    return {0, true};
}

Reply RequestPath::ReadMemory(const Parm& record) {
    Parm asked = record;
    asked.set(Parm::kFrequency, 0);
    asked.set(Parm::kMode, kUnreadMode);
    m_record = asked;
    QueueLine(memory::RecordLine(memory::kRead, asked), Kind::Memory);
    return {0, true};
}

Reply RequestPath::BankName(Parm& record) {
    const auto name = m_bankNames.find(m_layout.BankOf(record.get(Parm::kMemoryChannel)));
    record.setText(Parm::kName, name != m_bankNames.end() ? name->second : std::string());
    return {};
}

Reply RequestPath::SetBankName(const Parm& record) {
    const memory::BankName bank{m_layout.BankOf(record.get(Parm::kMemoryChannel)),
                                record.text(Parm::kName)};
    m_bankNames[bank.bank] = bank.name;
    QueueLine(memory::BankLine(memory::kBankWrite, bank), Kind::Plain);
    return {0, true};
}

Reply RequestPath::Stop() {
    if (!Busy()) {
        return {};
    }
    m_queue.clear();
    if (m_outstanding) {
        m_link->Drop();
        EndOutstanding();
    }
    return {0, true};
}

void RequestPath::Queue(std::string bytes, Kind kind) {
    std::int64_t limit = m_replyTimeoutMs;
    if (m_decoder) {
        limit = m_decoder->ReplyLimit(bytes).value_or(limit);
    }
    m_queue.push_back({std::move(bytes), kind, limit});
    Start();
}

void RequestPath::Start() {
    if (m_outstanding || m_queue.empty() || m_lost) {
        return;
    }
    m_outstanding = std::move(m_queue.front());
    m_queue.pop_front();
    if (m_link->External()) {
        m_wait.emplace();
    }
    const auto left = m_link->Send(m_outstanding->bytes);
    if (!left) {
        OnLost();
        return;
    }
    m_timer = hb::win::Schedule(
        *left + m_outstanding->limitMs,
        [this] {
            m_timer.reset();
            Complete(std::nullopt);
        },
        "radio reply limit");
}

void RequestPath::EndOutstanding() {
    if (m_timer) {
        hb::win::Cancel(*m_timer);
        m_timer.reset();
    }
    m_outstanding.reset();
    m_wait.reset();
}

void RequestPath::OnLine(std::string line) {
    // A late reply, to an exchange that was stopped or ran out of time, changes nothing.
    if (m_outstanding) {
        Complete(std::move(line));
    }
}

void RequestPath::Complete(std::optional<std::string> reply) {
    if (!m_outstanding) {
        return;
    }
    const Kind kind = m_outstanding->kind;
    EndOutstanding();
    m_replyPresent = reply.has_value();
    m_reply = reply ? Cut(*reply) : std::string();
    if (reply) {
        if (kind == Kind::Memory) {
            if (auto record = memory::ParseRecordLine(memory::kMemory, *reply)) {
                m_record = *record;
            }
        } else if (kind == Kind::BankName) {
            if (auto bank = memory::ParseBankNameLine(memory::kBankName, *reply)) {
                m_bankNames[bank->bank] = std::move(bank->name);
            }
        } else if (kind == Kind::Raw && m_decoder) {
            const Parm before = m_decoded.get(DeviceStatus::kCurrentParm);
            m_decoder->Decode(m_reply, m_decoded);
            m_replyGaveRecord =
                m_replyGaveRecord || m_decoded.get(DeviceStatus::kCurrentParm) != before;
        }
    }
    Start();
    m_notify();
}

void RequestPath::OnLost() {
    if (m_lost) {
        return;
    }
    m_lost = true;
    m_queue.clear();
    EndOutstanding();
    m_notify();
}

void RequestPath::Fill(DeviceStatus& status) const {
    status.set(DeviceStatus::kBusy, Busy() ? 1 : 0);
    status.set(DeviceStatus::kReplyPresent, m_replyPresent ? 1 : 0);
    status.setText(DeviceStatus::kReply, m_reply);
    status.setText(DeviceStatus::kTransmit, m_transmit);
    if (m_record) {
        status.set(DeviceStatus::kCurrentParm, *m_record);
    }
    if (m_decoder) {
        // Until a reply gives a record, the device's own (the channel it is tuned to) stands.
        if (!m_record && m_replyGaveRecord) {
            status.set(DeviceStatus::kCurrentParm, m_decoded.get(DeviceStatus::kCurrentParm));
        }
        status.set(DeviceStatus::kTrunkTypeCode, m_decoded.get(DeviceStatus::kTrunkTypeCode));
        status.set(DeviceStatus::kLtChar, m_decoded.get(DeviceStatus::kLtChar));
        const std::uint32_t refused =
            m_decoded.get(DeviceStatus::kLinkControl1) & DeviceStatus::kLinkRefusedLockOutDone;
        status.set(DeviceStatus::kLinkControl1, status.get(DeviceStatus::kLinkControl1) | refused);
        for (std::size_t line = 0; line < 4; ++line) {
            status.setText(DeviceStatus::kDisplayLines, line,
                           m_decoded.text(DeviceStatus::kDisplayLines, line));
        }
    }
}

} // namespace hb::engine
