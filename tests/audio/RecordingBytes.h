#pragma once
// Recording files built byte by byte, for reading them back: the header, the wave format, the area
// and records whose fields a test sets as it likes.
#include "platform/records/SwqFileHeader.h"
#include "platform/records/Wlseg.h"

#include <cstdint>
#include <string>

namespace hb::audio::test {

class RecordingBytes {
public:
    explicit RecordingBytes(std::uint32_t bytesPerSecond = 8000, std::uint32_t area = 18) {
        hb::records::SwqFileHeader header;
        header.set(header.kMagic, header.kMagicValue);
        header.set(header.kVersion, header.kVersionValue);
        header.set(header.kAreaLength, area);
        hb::records::SwqWaveFormat format;
        format.set(format.kAverageBytesPerSecond, bytesPerSecond);
        bytes.assign(reinterpret_cast<const char*>(header.data()), header.kSize);
        bytes.append(reinterpret_cast<const char*>(format.data()), format.kSize);
        bytes.resize(header.kSize + area, '\0');
    }

    // A record at the end with a payload of `payload` bytes (of which `written` are there).
    wlseg Add(std::uint32_t frequency, std::uint32_t payload, std::uint32_t written) {
        wlseg header = Valid(static_cast<std::uint32_t>(bytes.size()), frequency, payload);
        Append(header, written);
        return header;
    }
    static wlseg Valid(std::uint32_t offset, std::uint32_t frequency, std::uint32_t payload) {
        wlseg header;
        header.set(wlseg::kOwnOffset, offset);
        header.set(wlseg::kPayloadLength, payload);
        dal record;
        record.set(dal::kKind, 2);
        record.set(dal::kState, 2);
        record.set(dal::kFrequency, frequency);
        record.set(dal::kTime, 1'000'000);
        record.setText(dal::kName1, "Subject");
        header.set(wlseg::kDal, record);
        return header;
    }
    void Append(const wlseg& header, std::uint32_t payloadBytes) {
        bytes.append(reinterpret_cast<const char*>(header.data()), header.kSize);
        bytes.append(payloadBytes, '\x11');
    }

    std::string bytes;
};

} // namespace hb::audio::test
