// The transfer dialogs on a real X server (Xvfb): the bank choice of a 20-bank radio, the summary
// of a lettered radio, the progress window while a command waits for the radio, while a memory
// radio is read, while a type-43 scanner's talkgroup is written, while a type-35 radio's user IDs
// are written and while a type-45 radio's FIPS codes are written, and a bank's trunk settings when
// an ID read from the radio does not fit them, each with every text whole.
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/device/Type43Lines.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/model/ConvertUser.h"
#include "platform/tessary/model/Group.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/core/WaitSource.h"
#include "programming/LoadInfoDlg.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TransferCursor.h"
#include "resources/program/TransferIds.h"
#include "tests/app/programming/FaultyDevice.h"
#include "tests/app/programming/TransferTest.h"

#include <functional>
#include <thread>

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::testkit::ArtefactPath;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class TransferOnScreenTest : public TransferTest {
protected:
    void SetUp() override { screen.Start(); }

    void TearDown() override {
        if (user.joinable()) {
            user.join();
        }
        screen.Stop();
        TransferTest::TearDown();
    }

    // Photographs the window of `caption` from another thread, then sends `hwnd` IDCANCEL. What
    // was drawn last is on the screen first, even when the loop has not waited since.
    void Photograph(const std::string& caption, HWND hwnd, const std::string& file) {
        if (hb::win::WaitSource* source = hb::win::GetWaitSource()) {
            source->PrepareToWait();
        }
        user = std::thread([this, caption, hwnd, file] {
            auto driver = XDriver::Connect(screen.name());
            const auto window = driver ? driver->FindWindow(caption, 30s) : std::nullopt;
            if (!window || !driver->WaitUntilPainted(*window, 30s)) {
                failure = caption + " never showed";
            } else {
                driver->Screenshot(*window, ArtefactPath(file));
            }
            PostMessage(hwnd, WM_COMMAND, IDCANCEL, 0);
        });
    }

    // Devices opened for `section` from now on are those of "Real" that stay busy from a request
    // of the kind once `ready` held for the transfer's progress window at the request before, so
    // that the window has painted what it shows; it is then photographed until Stop.
    void StallWhen(const std::string& section, hb::engine::RequestKind kind, const CLoader& loader,
                   std::function<bool(HWND progress)> ready, const std::string& file) {
        FaultyDevice::Install(
            section, "Real",
            {kind, 0, FaultyDevice::Fault::StayBusy, 0,
             [this, &loader, ready = std::move(ready), file](hb::engine::RequestKind) {
                 const HWND progress = loader.m_progress.m_hWnd;
                 if (stalled || !::IsWindow(progress) || !(armed || ready(progress))) {
                     return false;
                 }
                 if (!armed) {
                     armed = true;
                     return false;
                 }
                 stalled = true;
                 ::RedrawWindow(progress, nullptr,
                                RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                 Photograph("Data Transfer", progress, file);
                 return true;
             }});
    }

    // Whether the progress window's channel field shows the text.
    static std::function<bool(HWND progress)> ChannelShows(std::string text) {
        return [text = std::move(text)](HWND progress) {
            char shown[16] = {};
            ::GetWindowText(::GetDlgItem(progress, tr::kChannel), shown, sizeof shown);
            return shown == text;
        };
    }
    // The group written with bank A alone or none chosen, and Settings or not, until the radio
    // stalls and the window is photographed.
    void WriteUntilStalled(CLoader& writing, CGroupDoc& doc, bool bankA, bool settings) {
        ::SetWindowPos(owner.wnd.m_hWnd, HWND{}, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        hb::afx::SetModalScript(tr::kBankDialog, [bankA, settings](CDialog& dialog) {
            for (UINT n = 0; n < tr::kBankCount; ++n) {
                dialog.CheckDlgButton(static_cast<int>(tr::kBankA + n), n == 0 && bankA ? 1 : 0);
            }
            dialog.CheckDlgButton(tr::kSettings, settings ? 1 : 0);
            hb::afx::ClickButton(dialog.m_hWnd, IDOK);
        });
        EngineSim::ExpectMessage(33, 1);
        writing.Download(doc.GetGroup(), nullptr, &doc, &owner.wnd);
        user.join();
        EXPECT_EQ(failure, "");
        EXPECT_TRUE(boxes.empty());
        EXPECT_TRUE(stalled);
    }

    hb::testkit::ScreenSession screen;
    std::thread user;
    bool armed = false;
    bool stalled = false;
    std::string failure;
};

TEST_F(TransferOnScreenTest, TheBankChoiceOfATwentyBankRadio) {
    loader.m_bank_dialog.SetShownBanks(20);
    loader.m_bank_dialog.SetCaption("Transfer PC to Radio");
    hb::afx::SetModalScript(tr::kBankDialog, [this](CDialog& dialog) {
        Photograph("Transfer PC to Radio", dialog.m_hWnd, "transfer-bank-dialog.png");
    });
    EXPECT_EQ(loader.m_bank_dialog.DoModal(), IDCANCEL);
    user.join();
    EXPECT_EQ(failure, "");
}

TEST_F(TransferOnScreenTest, TheSummaryOfALetteredRadio) {
    const auto radio = Radio::CreateRadio(43);
    TransferCursor cursor;
    cursor.radio = radio.get();
    cursor.total = 1000;
    cursor.radioStartBank = cursor.docStartBank = 1;
    cursor.radioStartChannel = cursor.docStartChannel = 1;
    cursor.KeepSaved();
    hb::afx::SetModalScript(tr::kReadInfoDialog, [this](CDialog& dialog) {
        Photograph("Radio to PC", dialog.m_hWnd, "transfer-summary.png");
    });
    CLoadInfoDlg dialog(cursor, true, &owner.wnd);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    user.join();
    EXPECT_EQ(failure, "");
}

TEST_F(TransferOnScreenTest, TheProgressWindowWhileTheRadioIsAsked) {
    Connect();
    CLoadProgressDlg& progress = loader.m_progress;
    progress.SetDirection("PC to Radio");
    progress.SetRigName("Trunk");
    progress.SetDocument("County Police.swg");
    progress.SetBank(2);
    progress.SetChannel(17);
    progress.SetFrequency("  155.475000");
    progress.SetCurrentItem("Car to car");
    // The radio stays busy until Stop.
    EngineSim::PatchStatus(rig->m_device, hb::records::DeviceStatus::kBusy.kOffset, 1);
    loader.m_reply_timeout = 120'000;
    Photograph("Data Transfer", progress.m_hWnd, "transfer-progress.png");
    EXPECT_EQ(loader.SendCommand("MA017\r", 1, &progress), 1);
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TransferOnScreenTest, TheProgressWindowWhileAMemoryRadioIsRead) {
    const std::string radio = "Type=2\nPort=SIM\nMemories=146520000, 146550000\n";
    Settings("[Trunk]\nType=43\nPort=SIM\n[Memory]\n" + radio + "[Real]\n" + radio);
    AddRig("Memory", 2);
    CLoader reading;
    // Once a memory is shown, the radio stops answering: the window shows it until Stop.
    StallWhen(
        "Memory", hb::engine::RequestKind::MemRead, reading,
        [](HWND progress) {
            return ::GetWindowTextLength(::GetDlgItem(progress, tr::kFrequency)) != 0;
        },
        "transfer-generic-progress.png");
    // The window opens over the middle of its owner.
    ::SetWindowPos(owner.wnd.m_hWnd, HWND{}, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    CGroupDoc doc;
    doc.NewGroup(2);
    hb::afx::SetModalScript(tr::kReadInfoDialog,
                            [](CDialog& dialog) { hb::afx::ClickButton(dialog.m_hWnd, IDOK); });
    reading.Upload(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(boxes.empty());
    ASSERT_FALSE(doc.GetGroup()->banks().empty());
    EXPECT_EQ(doc.GetGroup()->banks()[0]->members()[0]->frequency(), 146'520'000u);
}

TEST_F(TransferOnScreenTest, TheProgressWindowWhileATrunkScannersTalkgroupIsWritten) {
    const std::string radio = "Type=43\nPort=SIM\n";
    Settings("[Trunk]\n" + radio + "[Real]\n" + radio);
    CLoader writing;
    // Once the first talkgroup is shown, the radio stops answering: the window shows its slot
    // until Stop.
    StallWhen(
        "Trunk", hb::engine::RequestKind::RawCommand, writing,
        [](HWND progress) {
            char label[16] = "";
            ::GetWindowText(::GetDlgItem(progress, tr::kItemLabel), label, sizeof label);
            return std::string_view(label) == "ID Code:";
        },
        "transfer-type43-progress.png");
    ::SetWindowPos(owner.wnd.m_hWnd, HWND{}, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    CGroupDoc doc;
    doc.NewGroup(43);
    auto bank = std::make_unique<Bank>();
    bank->trunkType = 1;
    bank->fleetMap.fill(4);
    auto entry = std::make_unique<UserIdEntry>();
    ASSERT_EQ(convert_user("200-01", &entry->id(), 1, bank->fleetMap), 0);
    entry->setTag("Fire Dispatch");
    bank->addUserId(std::move(entry));
    doc.GetGroup()->addBank(std::move(bank));
    EngineSim::ExpectMessage(33, 1);
    hb::afx::SetModalScript(tr::kBankDialog, [](CDialog& dialog) {
        hb::afx::ClickButton(dialog.m_hWnd, tr::kClearAll);
        dialog.CheckDlgButton(tr::kBankA, 1);
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    writing.Download(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(stalled);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TransferOnScreenTest, TheProgressWindowWhileAType35RadiosUserIdsAreWritten) {
    const std::string radio = "Type=35\nPort=SIM\n";
    Settings("[Trunk]\nType=43\nPort=SIM\n[Scanner]\n" + radio + "[Real]\n" + radio);
    AddRig("Scanner", 35);
    CGroupDoc doc;
    doc.NewGroup(35);
    Radio::CreateRadio(35)->ConformGroup(*doc.GetGroup());
    Bank& bank = *doc.GetGroup()->banks()[0];
    bank.trunkType = 1;
    bank.fleetMap.fill(2);
    for (const char* id : {"012-03", "i01234"}) {
        auto& entry = bank.addUserId(std::make_unique<UserIdEntry>());
        ASSERT_EQ(convert_user(id, &entry.id(), bank.trunkType, bank.fleetMap), 0);
    }
    CLoader writing;
    // Once the first slot is shown, the radio stops answering: the window shows it until Stop.
    StallWhen("Scanner", hb::engine::RequestKind::RawCommand, writing, ChannelShows("A1"),
              "transfer-type35-user-ids.png");
    WriteUntilStalled(writing, doc, true, false);
}

TEST_F(TransferOnScreenTest, TheProgressWindowWhileAType45RadiosFipsCodesAreWritten) {
    const std::string radio = "Type=45\nPort=SIM\n";
    Settings("[Trunk]\nType=43\nPort=SIM\n[Scanner]\n" + radio + "[Real]\n" + radio);
    AddRig("Scanner", 45);
    CGroupDoc doc;
    doc.NewGroup(45);
    Radio::CreateRadio(45)->ConformGroup(*doc.GetGroup());
    RadioSettingsRecord::Fetch(doc.GetGroup()->records()).SetFipsText("012345\r\n067890\r\n");
    CLoader writing;
    // Once the second slot is shown, the radio stops answering: the window shows it until Stop.
    StallWhen("Scanner", hb::engine::RequestKind::RawCommand, writing, ChannelShows("02"),
              "transfer-type45-fips.png");
    WriteUntilStalled(writing, doc, false, true);
}

TEST_F(TransferOnScreenTest, TheBankSettingsWhenAnIdReadDoesNotFitThem) {
    Settings("[Trunk]\nType=43\nPort=SIM\n[Scanner]\nType=17\nPort=SIM\n");
    AddRig("Scanner", 17);
    // The radio holds a trunk frequency in list A, and a Type I ID.
    hb::engine::sim::SimRadio& held = hb::engine::sim::RadioNamed("Scanner");
    hb::records::Parm record;
    record.set(hb::records::Parm::kMemoryChannel, 1);
    record.set(hb::records::Parm::kFrequency, 851'012'500);
    record.set(hb::records::Parm::Channel::kTrunkWord, hb::records::Parm::Channel::kTrunkFrequency);
    for (const std::string& line :
         {std::string("MUN"), hb::engine::type43::MemoryWriteLine(record), std::string("MUA"),
          std::string("KEY21 A"), std::string("IC A1"), std::string("KEY02 2"),
          std::string("KEY02 0"), std::string("KEY02 0"), std::string("KEY03"),
          std::string("KEY02 0"), std::string("KEY02 1"), std::string("KEY04"),
          std::string("KEY13")}) {
        held.Take(line);
    }
    ::SetWindowPos(owner.wnd.m_hWnd, HWND{}, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    CGroupDoc doc;
    doc.NewGroup(17);
    doc.GetGroup()->setName("County Trunk");
    auto bank = std::make_unique<Bank>();
    bank->number = 1;
    bank->trunkType = 1;
    bank->fleetMap = {12, 12, 0, 0, 0, 0, 0, 0};
    bank->addMember(std::make_unique<Chan>());
    bank->addUserId(std::make_unique<UserIdEntry>());
    Bank& listA = doc.GetGroup()->addBank(std::move(bank));
    EngineSim::ExpectMessage(12, 1);
    EngineSim::ExpectMessage(34, 1);
    hb::afx::SetModalScript(tr::kBankDialog, [](CDialog& dialog) {
        hb::afx::ClickButton(dialog.m_hWnd, tr::kClearAll);
        dialog.CheckDlgButton(tr::kBankA, 1);
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    });
    hb::afx::SetModalScript("CRadioBankSettings", [this](CDialog& dialog) {
        Photograph("Bank Settings", dialog.m_hWnd, "transfer-bank-settings.png");
    });
    CLoader reading;
    reading.Upload(doc.GetGroup(), nullptr, &doc, &owner.wnd);
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(boxes.empty());
    // Cancelled: the bank and its entry stay as they were.
    EXPECT_EQ(listA.fleetMap[2], 0);
    EXPECT_FALSE(listA.userIds()[0]->id().inUse());
}

} // namespace
} // namespace hb::app::test
