// Trunk-tracker commands: the engine acts on those that change its own scan, then hands every
// one to its device unchanged.

#include "platform/engine/Engine.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/PrivateMessages.h"
#include "platform/win/core/Clock.h"

#include <algorithm>

namespace hb::engine {

namespace rec = hb::records;

namespace {

// Key codes of the scanner key command that move the engine.
constexpr std::uint8_t kKeyScan = 0;
constexpr std::uint8_t kKeyHold = 3;
constexpr std::uint8_t kKeyResume = 4;
constexpr std::uint8_t kKeyMute = 24;
constexpr std::uint8_t kKeyHoldInCall = 25;
// The setting command's value that locks the current ID out.
constexpr std::uint16_t kSettingLockOutId = 6;

} // namespace

// An ID is the same caller whatever the flags of one call.
bool Engine::IsLockedOut(const UserId& id) const {
    return std::ranges::any_of(m_lockedIds, [&id](const UserId& out) {
        return out.get(UserId::kValue) == id.get(UserId::kValue) &&
               out.get(UserId::kKind) == id.get(UserId::kKind);
    });
}

void Engine::TrunkCommand(const EngineCommandRecord& record) {
    const std::uint8_t code = record.get(EngineCommandRecord::kCode);
    const std::uint8_t key = record.get(EngineCommandRecord::kSubCode);
    if (code == rec::kEngineCmdLockOutId ||
        (code == rec::kEngineCmdSetting &&
         record.get(EngineCommandRecord::kSecondHigh) == kSettingLockOutId)) {
        LockOutCallId();
    } else if (code == rec::kEngineCmdScannerKey) {
        if (key == kKeyScan || key == kKeyResume) {
            Request(Action::Resume);
        } else if (key == kKeyHold || key == kKeyHoldInCall) {
            Request(Action::Hold);
        } else if (key == kKeyMute) {
            m_muted = !m_muted;
            Notify(WM_RADIO_AUDIO_MODE, 0, m_muted ? 1 : 0);
        }
    }
    m_setup.receiver->TrunkCommand(record);
}

// Calls carrying the current call's ID are not heard from now on; the call itself ends.
void Engine::LockOutCallId() {
    const UserId id = InHit() ? m_hit.id : m_setup.receiver->CallId(hb::win::NowMs());
    if (!id.inUse()) {
        return;
    }
    if (!IsLockedOut(id)) {
        m_lockedIds.push_back(id);
    }
    if (!InHit()) {
        return;
    }
    if (m_phase == Phase::Manual) {
        EndHit();
    } else {
        Request(Action::Resume);
    }
}

} // namespace hb::engine
