#include "platform/engine/SimTrunkScanner.h"

#include "platform/engine/sim/SimRadios.h"
#include "platform/records/EngineCommands.h"
#include "platform/win/core/Clock.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

namespace hb::engine {

namespace {

namespace rec = hb::records;

constexpr std::uint16_t kGroups = 0x03FF;
constexpr std::uint16_t kPending = 0x0800;
constexpr std::uint16_t kRequested = 0x1000;
constexpr std::uint16_t kScanning = 0x2000;
constexpr std::uint16_t kNewData = 0x4000;
constexpr std::uint8_t kRecallKey = 13;
// Scanner keys whose effect the status shows.
constexpr std::uint8_t kKeyScan = 0;
constexpr std::uint8_t kKeySearch = 2;
constexpr std::uint8_t kKeyHold = 3;
constexpr std::uint8_t kKeyResume = 4;
constexpr std::uint8_t kKeyTrunk = 6;
constexpr std::uint8_t kKeyService = 7;
constexpr std::uint8_t kKeyLockOutOn = 8;
constexpr std::uint8_t kKeyManual = 10;
constexpr std::uint8_t kKeyAttOn = 17;
constexpr std::uint8_t kKeyAttOff = 18;
constexpr std::uint8_t kKeyLockOutOff = 19;
constexpr std::uint8_t kKeyState = 20;
constexpr std::uint8_t kKeyPatrolBanks = 22;
constexpr std::uint8_t kKeyDelay = 23;
constexpr std::uint8_t kKeyMute = 24;
constexpr std::uint8_t kKeyHoldBank = 25;
constexpr std::uint8_t kHighwayPatrolType = 99;
constexpr std::size_t kDelayWord = 1489;
constexpr std::uint8_t kScanStateHold = 1;
constexpr std::uint8_t kScanStateManual = 2;
constexpr std::uint8_t kScanStateSearch = 3;
constexpr std::uint8_t kScanStateService = 5;
constexpr std::uint8_t kScanStateScanning = 0;
constexpr std::uint8_t kScanStateTrunkScan = 17;
constexpr std::uint8_t kScanStateTrunkHold = 18;
// A changed word carries the new-data bit for this many reads.
constexpr std::uint8_t kNewDataReads = 2;
// After it is connected the scanner reports every word as new for a while, so that a program
// that has just opened learns what it holds.
constexpr std::int64_t kFirstReportMs = 3000;

std::uint64_t Mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDULL;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ULL;
    x ^= x >> 33;
    return x;
}

} // namespace

SimTrunkScanner::SimTrunkScanner(std::string name, BandActivity activity,
                                 unsigned channelsPerSecond, std::uint8_t type,
                                 std::unique_ptr<Link> link, std::int64_t replyTimeoutMs,
                                 const rec::Organisation& organisation, std::uint64_t seed,
                                 std::vector<std::uint32_t> talkgroups)
    : SimReceiver(name, std::move(activity), channelsPerSecond, type, std::move(link),
                  replyTimeoutMs),
      m_radioName(std::move(name)), m_organisation(organisation), m_seed(seed),
      m_talkgroups(std::move(talkgroups)), m_type(type), m_connectedMs(hb::win::NowMs()) {
    const int banks = std::clamp<int>(m_organisation.banks, 1, kIdBanks);
    m_bankMask = (1u << banks) - 1;
    for (int i = 0; i < banks; ++i) {
        m_idBanks[static_cast<std::size_t>(i)] = kGroups | kRequested | kScanning;
    }
}

