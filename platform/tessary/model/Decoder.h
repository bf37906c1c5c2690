#pragma once
// The model of a tone reader: a device beside a radio that decodes tones, DTMF and trunk IDs.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>

class Decoder {
public:
    // What a reader decodes.
    static constexpr std::uint32_t kCtcss = 0x01;
    static constexpr std::uint32_t kDcs = 0x02;
    static constexpr std::uint32_t kDtmf = 0x04;
    static constexpr std::uint32_t kTrunkIds = 0x08;

    struct Model {
        std::uint8_t type;
        const char* name;
        std::uint32_t decodes;
    };

    explicit Decoder(const Model& model) : m_model(model) {}
    virtual ~Decoder() = default;

    // A new reader of the type, or null for a type that is not known.
    static std::unique_ptr<Decoder> CreateDecoder(BYTE type);

    std::uint16_t TypeCode() const { return m_model.type; }
    const char* name() const { return m_model.name; }
    std::uint32_t decodes() const { return m_model.decodes; }

private:
    Model m_model;
};
