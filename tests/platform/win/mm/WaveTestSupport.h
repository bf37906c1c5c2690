#pragma once
#include "platform/testkit/TestWindow.h"
#include "platform/win/mm/Wave.h"

#include <vector>

namespace hb::win::mm::test {

// 8,000 samples a second, 16-bit mono: 16 bytes a millisecond.
inline WAVEFORMATEX VoiceFormat() {
    WAVEFORMATEX format;
    format.nSamplesPerSec = 8000;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = 16000;
    return format;
}

// A buffer and its header, kept together for as long as a device may hold them.
struct Buffer {
    explicit Buffer(DWORD bytes, char fill = 0) : data(bytes, fill) {
        header.lpData = data.data();
        header.dwBufferLength = bytes;
    }
    std::vector<char> data;
    WAVEHDR header;
};

// The wave messages the window received, in order.
inline std::vector<UINT> WaveMessages(const hb::testkit::TestWindow& window) {
    std::vector<UINT> ids;
    for (const MSG& msg : window.Messages()) {
        if (msg.message >= MM_WOM_OPEN && msg.message <= MM_WIM_DATA) {
            ids.push_back(msg.message);
        }
    }
    return ids;
}

} // namespace hb::win::mm::test
