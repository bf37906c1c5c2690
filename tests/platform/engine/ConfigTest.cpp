#include "EngineTest.h"
#include "platform/records/DecoderModel.h"
#include "platform/records/RadioModel.h"
#include "platform/testkit/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace hb::engine {
namespace {

namespace rec = hb::records;

class ConfigTest : public EngineTest {
protected:
    static constexpr const char* kPath = "/virtual/Config.ini";
};

TEST_F(ConfigTest, CheckAcceptsAFileWithOneRadioThatCanBeDriven) {
    EXPECT_TRUE(rec::IsFailureStatus(scan_config_check(kPath))); // no file at all
    hb::win::ini::Seed(kPath, "");
    EXPECT_TRUE(rec::IsFailureStatus(scan_config_check(kPath)));

    // Radio 1 has no port, radio 2 an unknown model; radio 4 is fine (3 is missing).
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=NoPort\nRadio#2=Odd\nRadio#4=Pro\n"
                              "[NoPort]\nType=2\n[Odd]\nType=7\nPort=SIM\n"
                              "[Pro]\nType=258\nPort=sim\n");
    EXPECT_EQ(scan_config_check(kPath), 0);
    WritePrivateProfileString("Pro", "Port", "COM1", kPath);
    EXPECT_TRUE(rec::IsFailureStatus(scan_config_check(kPath)));
    // A serial radio makes a usable configuration even while its port is not there.
    WritePrivateProfileString("Pro", "Port", "/dev/ttyUSB-none", kPath);
    EXPECT_EQ(scan_config_check(kPath), 0);
    EXPECT_EQ(scan_open_device("Pro", {}, 0), rec::kStatusNoSuchPort);

    EngineSim::SetConfigVerdict(rec::kStatusNotSupported);
    EXPECT_EQ(scan_config_check(kPath), rec::kStatusNotSupported);
    EXPECT_EQ(scan_config_check(nullptr), kStatusInvalidArgument);
}

TEST_F(ConfigTest, TheEngineDrivesEveryModelOfTheModelTables) {
    for (const rec::RadioModel& model : rec::RadioModels()) {
        hb::win::ini::Seed(kSettings,
                           "[Radio]\nType=" + std::to_string(model.type) + "\nPort=SIM\n");
        const std::uint16_t device = scan_open_device("Radio", {}, 0);
        EXPECT_FALSE(rec::IsFailureStatus(device)) << model.name;
        EXPECT_EQ(scan_close_device(device), 0) << model.name;
    }
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=Test\n[Test]\nType=254\nPort=SIM\n");
    EXPECT_EQ(scan_config_check(kPath), 0);
    // A type of neither table, and a tone reader type where a radio belongs.
    for (const int type : {7, 72}) {
        WritePrivateProfileString("Test", "Type", std::to_string(type).c_str(), kPath);
        EXPECT_TRUE(rec::IsFailureStatus(scan_config_check(kPath))) << type;
        EXPECT_EQ(scan_open_device("Test", {}, 0), rec::kStatusNotSupported) << type;
    }

    // Every tone reader of the table serves a tone engine; a radio type does not.
    EngineSim::SetSettingsFile(kSettings);
    std::vector<std::uint8_t> block = ThreeChannels();
    for (const rec::DecoderModel& model : rec::DecoderModels()) {
        hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Scanner\n[Scanner]\nType=254\n"
                                      "Port=SIM\n[Vela*Quin]\nToneReadersInstalled=1\n"
                                      "[Connections]\nReader#1=Radio#1\n"
                                      "[ToneReaders]\nReader#1=Reader\n[Reader]\nType=" +
                                          std::to_string(model.type) + "\nPort=SIM\n");
        const std::uint16_t engine = scan_create_single_tone("Scanner", block.data(), {}, 0);
        EXPECT_FALSE(rec::IsFailureStatus(engine)) << model.name;
        EXPECT_EQ(scan_destroy_engine(engine), 0) << model.name;
    }
    WritePrivateProfileString("Reader", "Type", "254", kSettings);
    EXPECT_EQ(scan_create_single_tone("Scanner", block.data(), {}, 0), rec::kStatusDecoderFailure);
}

TEST_F(ConfigTest, InitNeverWritesARadioIntoTheUsersFile) {
    // An empty file, and one whose radio cannot be driven, stay as they are.
    for (const char* text : {"", "[Settings]\nUseCompactView=1\n[Radios]\nRadio#1=Old\n"
                                 "[Old]\nType=0\n[Simulated Radio]\nNote=taken\n"}) {
        hb::win::ini::Seed(kPath, text);
        const std::string before = hb::win::ini::Dump(kPath);
        const std::size_t writes = IniWrites(kPath).size();
        EXPECT_TRUE(rec::IsFailureStatus(scan_config_init(kPath)));
        EXPECT_EQ(IniWrites(kPath).size(), writes);
        EXPECT_EQ(hb::win::ini::Dump(kPath), before);
        EXPECT_TRUE(rec::IsFailureStatus(scan_config_check(kPath)));
    }

    // A usable file is taken up as the engine's settings file, unchanged, and its radio runs.
    hb::win::ini::Seed(kPath, "[Radios]\nRadio#1=Pro\n[Pro]\nType=2\nPort=SIM\n");
    const std::size_t writes = IniWrites(kPath).size();
    EXPECT_EQ(scan_config_init(kPath), 0);
    EXPECT_EQ(IniWrites(kPath).size(), writes);
    const std::vector<std::uint8_t> block = ThreeChannels();
    EXPECT_FALSE(rec::IsFailureStatus(scan_create_single_engine("Pro", block.data(), {}, 0)));
}

TEST_F(ConfigTest, ComPortsAreTheMachinesSerialDevicesAndTheScriptedOnes) {
    std::optional<hb::testkit::TempFolder> ports{"hbports"};
    const std::string folder = ports->Path();
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "tty0", "ttyS", "null"}) {
        std::ofstream(folder + "/" + name) << "";
    }
    EngineSim::SetSerialDeviceFolder(folder);
    EngineSim::AddComPort(folder + "/ttyUSB7");
    EngineSim::AddComPort(folder + "/ttyS2");
    EXPECT_EQ(CGlobalRadioConfig::EnumerateLocalComPorts(),
              (std::vector<std::string>{folder + "/ttyS2", folder + "/ttyS10", folder + "/ttyUSB0",
                                        folder + "/ttyUSB7", folder + "/ttyACM1"}));
    ports.reset();

    EngineSim::SetSerialDeviceFolder(folder); // gone: only the scripted ones remain
    EXPECT_EQ(CGlobalRadioConfig::EnumerateLocalComPorts().size(), 2u);
}

} // namespace
} // namespace hb::engine
