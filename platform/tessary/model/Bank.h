#pragma once
// A bank of a group (kind 53530004): its trunking settings, its channels and search ranges, and
// its list of talkgroup and user IDs.

#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/UserIdEntry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Bank : public Object {
public:
    // Trunk flag bits: the Type II variants, then the EDACS ID format and the "EA" switch.
    static constexpr std::uint32_t kTrunk900 = 0x10;
    static constexpr std::uint32_t kTrunkVhf = 0x20;
    static constexpr std::uint32_t kTrunkUhf = 0x40;
    static constexpr std::uint32_t kTrunkTypeIIVariants = kTrunk900 | kTrunkVhf | kTrunkUhf;
    static constexpr std::uint32_t kTrunkEdacsFormat = 0x200;
    static constexpr std::uint32_t kTrunkEa = 0x400;

    Bank();

    const char* descr() const override { return "Bank"; }

    std::uint16_t number = 0;
    std::uint8_t trunkType = 0; // 0 none, 1 Type I, 2 Type II, 3, 6, 8, 9 other systems
    std::uint32_t trunkFlags = 0;
    std::uint32_t base = 0;    // Hz
    std::uint32_t spacing = 0; // Hz
    std::uint16_t offset = 0;
    std::array<std::uint8_t, 8> fleetMap{}; // Type I size code per block
    std::int16_t delay = 0;                 // ms; negative values are special settings
    std::uint8_t option = 0;

    // Channels (kinds 53530005 and 53530006) and search ranges, in list order.
    const std::vector<std::unique_ptr<Chan>>& members() const { return m_members; }
    Chan& addMember(std::unique_ptr<Chan> member) { return own(m_members, std::move(member)); }
    Chan& insertMember(std::size_t index, std::unique_ptr<Chan> member) {
        return ownAt(m_members, index, std::move(member));
    }
    std::unique_ptr<Chan> removeMember(std::size_t index) { return disown(m_members, index); }
    const std::vector<std::unique_ptr<UserIdEntry>>& userIds() const { return m_userIds; }
    UserIdEntry& addUserId(std::unique_ptr<UserIdEntry> entry) {
        return own(m_userIds, std::move(entry));
    }
    UserIdEntry& insertUserId(std::size_t index, std::unique_ptr<UserIdEntry> entry) {
        return ownAt(m_userIds, index, std::move(entry));
    }
    std::unique_ptr<UserIdEntry> removeUserId(std::size_t index) {
        return disown(m_userIds, index);
    }

    void forEachScannable(const std::function<void(Chan&)>& visit) override;
    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    void forEachChild(const std::function<void(Object&)>& visit) override;

private:
    std::vector<std::unique_ptr<Chan>> m_members;
    std::vector<std::unique_ptr<UserIdEntry>> m_userIds;
};
