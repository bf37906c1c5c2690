#include "platform/tessary/app/FileRadio.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/MessageBox.h"

#include <string>

namespace hb::tessary {

bool FileRadio(LPCSTR path, const char* what, std::uint8_t type, std::unique_ptr<Radio>& model) {
    model = Radio::CreateRadio(type);
    if (!model && type != 0) {
        const std::string text = std::string("The ") + what + " " + (path ? path : "") +
                                 " is for radio type " + std::to_string(type) +
                                 ", which this program does not know.";
        AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

} // namespace hb::tessary
