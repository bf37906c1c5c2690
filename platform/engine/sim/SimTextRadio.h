#pragma once
// The base of the simulated command-family radios: a table of commands by command word (the
// leading capital letters of a line), the framing words every family uses kept as its
// programming state, "OK" for accepted writes and silence for a word it does not know, so that a
// gap in a family's model shows as "no reply". It has a four-line display and a hook for keys,
// for the families' menus. Without a family's commands it answers only what a test scripts.

#include "platform/engine/sim/SimRadio.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine::sim {

class SimTextRadio : public SimRadio {
public:
    using Command = std::function<std::optional<std::string>(std::string_view arguments)>;

    static constexpr std::string_view kAccepted = "OK";

    // The framing word last given of the pair `word` belongs to (such as "IDF" after "IDF\r");
    // empty when none was given.
    std::string Framing(std::string_view word) const;
    const std::array<std::string, 4>& Display() const { return m_display; }

protected:
    static std::string Accepted() { return std::string(kAccepted); }
    // The blank-separated words of a command's arguments.
    static std::vector<std::string_view> Words(std::string_view arguments);

    void Define(std::string word, Command command);
    void SetDisplayLine(std::size_t line, std::string text) {
        m_display.at(line) = std::move(text);
    }
    // A "KEY" command: the family moves through its menus.
    virtual void Key(std::string_view) {}

    std::optional<std::string> Answer(std::string_view line) override;

private:
    std::map<std::string, Command, std::less<>> m_commands;
    std::map<std::string, std::string, std::less<>> m_framing; // by the pair's first two letters
    std::array<std::string, 4> m_display;
};

} // namespace hb::engine::sim
