#include "platform/engine/ToneOutput.h"

#include "platform/records/DecoderModel.h"

namespace hb::engine {

namespace rec = hb::records;
using rec::Parm;
using rec::UserId;

namespace {

constexpr std::uint32_t kCtcssTenths[] = {670, 719, 770, 825, 885, 1000, 1318, 1622};
constexpr std::uint32_t kDcsCodes[] = {023, 025, 026, 031, 032, 043, 047, 051};
constexpr unsigned kOneCallInDtmf = 4;
constexpr std::size_t kFewestDigits = 3;
constexpr std::size_t kMostDigits = 7;
constexpr char kDtmfCharacters[] = "0123456789*#ABCD";
constexpr std::uint64_t kDtmfSalt = 0x7F047F047F047F04ull;

std::uint64_t Scramble(std::uint64_t x) {
    x = (x ^ (x >> 31)) * 0x7FB5D329728EA185ull;
    x = (x ^ (x >> 27)) * 0x81DADEF4BC2DD44Dull;
    return x ^ (x >> 33);
}

UserId Id(std::uint8_t kind, std::uint32_t value) {
    UserId id;
    id.set(UserId::kKind, kind);
    id.set(UserId::kValue, value);
    return id;
}

UserId ChosenTrunkId(std::uint64_t h) {
    switch (h % 3) {
    case 0:
        // area, repeater 1-20 and ID 1-254
        return Id(rec::kIdKindLtr,
                  (h >> 8) % 2 * 100000 + (1 + (h >> 12) % 20) * 1000 + 1 + (h >> 20) % 254);
    case 1:
        return Id(rec::kIdKindMotorola, 16 * (1 + (h >> 8) % 4000));
    default:
        return Id(rec::kIdKindMotorolaTypeII, 16 * (1 + (h >> 8) % 4000));
    }
}

} // namespace

UserId HeardToneId(const Parm& channel, std::uint32_t decodes, std::uint64_t seed) {
    const bool dcs = channel.get(Parm::Channel::kSquelchKind) == Parm::Channel::kSquelchKindDcs;
    if (channel.tone() != 0 && (decodes & (dcs ? rec::kDecodesDcs : rec::kDecodesCtcss)) != 0) {
        return Id(dcs ? rec::kIdKindDcs : rec::kIdKindCtcss, channel.tone());
    }
    const std::uint64_t h = Scramble(seed ^ (std::uint64_t{channel.get(Parm::kFrequency)} << 20));
    if ((decodes & rec::kDecodesTrunkIds) != 0) {
        return ChosenTrunkId(h);
    }
    const bool ctcss = (decodes & rec::kDecodesCtcss) != 0;
    const bool chooseDcs = (decodes & rec::kDecodesDcs) != 0 && (!ctcss || (h & 1) != 0);
    const std::uint64_t pick = (h >> 1) % 8;
    if (chooseDcs) {
        return Id(rec::kIdKindDcs, kDcsCodes[pick]);
    }
    return ctcss ? Id(rec::kIdKindCtcss, kCtcssTenths[pick]) : UserId{};
}

std::string HeardDtmf(const Parm& channel, std::uint32_t decodes, std::uint64_t seed,
                      std::int64_t startMs) {
    if ((decodes & rec::kDecodesDtmf) == 0) {
        return {};
    }
    const std::uint64_t h =
        Scramble(seed ^ kDtmfSalt ^ (std::uint64_t{channel.get(Parm::kFrequency)} << 20) ^
                 Scramble(static_cast<std::uint64_t>(startMs)));
    if (h % kOneCallInDtmf != 0) {
        return {};
    }
    std::string digits(kFewestDigits + (h >> 8) % (kMostDigits - kFewestDigits + 1), '0');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        digits[i] = kDtmfCharacters[Scramble(h + i) % (sizeof kDtmfCharacters - 1)];
    }
    return digits;
}

} // namespace hb::engine
