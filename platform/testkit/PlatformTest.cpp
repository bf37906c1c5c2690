#include "platform/testkit/PlatformTest.h"

#include "platform/afx/Reset.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/engine/EngineSim.h"
#include "platform/instruments/Instrument.h"
#include "platform/tessary/app/Reset.h"
#include "platform/tessary/model/Reset.h"
#include "platform/toolkit/Reset.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/store/AtomicFile.h"
#include "platform/win/sys/Reset.h"

#include <clocale>

namespace hb::testkit {

void ResetPlatform() {
    hb::engine::EngineSim::Reset();
    hb::win::mm::ResetForTests();
    hb::win::ResetForTests();
    hb::win::registry::ResetForTests();
    hb::win::ini::ResetForTests();
    hb::win::SetFileWriteFault(hb::win::FileWriteStage::None);
    hb::win::sys::ResetForTests();
    hb::afx::ResetForTests();
    hb::toolkit::ResetForTests();
    hb::instruments::ResetForTests();
    hb::tessary::ResetForTests();
    hb::tessary::ResetAppForTests();
}

PlatformTest::PlatformTest() {
    ResetPlatform();
    hb::win::SetTimeZone("UTC");
    std::setlocale(LC_ALL, "C");
    hb::win::SetStrictMode(true);
    hb::win::SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
}

void PlatformTest::TearDown() {
    for (const auto& box : hb::win::UnmetBoxExpectations()) {
        ADD_FAILURE() << "expected message box never shown: text containing \"" << box.textContains
                      << "\"";
    }
    if (const std::size_t unmet = hb::win::UnmetPopupMenuExpectations()) {
        ADD_FAILURE() << unmet << " expected popup menu(s) never shown";
    }
    for (const std::uint32_t number : hb::engine::EngineSim::UnansweredMessages()) {
        ADD_FAILURE() << "expected engine message " << number << " never shown";
    }
    if (m_expectedBeeps && *m_expectedBeeps != Beeps().size()) {
        ADD_FAILURE() << "expected " << *m_expectedBeeps << " beeps, got " << Beeps().size();
    }
    ResetPlatform();
}

std::size_t PlatformTest::PumpUntilIdle() {
    return hb::win::PumpUntilIdle();
}

std::size_t PlatformTest::AdvanceAndPump(std::int64_t ms) {
    return hb::win::AdvanceAndPump(ms);
}

void PlatformTest::ExpectBox(std::string textContains, int answer, std::string captionEquals) {
    hb::win::ExpectBox({std::move(textContains), answer, std::move(captionEquals)});
}

void PlatformTest::ExpectBeeps(std::size_t count) {
    m_expectedBeeps = count;
}

const std::vector<hb::win::BoxRecord>& PlatformTest::Boxes() {
    return hb::win::BoxLog();
}

const std::vector<UINT>& PlatformTest::Beeps() {
    return hb::win::Beeps();
}

const std::vector<hb::win::registry::JournalEntry>& PlatformTest::RegistryWrites() {
    return hb::win::registry::Journal();
}

std::vector<hb::win::ini::Write> PlatformTest::IniWrites(const std::string& path) {
    return hb::win::ini::Journal(path);
}

void PlatformTest::UseProgramResources(hb::afx::ResourceTables tables) {
    m_programResources = std::make_unique<hb::afx::ResourceModule>("program", std::move(tables));
    hb::afx::OverrideProgramResources(*m_programResources);
}

} // namespace hb::testkit
