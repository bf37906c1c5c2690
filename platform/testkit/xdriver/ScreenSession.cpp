#include "platform/testkit/xdriver/ScreenSession.h"

#include "platform/display/Display.h"
#include "platform/win/core/Clock.h"

#include <gtest/gtest.h>

namespace hb::testkit {

bool ScreenSession::Start() {
    Open();
    return m_shown;
}

// GTEST_SKIP and ASSERT return from a function answering nothing, hence apart from Start.
void ScreenSession::Open() {
    std::string whyNot;
    m_server = XServer::Start(whyNot);
    if (!m_server) {
        GTEST_SKIP() << "no X server for the display: " << whyNot;
    }
    hb::win::UseRealClock();
    m_shown = hb::display::StartIfAvailable(m_server->name());
    ASSERT_TRUE(m_shown) << "the display did not start on " << m_server->name();
}

void ScreenSession::Stop() {
    hb::display::Stop();
    m_shown = false;
}

} // namespace hb::testkit
