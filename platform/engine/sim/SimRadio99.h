#pragma once
// The simulated type-99 trunk scanner: five banks of 50 channels and 100 ID slots, three band plans
// a bank. Beside what every SimTrunkRadio35 answers:
//   PMnnnTffffffff  memory nnn: frequency (hundreds of hertz) and trunk mark (T, or a blank for
//                   none); the radio chooses the memory's mode by its band
//   TB b            the bank's trunk-type code: "TB b n"
//   TBN b           trunking on in the bank
//   TCN b Pn TCF b  the bank's TC setting, n or off (0)
//   PC bnnn         the bank's priority channel
//   AFN AFF         the AF option of the selected memory's bank
//   BC bp           band plan p of the bank: "BC bp base spacing offset", base and spacing in
//                   hundreds of hertz
#include "platform/engine/sim/SimTrunkRadio35.h"

#include <vector>

namespace hb::engine::sim {

class SimRadio99 : public SimTrunkRadio35 {
public:
    struct BankSettings {
        bool trunking = false;
        std::uint8_t tc = 0;
        std::uint16_t priority = 0;
        bool af = false;
    };

    SimRadio99();

    // Banks from 1; a number the radio lacks throws.
    const BankSettings& Settings(std::size_t bank) const { return m_settings.at(bank - 1); }

protected:
    void Erase() override;

private:
    std::optional<std::string> Programme(std::string_view arguments);
    std::optional<std::string> AnswerBandPlan(std::string_view arguments);
    // The bank's settings named by the first word; null when it names none.
    BankSettings* SettingsLettered(std::string_view letter);

    std::vector<BankSettings> m_settings;
};

} // namespace hb::engine::sim
