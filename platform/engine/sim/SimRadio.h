#pragma once
// A simulated radio at the far end of a link: it takes one line at a time (without its carriage
// return) and answers zero or one line. Every line it takes is journaled. Tests may make it fail
// on lines that start with a prefix (silent or garbled, for a count of lines), and may script the
// reply to a prefix, which overrides what the radio itself would answer.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine::sim {

enum class Fault { Silent, Garbled };

class SimRadio {
public:
    virtual ~SimRadio() = default;

    std::optional<std::string> Take(std::string_view line);

    const std::vector<std::string>& Journal() const { return m_journal; }
    void ClearJournal() { m_journal.clear(); }
    // The next `count` lines starting with `prefix` get the fault in place of their reply.
    void FailOn(std::string prefix, Fault fault, unsigned count = 1);
    // Lines starting with `prefix` are answered with `reply` from now on.
    void Script(std::string prefix, std::string reply);

protected:
    // The radio's own answer to a line.
    virtual std::optional<std::string> Answer(std::string_view line) = 0;

private:
    struct Failure {
        Fault fault = Fault::Silent;
        unsigned count = 0;
    };

    std::vector<std::string> m_journal;
    std::map<std::string, Failure> m_failures;
    std::map<std::string, std::string> m_scripts;
};

} // namespace hb::engine::sim
