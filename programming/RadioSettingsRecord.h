#pragma once
// The settings of a trunk-scanner group that no bank, channel or ID entry holds: three band plans
// a bank, per-bank trunking options, the tags of each bank's ID list, the FIPS codes and a row of
// global switches. It is a view over the group's 2,732-byte typed record, which the group owns and
// saves with itself; the view never copies, resizes or frees it, and is used at once by whoever
// fetched it. The per-bank fields exist for banks 1 to 10 only: callers test HasBank first.
#include "platform/tessary/model/Blob.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class RadioSettingsRecord {
public:
    static constexpr std::uint32_t kTag = 53420009;
    static constexpr std::uint32_t kKey = 255;
    static constexpr std::size_t kSize = 2732;
    static constexpr unsigned kBanks = 10;
    static constexpr unsigned kPlans = 3;
    static constexpr unsigned kTagsPerBank = 10;
    static constexpr std::size_t kTagWidth = 16;
    static constexpr std::size_t kFipsWidth = 150;
    static constexpr unsigned kFipsSlots = 15;
    static constexpr std::size_t kFipsCodeWidth = 6;

    // The record of the group's typed records, made zero-filled when there is none.
    static RadioSettingsRecord Fetch(BlobList& records);
    explicit RadioSettingsRecord(Blob& blob);

    static bool HasBank(unsigned bank) { return bank >= 1 && bank <= kBanks; }

    // ---- Per bank (1 to 10); plans 1 to 3.
    std::uint32_t PlanBase(unsigned bank, unsigned plan) const;
    void SetPlanBase(unsigned bank, unsigned plan, std::uint32_t hz);
    std::uint32_t PlanSpacing(unsigned bank, unsigned plan) const;
    void SetPlanSpacing(unsigned bank, unsigned plan, std::uint32_t hz);
    std::uint16_t PlanOffset(unsigned bank, unsigned plan) const;
    void SetPlanOffset(unsigned bank, unsigned plan, std::uint16_t offset);
    // The one-byte fields of a bank, named by their offsets. Each family keeps its own encoding
    // of a value (the trunk scanners of types 63 to 92 write 0xFF for an option that is on, those
    // of types 45 and 51 a menu choice); a value is never converted between them.
    enum class BankByte : std::uint16_t {
        kIrSetting = 300,  // 0 "F", 1 "N", 2 "Y"
        kBankOption = 310, // 0xFF on, 0 off
        kEndCode = 320,    // the 0-based "END CODE" choice
        kTcSetting = 460,  // 0 = off, n = on with value n
    };
    std::uint8_t Get(BankByte field, unsigned bank) const;
    void Set(BankByte field, unsigned bank, std::uint8_t value);
    // A memory number; 0 = none.
    std::uint16_t PriorityChannel(unsigned bank) const;
    void SetPriorityChannel(unsigned bank, std::uint16_t channel);
    // The priority channel to send for a bank of any number: one outside the bank's memories
    // (from (bank - 1) x channelsPerBank + 1, channelsPerBank of them) becomes the bank's first,
    // stored back. 0 (none) for a bank without one, and for a bank past the record's ten, whose
    // record entry would be another field.
    std::uint16_t HeldPriorityChannel(unsigned bank, unsigned channelsPerBank);
    // Entries 0 to 9 of the bank's ID list; a tag of 16 characters fills its slot without a NUL.
    std::string IdTag(unsigned bank, unsigned entry) const;
    void SetIdTag(unsigned bank, unsigned entry, std::string_view tag);

    // ---- Global.
    // Six-digit codes, each followed by CR LF; a text loaded from a file may fill the field
    // without a NUL. SetFipsText always leaves a NUL in the field.
    std::string FipsText() const;
    void SetFipsText(std::string_view text);
    // The codes to send, slot 1 first: exactly six ASCII digits each, followed by CR or the end of
    // the text, with CRs and LFs between them. The list ends at the first text that is not such a
    // code, and after kFipsSlots codes.
    std::vector<std::string> FipsCodes() const;
    // What the radio reports, slot by slot: the field is cleared, then each slot's code is
    // appended with CR LF. At most six characters a slot, and only while the rest of the field has
    // room for them, CR LF and the NUL. An empty slot text or one beginning with "-" (an empty
    // slot) adds nothing.
    void ClearFipsCodes();
    void AppendFipsCode(std::string_view slotText);
    // The global one-byte settings, named by their offsets; their encodings are kept per family
    // as those of the bank bytes.
    enum class Setting : std::uint16_t {
        kChainSearchChoice = 2220, // the 0-based choice of the chain-search menu's item 3
        kChainSearchItem4 = 2221,  // 0xFF on, 0 off
        kChainSearchItem6 = 2222,  // 0xFF on, 0 off
        kLt = 2225,                // 0 "N", 1 "D", 2 "F"
        kLm = 2226,                // the four switches: any value but 0 is on
        kBp = 2227,
        kEl = 2228,
        kDs = 2229,
        kCt = 2230, // 0 "F", 1 "N", 2 "S"
    };
    std::uint8_t Get(Setting field) const;
    void Set(Setting field, std::uint8_t value);

private:
    // Little-endian values of 2 or 4 bytes.
    std::uint32_t Load(std::size_t offset, std::size_t width) const;
    void Store(std::size_t offset, std::size_t width, std::uint32_t value);
    // The offset of a bank's entry in an array of `width`-byte entries at `base`.
    static std::size_t BankEntry(std::size_t base, unsigned bank, std::size_t width);
    static std::size_t PlanEntry(std::size_t base, unsigned bank, unsigned plan, std::size_t width);

    std::span<std::uint8_t, kSize> m_bytes;
};
