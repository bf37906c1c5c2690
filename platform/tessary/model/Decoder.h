#pragma once
// The model of a tone reader: a device beside a radio that decodes tones, DTMF and trunk IDs.

#include "platform/records/DecoderModel.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <memory>

class Decoder {
public:
    using Model = hb::records::DecoderModel;

    explicit Decoder(const Model& model) : m_model(model) {}
    virtual ~Decoder() = default;

    // A new reader of the type, or null for a type that is not known.
    static std::unique_ptr<Decoder> CreateDecoder(BYTE type);

    std::uint16_t TypeCode() const { return m_model.type; }
    const char* name() const { return m_model.name; }
    // kDecodesCtcss, ... of DecoderModel.h
    std::uint32_t decodes() const { return m_model.decodes; }

private:
    Model m_model;
};
