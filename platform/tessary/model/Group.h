#pragma once
// A group of banks for one radio type (kind 53530002), the document behind a .swg file. Besides
// its banks it keeps extra objects (search ranges and stand-alone channels) and typed records.

#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/Blob.h"

#include <cstdint>
#include <memory>
#include <vector>

class Group : public Object {
public:
    static constexpr std::uint32_t kFlagFixed = 0x01; // the radio's organisation, not the user's

    Group();

    const char* descr() const override { return "Group"; }

    std::uint8_t radioType() const { return m_radioType; }
    void setRadioType(std::uint8_t type) { m_radioType = type; }

    const std::vector<std::unique_ptr<Bank>>& banks() const { return m_banks; }
    Bank& addBank(std::unique_ptr<Bank> bank) { return own(m_banks, std::move(bank)); }
    Bank& insertBank(std::size_t index, std::unique_ptr<Bank> bank) {
        return ownAt(m_banks, index, std::move(bank));
    }
    std::unique_ptr<Bank> removeBank(std::size_t index) { return disown(m_banks, index); }
    // Removes and returns the last bank; null when there is none.
    std::unique_ptr<Bank> removeLastBank();

    // Search ranges (53530008) and stand-alone channels (53530006), in list order.
    const std::vector<std::unique_ptr<Chan>>& extras() const { return m_extras; }
    Chan& addExtra(std::unique_ptr<Chan> extra) { return own(m_extras, std::move(extra)); }
    Chan& insertExtra(std::size_t index, std::unique_ptr<Chan> extra) {
        return ownAt(m_extras, index, std::move(extra));
    }
    std::unique_ptr<Chan> removeExtra(std::size_t index) { return disown(m_extras, index); }

    BlobList& records() { return m_records; }
    const BlobList& records() const { return m_records; }

    void forEachScannable(const std::function<void(Chan&)>& visit) override;
    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    explicit Group(Kind kind);
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    void forEachChild(const std::function<void(Object&)>& visit) override;

private:
    std::uint8_t m_radioType = 0;
    std::vector<std::unique_ptr<Bank>> m_banks;
    std::vector<std::unique_ptr<Chan>> m_extras;
    BlobList m_records;
};
