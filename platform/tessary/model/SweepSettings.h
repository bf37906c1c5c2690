#pragma once
// The settings of a sweep display (kind 53530040): the radio type it was made for, the alert
// sound, and the sweep record (start 12, end 16, step 4, resume frequency 8, ...). The alert
// sound byte lies right before the record.

#include "platform/records/Parm.h"
#include "platform/tessary/model/Object.h"

#include <cstdint>

class SweepSettings : public Object {
public:
    SweepSettings();

    const char* descr() const override { return "Sweep Settings"; }

    std::uint8_t radioType() const { return m_radioType; }
    void setRadioType(std::uint8_t type) { m_radioType = type; }
    std::uint8_t alertSound() const { return m_alertSound; }
    void setAlertSound(std::uint8_t sound) { m_alertSound = sound; }
    hb::records::Parm& record() { return m_parm; }
    const hb::records::Parm& record() const { return m_parm; }

    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;

private:
    std::uint8_t m_radioType = 0;
    std::uint8_t m_alertSound = 0;
    hb::records::Parm m_parm;
};
