#pragma once
// A talkgroup or user ID kept in a bank's ID list (kind 53530018), with its tag text, options and
// what it remembers of its calls.

#include "platform/records/UserId.h"
#include "platform/tessary/model/Object.h"
#include "platform/tessary/model/Statistics.h"

#include <array>
#include <cstdint>
#include <string>

class UserIdEntry : public Object {
public:
    // Option word bits.
    static constexpr std::uint16_t kOptionRecord = 0x01;    // record this ID's calls
    static constexpr std::uint16_t kOptionBa = 0x04;        // the radio's "BA" switch
    static constexpr std::uint16_t kOptionLockedOut = 0x10; // the ID is skipped
    // Option bytes.
    static constexpr std::size_t kOptionAlarm = 0; // alarm code raised on a call, 0 = none
    static constexpr std::size_t kOptionRadio = 1; // the option the radio's menu carries

    UserIdEntry();

    const char* descr() const override { return "User ID"; }

    // At most 16 characters; a longer text is cut.
    const std::string& tag() const { return m_tag; }
    void setTag(std::string_view tag);

    const hb::records::UserId& id() const { return m_id; }
    hb::records::UserId& id() { return m_id; }

    std::uint16_t options() const { return m_options; }
    void setOptions(std::uint16_t options) { m_options = options; }
    std::uint8_t optionByte(std::size_t index) const { return m_optionBytes.at(index); }
    void setOptionByte(std::size_t index, std::uint8_t value) { m_optionBytes.at(index) = value; }

    Statistics& statistics() { return m_statistics; }
    const Statistics& statistics() const { return m_statistics; }

    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    Statistics* hitStatistics() override { return &m_statistics; }

private:
    std::string m_tag;
    hb::records::UserId m_id;
    std::uint16_t m_options = 0;
    std::array<std::uint8_t, 2> m_optionBytes{};
    Statistics m_statistics;
};
