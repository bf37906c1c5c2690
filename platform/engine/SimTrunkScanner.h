#pragma once
// The simulated trunk-tracking scanner: the simulated receiver with the banks, ID banks and
// talkgroups of a trunk tracker. Its organisation comes from the radio model table. On a trunked
// channel (the trunk word's 0x80 bit) each call carries a talkgroup of the "Talkgroups" list,
// chosen by the seed, of the channel's trunk kind; now and then it is an individual or emergency
// call. Bank and ID-bank mode commands take effect a few engine steps after they arrive, as a
// radio confirms them late.

#include "platform/engine/SimReceiver.h"
#include "platform/engine/sim/ChannelSwitches.h"
#include "platform/records/RadioModel.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hb::engine {

class SimTrunkScanner : public SimReceiver {
public:
    static constexpr int kIdBanks = 20;
    static constexpr unsigned kDelaySteps = 3;
    // Each call lasts this long on the clock before the next one may change the talkgroup.
    static constexpr std::int64_t kCallMs = 4000;

    SimTrunkScanner(std::string name, BandActivity activity, unsigned channelsPerSecond,
                    std::uint8_t type, std::unique_ptr<Link> link, std::int64_t replyTimeoutMs,
                    const hb::records::Organisation& organisation, std::uint64_t seed,
                    std::vector<std::uint32_t> talkgroups);

    // The lock-out and attenuator of the tuned channel are those of the radio's memory, which its
    // keys change too. A radio that keeps no switches of its own gets the scanner's: text lines
    // "MA%03u" choose a channel, "LON", "LOF", "ATN" and "ATF" then set them; the radio takes the
    // lines as well.
    Reply Handle(const Request& request) override;
    void TrunkCommand(const EngineCommandRecord& record) override;
    UserId CallId(std::int64_t nowMs) const override;
    void FillStatus(DeviceStatus& status, std::int64_t nowMs) const override;
    bool EngineStep() override;
    void StatusRead() override;
    bool TrunkedCall() const override;

private:
    // What the last key set the scanner doing; Scan and RSM go back to scanning.
    enum class KeyState : std::uint8_t { Scanning, Holding, Manual, Searching, ServiceSearch };
    // The switches the scanner keeps for a radio that keeps none.
    class LooseSwitches : public sim::ChannelSwitches {
    public:
        Switches SwitchesOf(std::uint16_t channel) const override;
        void SetSwitches(std::uint16_t channel, Switches switches) override;

    private:
        std::map<std::uint16_t, Switches> m_channels;
    };
    struct Delayed {
        std::uint8_t code = 0;
        std::uint8_t subCode = 0;
        std::uint32_t value = 0;
        std::uint16_t bank = 0;
        unsigned stepsLeft = 0;
    };

    sim::ChannelSwitches& ChannelMemory();
    const sim::ChannelSwitches& ChannelMemory() const;
    bool Trunked() const;
    void Apply(const Delayed& command);
    void MarkChanged(std::size_t bank);
    void PressKey(std::uint8_t key, std::uint16_t parameter);
    std::uint8_t ScanState(bool trunked, bool onCall) const;
    std::uint16_t ChannelNumber() const;

    std::string m_radioName;
    hb::records::Organisation m_organisation;
    std::uint64_t m_seed;
    std::vector<std::uint32_t> m_talkgroups;
    std::uint32_t m_bankMask;
    std::array<std::uint16_t, kIdBanks> m_idBanks{};
    // Reads left in which each changed ID-bank word is reported as new.
    std::array<std::uint8_t, kIdBanks> m_unread{};
    std::vector<Delayed> m_delayed;
    std::optional<std::uint16_t> m_recalled;
    LooseSwitches m_looseSwitches;
    std::uint16_t m_textChannel = 0;
    std::uint8_t m_type;
    KeyState m_keyState = KeyState::Scanning;
    bool m_trunkKey = false;
    bool m_priority = false;
    std::uint16_t m_delay = 0;
    // The highway-patrol scanner's state, patrol banks and mute.
    std::uint8_t m_state = 0;
    std::uint8_t m_patrolBanks = 0;
    std::uint8_t m_muted = 0;
    std::int64_t m_connectedMs;
};

} // namespace hb::engine
