// The mixer calls on simulated cards, and on the machine's first ALSA card when there is one.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/Messages.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/mm/Mixer.h"
#include "platform/win/mm/SimAudio.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace mm = hb::win::mm;
namespace sim = hb::win::mm::sim;

class MixerTest : public hb::testkit::PlatformTest {
protected:
    MixerTest() { mm::ResetForTests(); }
    ~MixerTest() override { mm::ResetForTests(); }

    static DWORD Control(HMIXER mixer, DWORD component, DWORD type,
                         MIXERCONTROLA* found = nullptr) {
        MIXERLINEA line;
        line.dwComponentType = component;
        if (mixerGetLineInfoA(mixer, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != 0) {
            return 0xFFFFFFFF;
        }
        MIXERCONTROLA control;
        MIXERLINECONTROLSA controls;
        controls.dwLineID = line.dwLineID;
        controls.dwControlType = type;
        controls.pamxctrl = &control;
        if (mixerGetLineControlsA(mixer, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) != 0) {
            return 0xFFFFFFFF;
        }
        if (found) {
            *found = control;
        }
        return control.dwControlID;
    }
    static MMRESULT Get(HMIXER mixer, DWORD control, DWORD& value) {
        MIXERCONTROLDETAILS_UNSIGNED detail;
        MIXERCONTROLDETAILS details;
        details.dwControlID = control;
        details.paDetails = &detail;
        const MMRESULT result = mixerGetControlDetailsA(mixer, &details, 0);
        value = detail.dwValue;
        return result;
    }
    static MMRESULT Set(HMIXER mixer, DWORD control, DWORD value) {
        MIXERCONTROLDETAILS_UNSIGNED detail{value};
        MIXERCONTROLDETAILS details;
        details.dwControlID = control;
        details.paDetails = &detail;
        return mixerSetControlDetails(mixer, &details, 0);
    }
};

TEST_F(MixerTest, LinesControlsAndChangesOfASimulatedCard) {
    sim::AddCard({"Card", {"In"}, {"Out"}});
    sim::AddCard({"Bare", {"In"}, {}});
    sim::SetMixer(0, {.minimum = 10, .maximum = 90});
    sim::SetMixer(1, {.speaker = false, .waveOut = false});
    EXPECT_EQ(mixerGetNumDevs(), 2u);

    HMIXER bare = 0;
    ASSERT_EQ(mixerOpen(&bare, 1, 0, 0, 0), MMSYSERR_NOERROR);
    MIXERLINEA none;
    none.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    EXPECT_EQ(mixerGetLineInfoA(bare, &none, MIXER_GETLINEINFOF_COMPONENTTYPE), MIXERR_INVALLINE);
    EXPECT_EQ(mixerClose(bare), MMSYSERR_NOERROR);
    EXPECT_EQ(mixerClose(bare), MMSYSERR_INVALHANDLE) << "a handle is never good twice";

    hb::testkit::TestWindow window{{}};
    const auto heard = [&window] {
        std::vector<MSG> changes;
        for (const MSG& msg : window.Messages()) {
            if (msg.message == MM_MIXM_CONTROL_CHANGE) {
                changes.push_back(msg);
            }
        }
        return changes;
    };
    HMIXER mixer = 0;
    ASSERT_EQ(mixerOpen(&mixer, 0, window.hwnd().id(), 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    EXPECT_EQ(mm::OpenMixerCount(), 1u);
    MIXERCONTROLA volume;
    const DWORD speaker = Control(mixer, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS,
                                  MIXERCONTROL_CONTROLTYPE_VOLUME, &volume);
    EXPECT_EQ(volume.Bounds.dwMinimum, 10u);
    EXPECT_EQ(volume.Bounds.dwMaximum, 90u);
    const DWORD waveMute =
        Control(mixer, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERCONTROL_CONTROLTYPE_MUTE);
    DWORD value = 0;
    ASSERT_EQ(Get(mixer, speaker, value), MMSYSERR_NOERROR);
    EXPECT_EQ(value, 90u) << "a new card is at full volume";

    // Every change is posted, ours and another program's alike; out-of-range values are held.
    ASSERT_EQ(Set(mixer, speaker, 500), MMSYSERR_NOERROR);
    PumpUntilIdle();
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].wParam, mixer);
    EXPECT_EQ(static_cast<DWORD>(heard()[0].lParam), speaker);
    ASSERT_EQ(Get(mixer, speaker, value), MMSYSERR_NOERROR);
    EXPECT_EQ(value, 90u);
    sim::ChangeControl(0, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, MIXERCONTROL_CONTROLTYPE_MUTE, 1);
    PumpUntilIdle();
    ASSERT_EQ(heard().size(), 2u);
    EXPECT_EQ(static_cast<DWORD>(heard()[1].lParam), waveMute);

    // Bad arguments are refused, not trusted.
    MIXERCONTROLDETAILS twoChannels;
    MIXERCONTROLDETAILS_UNSIGNED detail;
    twoChannels.dwControlID = speaker;
    twoChannels.cChannels = 2;
    twoChannels.paDetails = &detail;
    EXPECT_EQ(mixerGetControlDetailsA(mixer, &twoChannels, 0), MMSYSERR_INVALPARAM);
    EXPECT_EQ(Set(mixer, 77, 1), MIXERR_INVALCONTROL);
    EXPECT_EQ(mixerOpen(&bare, 5, 0, 0, 0), MMSYSERR_BADDEVICEID);

    sim::FailMixerOpen(0);
    HMIXER failed = 0;
    EXPECT_NE(mixerOpen(&failed, 0, 0, 0, 0), MMSYSERR_NOERROR);
    mixerClose(mixer);
    EXPECT_EQ(mm::OpenMixerCount(), 0u);
}

TEST_F(MixerTest, NoSoundMeansNoMixer) {
    mm::UseBackend(mm::Backend::None);
    EXPECT_EQ(mixerGetNumDevs(), 0u);
    HMIXER mixer = 0;
    EXPECT_EQ(mixerOpen(&mixer, 0, 0, 0, 0), MMSYSERR_NODRIVER);
}

TEST_F(MixerTest, TheFirstAlsaCardsSpeakerVolumeAndMuteRoundTrip) {
    mm::UseBackend(mm::Backend::Alsa);
    HMIXER mixer = 0;
    if (mixerGetNumDevs() == 0 || mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) {
        GTEST_SKIP() << "no sound card here";
    }
    MIXERCONTROLA volume;
    const DWORD speaker = Control(mixer, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS,
                                  MIXERCONTROL_CONTROLTYPE_VOLUME, &volume);
    if (speaker == 0xFFFFFFFF) {
        mixerClose(mixer);
        GTEST_SKIP() << "the card has no speaker line";
    }
    DWORD before = 0;
    ASSERT_EQ(Get(mixer, speaker, before), MMSYSERR_NOERROR);
    const DWORD wanted = volume.Bounds.dwMinimum;
    ASSERT_EQ(Set(mixer, speaker, wanted), MMSYSERR_NOERROR);
    DWORD now = 0;
    ASSERT_EQ(Get(mixer, speaker, now), MMSYSERR_NOERROR);
    EXPECT_EQ(now, wanted);
    Set(mixer, speaker, before);
    const DWORD mute =
        Control(mixer, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_MUTE);
    if (mute != 0xFFFFFFFF) {
        DWORD muted = 0;
        ASSERT_EQ(Get(mixer, mute, muted), MMSYSERR_NOERROR);
        ASSERT_EQ(Set(mixer, mute, muted ? 0 : 1), MMSYSERR_NOERROR);
        DWORD flipped = 0;
        ASSERT_EQ(Get(mixer, mute, flipped), MMSYSERR_NOERROR);
        EXPECT_EQ(flipped, muted ? 0u : 1u);
        Set(mixer, mute, muted);
    }
    EXPECT_EQ(mixerClose(mixer), MMSYSERR_NOERROR);
}

} // namespace
