#pragma once
// Our display shown on an X server of the test's own (Xvfb), on the real clock a screen runs by.
// A fixture starts it in SetUp and stops it in TearDown, before the platform is reset.

#include "platform/testkit/xdriver/XServer.h"

#include <memory>
#include <string>

namespace hb::testkit {

class ScreenSession {
public:
    // True when the display runs; otherwise the test is skipped (no server) or has failed.
    bool Start();
    void Stop();

    // The server's display name, ":N", for a driver to connect to.
    const std::string& name() const { return m_server->name(); }

private:
    void Open();

    std::unique_ptr<XServer> m_server;
    bool m_shown = false;
};

} // namespace hb::testkit
