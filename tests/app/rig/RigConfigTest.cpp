#include "platform/tessary/model/Decoder.h"
#include "radioview/ParmValue.h"
#include "tests/app/rig/RigTest.h"

namespace hb::app::test {
namespace {

constexpr LPCSTR kSection = "Software\\Corvanta\\Halbridge Pro\\Alpha";

class RigConfigTest : public RigTest {
protected:
    static HKEY Key(HKEY root, LPCSTR path) {
        HKEY key;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    static void SetBinary(LPCSTR name, const std::vector<BYTE>& data) {
        const HKEY key = Key(HKEY_CURRENT_USER, kSection);
        RegSetValueEx(key, name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
};

TEST_F(RigConfigTest, AudioLinesViewTypeAndTrunkFlagFollowTheSettings) {
    Settings("[Alpha]\nAudioInput=-2\nAudioOutput=5\nAudioMonitor=7\nAudioDSPRole=3\n"
             "[Bravo]\nAudioInput=-5\n[Charlie]\nAudioInput=-3\n");
    app.WriteProfileInt("Alpha", "ViewType", 255);
    app.WriteProfileInt("Bravo", "ViewType", 0);
    app.WriteProfileInt("Bravo", "SetupWizard", 0);
    app.WriteProfileInt("Trunk", "ViewType", 0);
    app.WriteProfileInt("Later", "ViewType", 0);
    CRig* alpha = AddRig("Alpha", kScanner);
    CRig* bravo = AddRig("Bravo", kScanner);
    CRig* charlie = AddRig("Charlie", kScanner);
    CRig* trunk = AddRig("Trunk", kTrunkTracker);

    EXPECT_EQ(alpha->m_audio_input, -1);
    EXPECT_EQ(alpha->m_audio_output, 5);
    EXPECT_EQ(alpha->m_audio_monitor, 7);
    EXPECT_EQ(alpha->m_audio_dsp_role, 3);
    EXPECT_EQ(bravo->m_audio_input, -5);
    EXPECT_EQ(bravo->m_audio_output, -1);
    EXPECT_EQ(bravo->m_audio_monitor, -4);
    EXPECT_EQ(bravo->m_audio_dsp_role, 1);
    EXPECT_EQ(charlie->m_audio_input, -1);
    EXPECT_EQ(alpha->m_setup_wizard, 1u);
    EXPECT_EQ(bravo->m_setup_wizard, 0u);

    EXPECT_EQ(alpha->m_view_type, 1);
    EXPECT_EQ(bravo->m_view_type, 0);
    EXPECT_EQ(charlie->m_view_type, 1);
    EXPECT_EQ(trunk->m_view_type, 1);
    EXPECT_EQ(trunk->m_trunk, 0xFF);
    EXPECT_EQ(AddRig("System", kSystemScanner)->m_trunk, 0xFF);
    EXPECT_EQ(charlie->m_trunk, 0);
    const HKEY machine = Key(HKEY_LOCAL_MACHINE, "Software\\Corvanta\\Halbridge Pro\\Settings");
    const BYTE on[] = {1, 0, 0, 0};
    RegSetValueEx(machine, "DisableScanMode", 0, REG_DWORD, on, sizeof on);
    RegCloseKey(machine);
    EXPECT_EQ(AddRig("Later", kScanner)->m_view_type, 1);

    EXPECT_EQ(std::vector<CRig*>(CRigList::Get().begin(), CRigList::Get().begin() + 4),
              (std::vector<CRig*>{alpha, bravo, charlie, trunk}));
}

TEST_F(RigConfigTest, TheToneReaderIsTheFirstInstalledWhoseConnectionNamesTheRadioExactly) {
    Settings("[Vela*Quin]\nToneReadersInstalled=3\n"
             "[Connections]\nReader#1=Link1\nReader#2=Link2\nReader#3=Link3\nReader#4=Link4\n"
             "[Radios]\nLink1=alpha\nLink2=Alpha\nLink3=Alpha\nLink4=Bravo\n"
             "[ToneReaders]\nReader#1=A\nReader#2=B\nReader#3=C\nReader#4=D\n"
             "[B]\nType=12\n[D]\nType=12\n");
    CRig* alpha = AddRig("Alpha", kScanner);
    EXPECT_EQ(alpha->m_tone_reader, "B");
    ASSERT_NE(alpha->m_decoder, nullptr);
    EXPECT_EQ(alpha->m_decoder->TypeCode(), 12);
    CRig* bravo = AddRig("Bravo", kScanner);
    EXPECT_EQ(bravo->m_tone_reader, "");
    EXPECT_EQ(bravo->m_decoder, nullptr);
}

TEST_F(RigConfigTest, SweepSettingsAreReadAndWrittenAtExactlyTheirSize) {
    std::vector<BYTE> span(parm::kSize);
    for (std::size_t i = 0; i < span.size(); ++i) {
        span[i] = static_cast<BYTE>(i + 1);
    }
    SetBinary("SpanParm", span);
    SetBinary("ScopeParm", std::vector<BYTE>(parm::kSize + 1, 0x55));
    CRig* alpha = AddRig("Alpha", kScanner);
    EXPECT_TRUE(std::ranges::equal(alpha->m_span_parm.bytes(), span));
    EXPECT_EQ(alpha->m_scope_parm, parm{});

    alpha->m_scope_parm.set(parm::kStart, 118'000'000);
    delete alpha;
    const HKEY key = Key(HKEY_CURRENT_USER, kSection);
    parm stored;
    EXPECT_TRUE(ReadParmValue(key, "SpanParm", stored));
    EXPECT_TRUE(std::ranges::equal(stored.bytes(), span));
    EXPECT_TRUE(ReadParmValue(key, "ScopeParm", stored));
    EXPECT_EQ(stored.get(parm::kStart), 118'000'000u);
    RegCloseKey(key);
}

TEST_F(RigConfigTest, RigsAreFoundByNameOrSectionInAnyCaseAndOnlyKeptOnesSurviveAReload) {
    CRig* alpha = AddRig("Alpha", kScanner);
    CRig* bravo = AddRig("Bravo", kScanner);
    CRig* kept = AddRig("Kept", kScanner);
    bravo->m_section = "Bravo Desk";
    kept->m_permanent = 1;
    EXPECT_EQ(CRig::FindByName("ALPHA"), alpha);
    EXPECT_EQ(CRig::FindByName("bravo desk"), bravo);
    EXPECT_EQ(CRig::FindByName("Charlie"), nullptr);

    CRig::s_selection[1] = kept;
    CRig::DeleteTransient();
    EXPECT_EQ(std::vector<CRig*>(CRigList::Get().begin(), CRigList::Get().end()),
              std::vector<CRig*>{kept});
    EXPECT_EQ(CRig::s_selection[1], nullptr);
}

} // namespace
} // namespace hb::app::test
