#include "app/rig/MultiRadioPairs.h"

#include "platform/tessary/app/ScanApp.h"
#include "platform/win/store/PrivateProfile.h"

namespace hb::app {
namespace {

constexpr LPCSTR kSection = "MultiRadio";
constexpr DWORD kValueChars = 64;

const CString& SettingsFile() {
    return CScanApp::GetScanApp()->GetSettingsFile();
}

} // namespace

bool IsPairListOn(char list) {
    const char key[] = {list, '\0'};
    return GetPrivateProfileInt(kSection, key, 0, SettingsFile()) != 0;
}

CString PairListName(char list, int k) {
    CString key;
    key.Format("%c%d", list, k);
    char value[kValueChars + 1] = {};
    GetPrivateProfileString(kSection, key, "", value, sizeof value, SettingsFile());
    CString name = value;
    const int comma = name.Find(',');
    return comma < 0 ? name : name.Left(comma);
}

} // namespace hb::app
