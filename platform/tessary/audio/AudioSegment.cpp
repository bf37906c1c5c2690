#include "platform/tessary/audio/AudioSegment.h"

#include "platform/tessary/audio/AudioCalls.h"

void CAudioSegment::Update() {
    hb::tessary::detail::RecordAudioCall(this, "Update", {});
}