Reply SimTrunkScanner::Handle(const Request& request) {
    if (request.kind != RequestKind::RawCommand || request.text == nullptr) {
        return SimReceiver::Handle(request);
    }
    // The lines also go the way every raw command goes, to the radio's memory and its replies. A
    // radio that keeps its channels' switches itself takes them there; otherwise they are kept
    // here.
    const bool keptHere = &ChannelMemory() == &m_looseSwitches;
    std::string_view text = request.text;
    while (keptHere && !text.empty()) {
        const std::size_t end = std::min(text.find('\r'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        sim::ChannelSwitches::Switches switches = m_looseSwitches.SwitchesOf(m_textChannel);
        if (line.size() == 5 && line.starts_with("MA")) {
            m_textChannel =
                static_cast<std::uint16_t>(std::atoi(std::string(line.substr(2)).c_str()));
        } else if (line == "LON" || line == "LOF") {
            switches.lockOut = line == "LON" ? 1 : 0;
            m_looseSwitches.SetSwitches(m_textChannel, switches);
        } else if (line == "ATN" || line == "ATF") {
            switches.attenuator = line == "ATN" ? 1 : 0;
            m_looseSwitches.SetSwitches(m_textChannel, switches);
        }
    }
    return SimReceiver::Handle(request);
}

void SimTrunkScanner::TrunkCommand(const EngineCommandRecord& record) {
    SimReceiver::TrunkCommand(record);
    const std::uint8_t code = record.get(EngineCommandRecord::kCode);
    const std::uint16_t bank = record.get(EngineCommandRecord::kShort);
    if (code == rec::kEngineCmdBankMask) {
        m_delayed.push_back({code, 0, record.get(EngineCommandRecord::kFirst), 0, kDelaySteps});
    } else if (code == rec::kEngineCmdIdGroups && bank < kIdBanks) {
        std::uint16_t& word = m_idBanks[bank];
        word = static_cast<std::uint16_t>((word & ~kGroups) |
                                          (record.get(EngineCommandRecord::kFirst) & kGroups));
        MarkChanged(bank);
    } else if (code == rec::kEngineCmdIdBankMode && bank < kIdBanks) {
        const std::uint8_t scan = record.get(EngineCommandRecord::kSubCode);
        std::uint16_t& word = m_idBanks[bank];
        word = static_cast<std::uint16_t>((word & ~kRequested) | kPending |
                                          (scan != 0 ? kRequested : 0));
        m_delayed.push_back({code, scan, 0, bank, kDelaySteps});
    } else if (code == rec::kEngineCmdScannerKey) {
        PressKey(record.get(EngineCommandRecord::kSubCode), bank);
    } else if (code == rec::kEngineCmdPrioritySwitch) {
        m_priority = record.get(EngineCommandRecord::kSubCode) != 0;
    }
}

void SimTrunkScanner::PressKey(std::uint8_t key, std::uint16_t parameter) {
    const std::uint16_t channel = ChannelNumber();
    switch (key) {
    case kRecallKey:
        m_recalled = parameter;
        break;
    case kKeyScan:
    case kKeyResume:
        m_keyState = KeyState::Scanning;
        break;
    case kKeyHold:
    case kKeyHoldBank:
        m_keyState = KeyState::Holding;
        break;
    case kKeySearch:
        m_keyState = KeyState::Searching;
        break;
    case kKeyService:
        m_keyState = KeyState::ServiceSearch;
        break;
    case kKeyManual:
        m_keyState = KeyState::Manual;
        break;
    case kKeyTrunk:
        m_trunkKey = !m_trunkKey;
        break;
    case kKeyDelay:
        m_delay = m_delay != 0 ? 0 : 1;
        break;
    case kKeyAttOn:
    case kKeyAttOff:
    case kKeyLockOutOn:
    case kKeyLockOutOff: {
        sim::ChannelSwitches::Switches switches = ChannelMemory().SwitchesOf(channel);
        if (key == kKeyAttOn || key == kKeyAttOff) {
            switches.attenuator = key == kKeyAttOn ? 1 : 0;
        } else {
            switches.lockOut = key == kKeyLockOutOn ? 1 : 0;
        }
        ChannelMemory().SetSwitches(channel, switches);
        break;
    }
    default:
        break;
    }
    if (m_type != kHighwayPatrolType) {
        return;
    }
    if (key == kKeyState) {
        m_state = static_cast<std::uint8_t>(parameter);
    } else if (key == kKeyPatrolBanks) {
        m_patrolBanks = static_cast<std::uint8_t>(parameter);
    } else if (key == kKeyMute) {
        m_muted = m_muted != 0 ? 0 : 1;
    }
}

std::uint8_t SimTrunkScanner::ScanState(bool trunked, bool onCall) const {
    switch (m_keyState) {
    case KeyState::Holding:
        return trunked && onCall ? kScanStateTrunkHold : kScanStateHold;
    case KeyState::Manual:
        return kScanStateManual;
    case KeyState::Searching:
        return kScanStateSearch;
    case KeyState::ServiceSearch:
        return kScanStateService;
    case KeyState::Scanning:
        break;
    }
    if (!trunked) {
        return kScanStateScanning;
    }
    return onCall ? kScanStateTrunkScan : kScanStateTrunkHold;
}

bool SimTrunkScanner::EngineStep() {
    bool applied = false;
    for (Delayed& command : m_delayed) {
        if (command.stepsLeft > 0 && --command.stepsLeft == 0) {
            Apply(command);
            applied = true;
        }
    }
    std::erase_if(m_delayed, [](const Delayed& command) { return command.stepsLeft == 0; });
    return applied;
}

void SimTrunkScanner::StatusRead() {
    for (std::uint8_t& unread : m_unread) {
        if (unread > 0) {
            --unread;
        }
    }
}

void SimTrunkScanner::Apply(const Delayed& command) {
    if (command.code == rec::kEngineCmdBankMask) {
        const int banks = std::clamp<int>(m_organisation.banks, 1, kIdBanks);
        m_bankMask = command.value & ((1u << banks) - 1);
        return;
    }
    std::uint16_t& word = m_idBanks[command.bank];
    word = static_cast<std::uint16_t>((word & ~(kPending | kScanning | kRequested)) |
                                      (command.subCode != 0 ? kScanning | kRequested : 0));
    MarkChanged(command.bank);
}

void SimTrunkScanner::MarkChanged(std::size_t bank) {
    m_unread[bank] = kNewDataReads;
}

sim::ChannelSwitches::Switches
SimTrunkScanner::LooseSwitches::SwitchesOf(std::uint16_t channel) const {
    const auto known = m_channels.find(channel);
    return known != m_channels.end() ? known->second : Switches{};
}

void SimTrunkScanner::LooseSwitches::SetSwitches(std::uint16_t channel, Switches switches) {
    m_channels[channel] = switches;
}

sim::ChannelSwitches& SimTrunkScanner::ChannelMemory() {
    auto* radio = dynamic_cast<sim::ChannelSwitches*>(sim::FindRadio(m_radioName));
    return radio ? *radio : m_looseSwitches;
}

const sim::ChannelSwitches& SimTrunkScanner::ChannelMemory() const {
    const auto* radio = dynamic_cast<const sim::ChannelSwitches*>(sim::FindRadio(m_radioName));
    return radio ? *radio : m_looseSwitches;
}

bool SimTrunkScanner::Trunked() const {
    return (Tuned().get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) != 0;
}

bool SimTrunkScanner::TrunkedCall() const {
    return Trunked() && !m_talkgroups.empty();
}

UserId SimTrunkScanner::CallId(std::int64_t nowMs) const {
    UserId id;
    if (!TrunkedCall() || Signal(nowMs) == 0) {
        return id;
    }
    const std::uint32_t hz = Tuned().get(Parm::kFrequency);
    const std::uint64_t hash =
        Mix(m_seed ^ (std::uint64_t{hz} << 20) ^ static_cast<std::uint64_t>(nowMs / kCallMs));
    const std::uint32_t talkgroup = m_talkgroups[hash % m_talkgroups.size()];
    const std::uint8_t kind = Tuned().get(Parm::Channel::kTrunkKind);
    id.set(UserId::kValue, talkgroup);
    id.set(UserId::kKind, kind != 0 ? kind : rec::kIdKindMotorolaTypeII);
    if (kind == rec::kIdKindMotorola) {
        // A Type I ID of size code 1: block, fleet and subfleet from the value.
        id.set(UserId::kSizeCode, 1);
        id.set(UserId::kBlock, static_cast<std::uint8_t>((talkgroup >> 13) & 7));
        id.set(UserId::kFleet, static_cast<std::uint8_t>((talkgroup >> 4) & 0x7F));
        id.set(UserId::kSubfleet, static_cast<std::uint8_t>(talkgroup & 3));
    }
    switch ((hash >> 16) % 16) {
    case 0:
        id.set(UserId::kFlags, UserId::kFlagIndividual);
        break;
    case 1:
        id.set(UserId::kFlags, UserId::kFlagEmergency);
        break;
    default:
        break;
    }
    return id;
}

std::uint16_t SimTrunkScanner::ChannelNumber() const {
    const std::uint16_t tuned = Tuned().get(Parm::kMemoryChannel);
    return m_recalled && tuned == 0 ? *m_recalled : tuned;
}

void SimTrunkScanner::FillStatus(DeviceStatus& status, std::int64_t nowMs) const {
    SimReceiver::FillStatus(status, nowMs);
    const std::uint16_t channel = ChannelNumber();
    const bool searching = channel == DeviceStatus::kNoChannel;
    const bool trunked = TrunkedCall();
    std::uint32_t flags = m_bankMask;
    if (trunked) {
        flags |= DeviceStatus::kTrunkTrunking;
    }
    if (!searching) {
        flags |= DeviceStatus::kTrunkNotSearching;
    }
    if (m_trunkKey) {
        flags |= DeviceStatus::kTrunkKeyOn;
    }
    if (m_priority) {
        flags |= DeviceStatus::kTrunkPriority;
    }
    status.set(DeviceStatus::kTrunkFlags, flags);
    const UserId id = CallId(nowMs);
    status.set(DeviceStatus::kCurrentId, id);
    // While the status shows what the radio answered, the record is the answer's.
    if (!ShowsAnswer()) {
        const sim::ChannelSwitches::Switches switches = ChannelMemory().SwitchesOf(channel);
        status.set(DeviceStatus::kCurrentChannel, channel);
        status.set(rec::Within(DeviceStatus::kCurrentParm, Parm::kLockOut), switches.lockOut);
        status.set(rec::Within(DeviceStatus::kCurrentParm, Parm::Channel::kAttenuator),
                   switches.attenuator);
    }
    const std::uint16_t perBank = std::max<std::uint16_t>(m_organisation.channelsPerBank, 1);
    const int bank = channel == 0 || searching ? 0 : (channel - 1) / perBank;
    status.set(DeviceStatus::kBankIndex, static_cast<std::uint8_t>(std::min(bank, kIdBanks - 1)));
    const int banks = std::clamp<int>(m_organisation.banks, 1, kIdBanks);
    for (int i = 0; i < banks; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool fresh = m_unread[index] > 0 || nowMs - m_connectedMs < kFirstReportMs;
        status.set(DeviceStatus::kIdBankWords, index,
                   static_cast<std::uint16_t>(m_idBanks[index] | (fresh ? kNewData : 0)));
    }
    if (trunked) {
        status.setText(DeviceStatus::kTextLines, 0, "Site " + std::to_string(bank + 1));
        if (id.inUse()) {
            status.setText(DeviceStatus::kTextLines, 1,
                           "TG " + std::to_string(id.get(UserId::kValue)));
        }
        status.set(DeviceStatus::kSiteChar1, static_cast<std::uint8_t>('0' + 16 + bank % 10));
        status.set(DeviceStatus::kSiteChar2, static_cast<std::uint8_t>('1'));
    }
    status.setText(DeviceStatus::kTextLines, 2, Tuned().text(Parm::kName));
    status.set(DeviceStatus::kScanStateCode, ScanState(trunked, id.inUse()));
    if (!ShowsAnswer()) {
        status.data()[kDelayWord] = static_cast<std::uint8_t>(m_delay);
        status.data()[kDelayWord + 1] = static_cast<std::uint8_t>(m_delay >> 8);
    }
    if (m_type == kHighwayPatrolType) {
        status.set(DeviceStatus::kTrunkState, m_state);
        status.set(DeviceStatus::kPatrolBits, m_patrolBanks);
        status.set(DeviceStatus::kMute, m_muted);
    }
}

} // namespace hb::engine
