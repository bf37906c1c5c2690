#pragma once
// The record of every call the program makes on the audio side (loggers, their segments and index
// views, and the mixer), so that tests can see what it asked. Each call is
// written as "Name(arg, arg)"; pointer arguments read "null" or the kind of thing passed.

#include <initializer_list>
#include <string>
#include <vector>

namespace hb::tessary {

struct AudioCall {
    // The logger, segment or view called; null for the mixer and the static operations.
    const void* object = nullptr;
    std::string text;
};

const std::vector<AudioCall>& AudioCalls();
// The texts of the calls made on one object, in order.
std::vector<std::string> AudioCallsOf(const void* object);

namespace detail {

inline std::string Arg(long long value) {
    return std::to_string(value);
}
inline std::string Arg(const void* pointer, const char* kind) {
    return pointer ? kind : "null";
}

void RecordAudioCall(const void* object, const char* name, std::initializer_list<std::string> args);
// Back to the start: no calls, the master mute off, the mixer without mappings or sources in use.
void ResetAudio();

} // namespace detail
} // namespace hb::tessary
