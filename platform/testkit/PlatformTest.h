#pragma once
#include "platform/afx/res/ResourceModule.h"
#include "platform/testkit/TempFolder.h"
#include "platform/win/Windows.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hb::testkit {

// Puts every platform module back to its start state. Each module with global state resets here.
void ResetPlatform();

// The fixture every platform and system test derives from. HALBRIDGE_HOME is a scratch folder of
// the test's own, so no test reads or writes the developer's settings and documents. Its
// constructor resets the platform, before the members of a derived fixture are made (so they may
// be windows); the test then runs on
// the manual clock in UTC with the C locale, in strict mode, and every platform failure report
// (deadlock, unexpected box, ...) is a test failure. TearDown fails the test for expected boxes,
// popup menu choices and beeps that never came, then resets the platform again.
class PlatformTest : public ::testing::Test {
protected:
    PlatformTest();
    void TearDown() override;

    static std::size_t PumpUntilIdle();
    static std::size_t AdvanceAndPump(std::int64_t ms);
    // Scripts the next message box: its text must contain `textContains`.
    static void ExpectBox(std::string textContains, int answer, std::string captionEquals = {});
    // The exact number of beeps the whole test makes, checked at TearDown.
    void ExpectBeeps(std::size_t count);
    static const std::vector<hb::win::BoxRecord>& Boxes();
    static const std::vector<UINT>& Beeps();
    // The ordered journal of registry changes, and the writes made to one settings file.
    static const std::vector<hb::win::registry::JournalEntry>& RegistryWrites();
    static std::vector<hb::win::ini::Write> IniWrites(const std::string& path);
    // The tables stand for the program's own resources, at the head of the resource chain, until
    // the test ends.
    void UseProgramResources(hb::afx::ResourceTables tables);

private:
    ScratchHome m_scratchHome;
    std::optional<std::size_t> m_expectedBeeps;
    std::unique_ptr<hb::afx::ResourceModule> m_programResources;
};

} // namespace hb::testkit
