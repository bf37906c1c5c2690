#include "platform/tessary/app/Reset.h"

#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/audio/AudioCalls.h"

namespace hb::tessary {

void ResetAppForTests() {
    detail::ResetAppHooks();
    detail::ResetAudio();
}

} // namespace hb::tessary
