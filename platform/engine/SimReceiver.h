#pragma once
// The simulated receiver: it listens where it is tuned, hears the band activity of its seed,
// keeps volume, squelch, VSC level and the trunk-tracker commands it is given, and sweeps when
// its type's model can. Memory and
// raw-command requests go to its simulated radio by the request path; the rest complete at once.

#include "platform/engine/BandActivity.h"
#include "platform/engine/Device.h"
#include "platform/engine/SimSweep.h"
#include "platform/engine/device/RequestPath.h"

#include <map>
#include <string>

namespace hb::engine {

class SimReceiver : public Device {
public:
    SimReceiver(std::string name, BandActivity activity, unsigned channelsPerSecond,
                std::uint8_t type, std::unique_ptr<Link> link, std::int64_t replyTimeoutMs);

    void Tune(const Parm& record) override;
    std::uint8_t Signal(std::int64_t nowMs) const override;
    unsigned ChannelsPerSecond() const override { return m_rate; }
    Reply Handle(const Request& request) override;
    void TrunkCommand(const EngineCommandRecord& record) override;
    std::string Dtmf(std::int64_t atMs) const override;
    void FillStatus(DeviceStatus& status, std::int64_t nowMs) const override;

    std::uint32_t SweepBlockSize() const override { return m_sweep.BlockSize(); }
    SimSweep& sweep() { return m_sweep; }

protected:
    const Parm& Tuned() const { return m_tuned; }
    // The status shows what the radio answered last rather than the tuned channel.
    bool ShowsAnswer() const { return m_path->ShowsAnswer(); }

private:
    Reply RecallMemory(Parm& record) const;

    std::string m_name;
    BandActivity m_activity;
    unsigned m_rate;
    Parm m_tuned;
    std::uint8_t m_volume = 0;
    // Signals at or below it are not heard.
    std::uint8_t m_squelch = 0;
    std::uint8_t m_vsc = 0;
    std::unique_ptr<RequestPath> m_path;
    std::uint32_t m_requests = 0;
    std::uint32_t m_tunings = 0;
    // Whether the model of the radio's type sweeps (feature 0x800).
    bool m_sweeps = false;
    // The last trunk-tracker command of each code; it hears no trunked calls to apply them to.
    std::map<std::uint8_t, EngineCommandRecord> m_trunkCommands;
    SimSweep m_sweep;
};

} // namespace hb::engine
