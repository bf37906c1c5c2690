#include "radioview/ParmValue.h"

#include "platform/testkit/PlatformTest.h"
#include "radioview/ManualModeCommand.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

class ParmValueTest : public hb::testkit::PlatformTest {
protected:
    ParmValueTest() {
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Corvanta\\Halbridge Pro\\Radio 1", 0,
                                 nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    ~ParmValueTest() override { RegCloseKey(m_key); }

    void SetRaw(LPCSTR name, DWORD type, const std::vector<BYTE>& data) {
        ASSERT_EQ(RegSetValueEx(m_key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    HKEY m_key{};
};

parm Sample() {
    parm p;
    p.set(parm::kFrequency, 162'550'000);
    p.set(parm::kLockOut, 0xFF);
    p.setText(parm::kName, "NOAA WX");
    p.bytes()[parm::kSize - 1] = 0x7F;
    return p;
}

TEST_F(ParmValueTest, StoredRecordReadsBackByteForByte) {
    const parm stored = Sample();
    ASSERT_TRUE(StoreParmValue(m_key, "VFO3", stored));

    DWORD type = REG_NONE;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueEx(m_key, "VFO3", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 129u);

    parm read;
    EXPECT_TRUE(ReadParmValue(m_key, "VFO3", read));
    EXPECT_EQ(read, stored);

    hb::win::registry::FailNext(hb::win::registry::Op::Set, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(StoreParmValue(m_key, "SpanParm", stored));
}

TEST_F(ParmValueTest, OnlyA129ByteBinaryValueReplacesTheDefault) {
    const parm fallback = Sample();
    const std::vector<BYTE> full(129, 0x55);
    SetRaw("Short", REG_BINARY, std::vector<BYTE>(128, 0x55));
    SetRaw("Long", REG_BINARY, std::vector<BYTE>(130, 0x55));
    SetRaw("Empty", REG_BINARY, {});
    SetRaw("Text", REG_SZ, [] {
        std::vector<BYTE> text(129, 'a');
        text.back() = 0;
        return text;
    }());
    for (LPCSTR name : {"Short", "Long", "Empty", "Text", "Missing"}) {
        parm p = fallback;
        EXPECT_FALSE(ReadParmValue(m_key, name, p)) << name;
        EXPECT_EQ(p, fallback) << name;
    }

    SetRaw("Exact", REG_BINARY, full);
    parm p = fallback;
    EXPECT_TRUE(ReadParmValue(m_key, "Exact", p));
    EXPECT_EQ(p.get(parm::kFrequency), 0x55555555u);
}

TEST(ManualModeCommand, CarriesOnlyTheObjectHandle) {
    parm p = Sample();
    p.set(parm::kObjectHandle, 0xA1B2C3D4);
    const EngineCommandRecord command = ManualModeCommand(p);
    const std::vector<std::uint8_t> expected = {26, 0, 0xD4, 0xC3, 0xB2, 0xA1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(command.bytes().begin(), command.bytes().end()), expected);
}

} // namespace
