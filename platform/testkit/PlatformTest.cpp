#include "platform/testkit/PlatformTest.h"

#include <clocale>

namespace hb::testkit {

void ResetPlatform() {
    hb::win::ResetForTests();
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

} // namespace hb::testkit
