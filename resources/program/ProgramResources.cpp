#include "resources/program/ProgramResources.h"

#include "resources/program/ProgramParts.h"

namespace {

hb::afx::ResourceTables MakeTables() {
    using namespace hb::resources;
    hb::afx::ResourceTables tables{.dialogs = ShellDialogs(),
                                   .strings = ProgramStrings(),
                                   .icons = ProgramIcons(),
                                   .bitmaps = ProgramBitmaps(),
                                   .menus = WindowMenus(),
                                   .toolBars = {MainToolBar(), ScanToolBar()},
                                   .accelerators = {MainAccelerators()}};
    const auto configuration = ConfigurationDialogs();
    tables.dialogs.insert(tables.dialogs.end(), configuration.begin(), configuration.end());
    tables.dialogs.push_back(MixerForm());
    tables.dialogs.push_back(AudioRackForm());
    tables.dialogs.push_back(AudioRecorderForm());
    tables.dialogs.push_back(ToolViewForm());
    tables.dialogs.push_back(ScanOptionsForm());
    tables.dialogs.push_back(MultiRadioForm());
    tables.dialogs.push_back(R8Form());
    tables.dialogs.push_back(ServiceSearchForm());
    tables.bitmaps.push_back(ScanToolBarBitmap());
    const auto wizard = WizardPages();
    tables.dialogs.insert(tables.dialogs.end(), wizard.begin(), wizard.end());
    const auto activityLogs = ActivityLogDialogs();
    tables.dialogs.insert(tables.dialogs.end(), activityLogs.begin(), activityLogs.end());
    const auto racks = RackForms();
    tables.dialogs.insert(tables.dialogs.end(), racks.begin(), racks.end());
    const auto rackBitmaps = RackBitmaps();
    tables.bitmaps.insert(tables.bitmaps.end(), rackBitmaps.begin(), rackBitmaps.end());
    const auto rackIcons = RackIcons();
    tables.icons.insert(tables.icons.end(), rackIcons.begin(), rackIcons.end());
    const auto sweeps = SweepForms();
    tables.dialogs.insert(tables.dialogs.end(), sweeps.begin(), sweeps.end());
    const auto analyzerIcons = AnalyzerIcons();
    tables.icons.insert(tables.icons.end(), analyzerIcons.begin(), analyzerIcons.end());
    tables.dialogs.push_back(BandScopeForm());
    const auto scopeIcons = BandScopeIcons();
    tables.icons.insert(tables.icons.end(), scopeIcons.begin(), scopeIcons.end());
    tables.menus.insert(tables.menus.begin(), MainMenu());
    const auto commands = CommandStrings();
    tables.strings.insert(tables.strings.end(), commands.begin(), commands.end());
    const auto scanBar = ScanToolBarStrings();
    tables.strings.insert(tables.strings.end(), scanBar.begin(), scanBar.end());
    const auto tips = ControlTipStrings();
    tables.strings.insert(tables.strings.end(), tips.begin(), tips.end());
    const auto transfers = TransferDialogs();
    tables.dialogs.insert(tables.dialogs.end(), transfers.begin(), transfers.end());
    const auto transferStrings = TransferStrings();
    tables.strings.insert(tables.strings.end(), transferStrings.begin(), transferStrings.end());
    const auto groupBars = GroupToolBars();
    tables.toolBars.insert(tables.toolBars.end(), groupBars.begin(), groupBars.end());
    const auto groupPictures = GroupToolBarBitmaps();
    tables.bitmaps.insert(tables.bitmaps.end(), groupPictures.begin(), groupPictures.end());
    const auto groupTexts = GroupToolBarStrings();
    tables.strings.insert(tables.strings.end(), groupTexts.begin(), groupTexts.end());
    const auto groupIcons = GroupWindowIcons();
    tables.icons.insert(tables.icons.end(), groupIcons.begin(), groupIcons.end());
    tables.dialogs.push_back(ScanListEntryDialog());
    const auto scanListIcons = ScanListIcons();
    tables.icons.insert(tables.icons.end(), scanListIcons.begin(), scanListIcons.end());
    const auto scanListStrings = ScanListStrings();
    tables.strings.insert(tables.strings.end(), scanListStrings.begin(), scanListStrings.end());
    return tables;
}

} // namespace

const hb::afx::ResourceTables& ProgramResourceTables() {
    static const hb::afx::ResourceTables tables = MakeTables();
    return tables;
}
