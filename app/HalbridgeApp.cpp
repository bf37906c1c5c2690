// The application object and its command map.
#include "app/HalbridgeApp.h"

#include "app/rig/Rig.h"
#include "resources/ResourceIds.h"

BEGIN_MESSAGE_MAP(CHalbridgeApp, CScanApp)
ON_COMMAND(ID_FILE_NEW_GROUP, &CHalbridgeApp::OnFileNewGroup)
ON_COMMAND(ID_FILE_NEW_RANGE, &CHalbridgeApp::OnFileNewRange)
ON_COMMAND(ID_TOOLS_SPECTRUM_ANALYZER, &CHalbridgeApp::OnSpectrumAnalyzer)
ON_COMMAND(ID_TOOLS_BAND_SCOPE, &CHalbridgeApp::OnBandScope)
ON_COMMAND(ID_TOOLS_RADIO_CONTROL, &CHalbridgeApp::OnRadioControl)
ON_COMMAND(ID_SETTINGS_WINDOWS_VOLUME, &CHalbridgeApp::OnWindowsVolume)
ON_COMMAND(ID_SETTINGS_WINDOWS_RECORDING, &CHalbridgeApp::OnWindowsRecording)
ON_COMMAND(ID_SETTINGS_CONFIGURATION, &CHalbridgeApp::OnConfiguration)
ON_COMMAND(ID_SETTINGS_RADIO_FILES_DIRECTORY, &CHalbridgeApp::OnRadioFilesDirectory)
ON_COMMAND(ID_SETTINGS_HF_FREQ_DISPLAY, &CHalbridgeApp::OnHfFreqDisplay)
ON_COMMAND(ID_COLOR_RESET, &CHalbridgeApp::OnResetColors)
ON_COMMAND_RANGE(ID_COLOR_FIRST, ID_COLOR_LAST, &CHalbridgeApp::OnColorEntry)
ON_COMMAND_RANGE(ID_FONT_DEFAULT, ID_FONT_DEFAULT + 9, &CHalbridgeApp::OnSelectFont)
ON_COMMAND(ID_MASTER_MUTE, &CHalbridgeApp::OnMasterMute)
ON_UPDATE_COMMAND_UI(ID_MASTER_MUTE, &CHalbridgeApp::OnUpdateMasterMute)
ON_COMMAND(ID_FILE_OPEN, &CHalbridgeApp::OnFileOpenAny)
ON_COMMAND(ID_HELP_USER_MANUAL, &CHalbridgeApp::OnUserManual)
ON_COMMAND(ID_HELP, &CHalbridgeApp::OnUserManual)
ON_COMMAND(ID_HELP_INDEX, &CHalbridgeApp::OnUserManual)
ON_COMMAND(ID_HELP_FINDER, &CHalbridgeApp::OnUserManual)
ON_COMMAND(27010, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27011, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27044, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27047, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27048, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27204, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27209, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27215, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27216, &CHalbridgeApp::OnIgnoredCommand)
ON_COMMAND(27230, &CHalbridgeApp::OnIgnoredCommand)
END_MESSAGE_MAP()

CHalbridgeApp::CHalbridgeApp() : CScanApp("Halbridge Pro") {}

CDocument* CHalbridgeApp::OpenDocumentFile(LPCSTR lpszFileName) {
    CRig::s_selection.fill(nullptr);
    return CScanApp::OpenDocumentFile(lpszFileName);
}

void CHalbridgeApp::OnFileOpen() {
    CRig::s_selection.fill(nullptr);
    CScanApp::OnFileOpen();
}

void CHalbridgeApp::OnFileOpen(CDocTemplate* pTemplate) {
    CRig::s_selection.fill(nullptr);
    CScanApp::OnFileOpen(pTemplate);
}
