#pragma once
// An X server of a test's own: Xvfb on a display number nobody else uses, stopped with the object.

#include <sys/types.h>

#include <memory>
#include <string>

namespace hb::testkit {

class XServer {
public:
    // Null, with the reason in `whyNot`, when no server can start (Xvfb missing or failing).
    static std::unique_ptr<XServer> Start(std::string& whyNot);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // The display's name, ":N".
    const std::string& name() const { return m_name; }

private:
    XServer(pid_t pid, std::string name) : m_pid(pid), m_name(std::move(name)) {}

    pid_t m_pid;
    std::string m_name;
};

} // namespace hb::testkit
