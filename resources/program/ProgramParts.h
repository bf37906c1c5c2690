#pragma once
// The program's resource tables, by kind.
#include "platform/afx/res/ResourceTables.h"

#include <vector>

namespace hb::resources {

hb::afx::MenuResource MainMenu();
std::vector<hb::afx::MenuResource> WindowMenus();
hb::afx::ToolBarResource MainToolBar();
hb::afx::AcceleratorResource MainAccelerators();
std::vector<hb::afx::StringResource> ProgramStrings();
std::vector<hb::afx::StringResource> CommandStrings();
std::vector<hb::afx::StringResource> ControlTipStrings();
std::vector<hb::afx::IconResource> ProgramIcons();
std::vector<hb::afx::BitmapResource> ProgramBitmaps();
std::vector<hb::afx::DialogTemplate> ShellDialogs();
std::vector<hb::afx::DialogTemplate> ConfigurationDialogs();
hb::afx::DialogTemplate MixerForm();
hb::afx::DialogTemplate AudioRackForm();
hb::afx::DialogTemplate AudioRecorderForm();
hb::afx::ToolBarResource ScanToolBar();
hb::afx::BitmapResource ScanToolBarBitmap();
std::vector<hb::afx::StringResource> ScanToolBarStrings();
hb::afx::DialogTemplate ToolViewForm();
hb::afx::DialogTemplate ScanOptionsForm();
hb::afx::DialogTemplate MultiRadioForm();
hb::afx::DialogTemplate R8Form();
std::vector<hb::afx::DialogTemplate> WizardPages();
std::vector<hb::afx::DialogTemplate> ActivityLogDialogs();
std::vector<hb::afx::DialogTemplate> RackForms();
std::vector<hb::afx::BitmapResource> RackBitmaps();
std::vector<hb::afx::IconResource> RackIcons();
std::vector<hb::afx::DialogTemplate> TransferDialogs();
std::vector<hb::afx::StringResource> TransferStrings();
std::vector<hb::afx::ToolBarResource> GroupToolBars();
std::vector<hb::afx::BitmapResource> GroupToolBarBitmaps();
std::vector<hb::afx::StringResource> GroupToolBarStrings();
std::vector<hb::afx::IconResource> GroupWindowIcons();
std::vector<hb::afx::DialogTemplate> SweepForms();
hb::afx::DialogTemplate ServiceSearchForm();
std::vector<hb::afx::IconResource> AnalyzerIcons();
hb::afx::DialogTemplate BandScopeForm();
std::vector<hb::afx::IconResource> BandScopeIcons();
hb::afx::DialogTemplate ScanListEntryDialog();
std::vector<hb::afx::IconResource> ScanListIcons();
std::vector<hb::afx::StringResource> ScanListStrings();

} // namespace hb::resources
