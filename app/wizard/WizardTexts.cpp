#include "app/wizard/WizardTexts.h"

#include "resources/ResourceIds.h"

#include <vector>

namespace {

constexpr const char* kScanListTitle = "Scan List Setup Wizard";

constexpr const char* kTaskPrompt = "Please select what you would like to do:";
constexpr const char* kNoValidScanList =
    "{P} has detected that this radio does not have a valid scan list. In order to operate it, "
    "you must create a scan list to use with this radio using one of these methods:";
constexpr const char* kTransferSelected =
    "{P} is ready to transfer the selected group file to the radio.\n\n"
    "WARNING: the frequencies stored in the radio's memory now will be erased and replaced by "
    "those of the group.\n\n"
    "Press FINISH to begin the transfer.";
constexpr const char* kStartScanningLine =
    "You can start scanning directly by pressing this button on the tool bar:";
constexpr const char* kStartScanningFinish = "Press the FINISH button to start the Scanning now.";
constexpr const char* kCreateGroupFinish =
    "Press the FINISH button to create your new group file now.";

// Track 0, getting started.
std::vector<WizardStepText> GettingStarted() {
    return {
        {0, 0, "Welcome to {P}!", "Getting Started",
         "This wizard will help you get started. It is strongly recommended that you use this "
         "wizard to familiarize yourself with this product.\n\nAt each step press NEXT to "
         "proceed, or BACK to go back to the previous step.\n\nOf course, you can press CANCEL "
         "to exit the wizard at any time."},
        {0,
         1,
         "Task Selection",
         "Task Selection",
         kTaskPrompt,
         {"My radio does not have any frequencies programmed yet.",
          "My radio is already programmed - I want to start scanning now.",
          "Get frequencies from the Internet.", "Create a group file to store frequencies.",
          "More choices..."}},
        {0,
         2,
         "Task Selection",
         "More Task Selections",
         kTaskPrompt,
         {"Program a radio from an existing group file.", "Perform spectrum analysis on a band.",
          "Copy radio memory to a group file.", "Search a band for activity using the band scope.",
          "Review previously recorded audio with the audio player."}},
        {0, 100, "Radio Type Mismatch", "About Radio Types and Memory Organization",
         "The operation you attempted could not be completed because the organization of the "
         "group file did not match the selected radio.\n\nEvery group file is made for one type "
         "of radio, and its banks follow that radio's memory. Choose a group file made for this "
         "radio, or create a new one for it, and try again.\n\nPress FINISH to close the wizard."},
        {0, 1001, "Initial Scanning Steps", "Starting Out with Scanning",
         "The first step in scanning is to create a group file that will store frequency and "
         "talk group information that you will program into your scanner.\n\nNext you name the "
         "new group file and choose its radio. The wizard opens the group for you to enter "
         "frequencies, and later transfers them to the radio.\n\nPress NEXT to continue."},
        {0,
         1002,
         "Name Your New Group",
         "About Group Files",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Initial Scanning Steps"},
        {0,
         1003,
         "Create New Group",
         "Ready to Create Your New Group File",
         "The wizard is ready to create your new group file. Once the file is created, it will "
         "be displayed for you so you can enter frequencies and talk groups.\n\nIMPORTANT: Once "
         "you have added a few frequencies, close the group, this wizard will start up again to "
         "guide you through the rest of the process.",
         {},
         "To return to the wizard later, press this button on the tool bar:",
         kCreateGroupFinish,
         ID_TOOLS_WIZARD},
        {0, 1010, "Transfer Group to Radio", "Ready to Transfer",
         "{P} is ready to transfer the your new group file to the radio.\n\nYou may choose the "
         "banks to transfer; transfer them all to make the radio match the group.\n\nNote: this "
         "operation may take several minutes or longer.\n\nWARNING: the frequencies stored in "
         "the radio's memory now will be erased.\n\nPress NEXT to begin the transfer."},
        {0,
         1011,
         "Ready to Start Scanning",
         "Ready to Start Scanning",
         "{P} is ready to begin scanning.\n\n",
         {},
         kStartScanningLine,
         kStartScanningFinish,
         IDI_START_SCANNING},
        {0, 1200, "Finding Frequencies on the Internet", "About the Web Grabber",
         "{P} includes the Web Grabber tool to assist you in capturing frequencies and talk "
         "group infomation from web pages that you browse on the Internet.\n\nOpen a page that "
         "lists frequencies and the Web Grabber picks them up, ready to be stored in a group "
         "file.\n\nPress NEXT to continue."},
        {0,
         1201,
         "Finding Frequencies on the Internet",
         "Ready to run the Web Grabber",
         "The Web Grabber tool is used to extract frequencies and talk group information from "
         "web pages that you browse on the Internet.",
         {},
         "You can run the Web Grabber directly by pressing this button on the tool bar:",
         "Press the FINISH button to run the Web Grabber now.",
         IDR_WEB_GRABBER},
        {0,
         1300,
         "Name Your New Group",
         "About Group Files",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Create New Group File"},
        {0,
         1301,
         "Create New Group",
         "Ready to Create Your New Group File",
         "Your new group file is ready to be created.",
         {},
         "You can create a new group file directly by pressing this button on the tool bar:",
         kCreateGroupFinish,
         IDI_NEW_GROUP},
        {0,
         1500,
         "Band Activity Search",
         "Frequency Range to Search",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Band Activity Search"},
        {0,
         1501,
         "Band Activity Search",
         "Ready to Run Band Scope",
         "The Band Scope tool is used to search a frequency band for activity. It sweeps the "
         "range you entered over and over and shows where signals are heard.",
         {},
         "You can run the Band Scope directly by pressing this button on the tool bar:",
         "Press the FINISH button to start the Band Scope now.",
         IDR_BAND_SCOPE},
        {0,
         1600,
         "Audio Player",
         "Ready to Run Audio Player",
         "The audio player is used to review previously recorded sound bites. It lists the "
         "recordings of every radio and plays them back.",
         {},
         "You can run the Audio Player directly by pressing this button on the tool bar:",
         "Press the FINISH button to start the Audio Player now.",
         IDR_AUDIO_PLAYER},
        {0,
         1700,
         "Transfer Group to Radio",
         "Select Group File",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Transfer Group to Radio"},
        {0, 1701, "Transfer Group to Radio", "Ready to Transfer", kTransferSelected},
        {0,
         1800,
         "Spectrum Analyzer",
         "Frequency Range to Examine",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Spectrum Analyzer"},
        {0,
         1801,
         "Spectrum Analysis",
         "Ready to Run the Spectrum Analyzer",
         "The Spectrum Analyzer tool is used to examine the signal strength in a frequency "
         "range. It draws the level of every step of the range as it sweeps.",
         {},
         "You can run the Spectrum Analyzer directly by pressing this button on the tool bar:",
         "Press the FINISH button to start the Spectrum Analyzer now.",
         IDR_SPECTRUM_ANALYZER},
        {0,
         1900,
         "Transfer Radio to Group",
         "Select Group File",
         nullptr,
         {},
         nullptr,
         nullptr,
         0,
         "Transfer Radio to Group"},
        {0, 1901, "Transfer Radio to Group", "Ready to Transfer",
         "{P} is ready to transfer the radio memory to the selected group file.\n\nWARNING: "
         "whatever the group file holds now will be overwritten.\n\nPress FINISH to begin the "
         "transfer."},
    };
}

// Track 1, setting up a radio's scan list.
std::vector<WizardStepText> ScanListSetup() {
    const WizardStepText readyToScan{1,
                                     1001,
                                     kScanListTitle,
                                     "Ready to Start Scanning",
                                     "{P} is ready to begin scanning.\n\n",
                                     {},
                                     kStartScanningLine,
                                     kStartScanningFinish,
                                     IDI_START_SCANNING};
    const WizardStepText readyWithNewList{1,
                                          1204,
                                          kScanListTitle,
                                          "Ready to Start Scanning",
                                          "{P} is ready to start scanning with the new scan list.",
                                          {},
                                          kStartScanningLine,
                                          kStartScanningFinish,
                                          IDI_START_SCANNING};
    std::vector<WizardStepText> steps{
        {1,
         0,
         kScanListTitle,
         "Scan List for {S}",
         "{P} needs to set up a scan list for the {S} radio.\n\nIf this is not the first time "
         "you have used this radio for scanning, the existing scan list may be empty or "
         "damaged.\n\nThe scan list wizard will help you set up a new scan list for this radio.",
         {},
         nullptr,
         nullptr,
         0,
         kScanListTitle},
        {1, 1, kScanListTitle, "About Scan Lists",
         "{P} uses scan lists to manage the real-time scanning process. By using scan lists, "
         "performance is enhanced and advanced recording and logging features are possible.\n\n"
         "A scan list names the group files that the radio scans; any group file made for this "
         "radio can serve as one.\n\nPress NEXT to continue."},
        {1,
         2,
         kScanListTitle,
         "Radio View Type Selection",
         "There are several types of scan list views available: The BROWSE view is best for HF "
         "receivers and beginning users. The EASY SEARCH view suits spectrum searching, and the "
         "SCANNING view VHF/UHF receivers and advanced users.",
         {nullptr, "Use the browse view. Recommended for HF receivers and beginning users.",
          "Use the easy search view. Recommended for spectrum searching.",
          "Use the scanning view. Recommended for VHF/UHF receivers and advanced users.", nullptr}},
        {1,
         3,
         kScanListTitle,
         "Scan List Selection Choices",
         kNoValidScanList,
         {"Select one of my existing group files to use as a scan list.",
          "Transfer the radio memory to a group file and use that as a scan list.",
          "Create an example scan list using common frequencies."}},
        {1, 11, kScanListTitle, "DMA Scanners",
         "{P} uses a DMA Scanner Profile to manage the scanning process.\n\nThe profile must "
         "match the scanner's memory exactly; one that does not gives wrong channels and talk "
         "groups.\n\nPress NEXT to continue."},
        {1,
         12,
         kScanListTitle,
         "Scan List Selection Choices",
         kNoValidScanList,
         {"Select one of my existing DMA profiles to use as a scan list.",
          "Transfer the radio memory to a DMA profile and use that as a scan list."}},
        {1, 1000, kScanListTitle, "Select Group File", nullptr},
        {1, 1010, kScanListTitle, "Select DMA Profile", nullptr},
        {1, 1100, kScanListTitle, "Create a Group File to use as a Scan List", nullptr},
        {1, 1101, kScanListTitle, "Ready to Transfer Scan List",
         "{P} is ready to transfer the radio memory to the selected scan list.\n\nYou should "
         "transfer all banks to the scan list to insure that it matches the radio exactly.\n\n"
         "Note: this operation may take several minutes or longer. \n\nPress NEXT to begin the "
         "transfer."},
        {1, 1110, kScanListTitle, "Create a DMA Profile to use as a Scan List", nullptr},
        {1, 1111, kScanListTitle, "Ready to Transfer DMA Profile",
         "{P} is ready to transfer the radio memory to the selected scan list.\n\nNote: this "
         "operation may take several minutes or longer. \n\nPress NEXT to begin the transfer."},
        {1,
         1112,
         kScanListTitle,
         "Ready to Start Scanning",
         "{P} is ready to begin scanning.",
         {},
         kStartScanningLine,
         kStartScanningFinish,
         IDI_START_SCANNING},
        {1, 1200, kScanListTitle, "Select Group File", nullptr},
        {1,
         1201,
         kScanListTitle,
         "Ready to Create Your New Group File",
         "The wizard is ready to create your new group file. Once the file is created, it will "
         "be displayed for you so you can enter frequencies and talk groups.\n\nOnce you have "
         "added your frequencies, close the group file. This wizard will start back up as soon "
         "as you close the group file.",
         {},
         nullptr,
         kCreateGroupFinish,
         0},
        {1, 1202, kScanListTitle, "Continuing with Scan List Setup",
         "You should have entered frequencies into your new group.\n\n{P} is ready to continue "
         "setting up this radio to use this file as a scan list.\n\nPress NEXT to continue."},
        {1, 1203, "Transfer Group to Radio", "Ready to Transfer", kTransferSelected},
        {1, 1300, kScanListTitle, "Example Scan List Created",
         "{P} has created the following files for use with this radio:\n\n"},
    };
    for (const std::uint32_t step : {1001u, 1011u, 1102u}) {
        steps.push_back(readyToScan);
        steps.back().step = step;
    }
    for (const std::uint32_t step : {1204u, 1301u}) {
        steps.push_back(readyWithNewList);
        steps.back().step = step;
    }
    return steps;
}

} // namespace

const WizardStepText* FindWizardStepText(int track, std::uint32_t step) {
    static const std::vector<WizardStepText> texts = [] {
        std::vector<WizardStepText> all = GettingStarted();
        const std::vector<WizardStepText> more = ScanListSetup();
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }();
    for (const WizardStepText& text : texts) {
        if (text.track == track && text.step == step) {
            return &text;
        }
    }
    return nullptr;
}
