#pragma once
// A memory channel: its 129-byte channel record and what it remembers of its hits. Kind 53530005
// is a channel of a bank; kind 53530006 a channel that stands alone (a file of its own, a scan-list
// entry, or one of a group's extra objects).

#include "platform/records/Parm.h"
#include "platform/records/UserId.h"
#include "platform/tessary/model/Object.h"
#include "platform/tessary/model/Statistics.h"

#include <array>
#include <cstdint>

class Radio;

class Chan : public Object {
public:
    // Flag word bits.
    static constexpr std::uint32_t kFlagLockedOut = 0x10;      // locked out for good
    static constexpr std::uint32_t kFlagChangeWaiting = 0x400; // the engine lacks a change
    static constexpr std::uint32_t kFlagKeepPartial = 0x10000; // a partial lock-out stays
    static constexpr std::size_t kMemberKinds = 10;

    explicit Chan(Kind kind = Kind::Channel);

    const char* descr() const override { return "Channel"; }

    // The channel record; its object-handle field always names this channel.
    const hb::records::Parm& record() const { return m_parm; }
    // Stores a record (the handle field is set to this channel) and takes its lock-out byte.
    void SetParm(const hb::records::Parm& record);
    // An empty channel with the radio's defaults (all zero without a radio).
    void reset(const Radio* radio);

    std::uint32_t frequency() const { return m_parm.get(hb::records::Parm::kFrequency); }

    // 0 free, 0xFF locked out, other values partial states (1 = locked out for a while).
    std::uint8_t lockOut() const { return m_lockOut; }
    void setLockOut(std::uint8_t value);

    // The two words the engine's lock-out requests carry: the channel's handle, and its frequency
    // (0 for an empty channel).
    std::uint32_t engineWord() const { return handle(); }
    std::uint32_t valueWord() const { return frequency(); }

    // One value per member kind of the radio (selection marks of a transfer, ...).
    std::uint32_t value(std::size_t memberKind) const { return m_values.at(memberKind); }
    void setValue(std::size_t memberKind, std::uint32_t v) { m_values.at(memberKind) = v; }

    Statistics& statistics() { return m_statistics; }
    const Statistics& statistics() const { return m_statistics; }

    // Keeps an ID heard on this channel that the ID lists do not hold: a CTCSS tone becomes the
    // channel's tone when it has none. 1 when stored, else 0.
    int StoreId(const hb::records::UserId& id);

    void forEachScannable(const std::function<void(Chan&)>& visit) override;
    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    Statistics* hitStatistics() override { return &m_statistics; }

private:
    hb::records::Parm m_parm;
    std::uint8_t m_lockOut = 0; // kept equal to the record's lock-out byte
    bool m_lockOutRead = false; // a file's lock-out item has been taken
    std::array<std::uint32_t, kMemberKinds> m_values{};
    Statistics m_statistics;
};
