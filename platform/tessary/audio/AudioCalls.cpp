#include "platform/tessary/audio/AudioCalls.h"

#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/Mixer.h"

namespace hb::tessary {
namespace {

std::vector<AudioCall>& Calls() {
    static std::vector<AudioCall> calls;
    return calls;
}

} // namespace

const std::vector<AudioCall>& AudioCalls() {
    return Calls();
}

std::vector<std::string> AudioCallsOf(const void* object) {
    std::vector<std::string> texts;
    for (const AudioCall& call : Calls()) {
        if (call.object == object) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

namespace detail {

void RecordAudioCall(const void* object, const char* name,
                     std::initializer_list<std::string> args) {
    std::string text = std::string(name) + "(";
    const char* separator = "";
    for (const std::string& arg : args) {
        text += separator + arg;
        separator = ", ";
    }
    Calls().push_back({object, text + ")"});
}

void ResetAudio() {
    Calls().clear();
    CAudioLog::al_monitor_master_mute = 0;
    CMixer::ResetForTests();
}

} // namespace detail
} // namespace hb::tessary
