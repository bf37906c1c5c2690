#include "programming/TrunkFamily45.h"

#include "platform/tessary/model/Radio.h"
#include "programming/Loader.h"
#include "programming/RadioSettingsRecord.h"

#include <algorithm>

namespace TrunkFamily45 {

namespace {

constexpr std::uint32_t kEraseWaitMs = 25000;

} // namespace

TrunkFamily35::Framing Framing(int ref) {
    return {
        "IDF\rQUF\rCDF\rMUN\r", "KEY01\rIDN\rQUN\rCDN\rMUA\r", ref, {kEraseWaitMs, false, nullptr}};
}

int WalkIdListTags(const CLoader& loader, CLoadProgressDlg* dialog,
                   const std::function<int(unsigned bankIndex, unsigned entry)>& visit) {
    dialog->SetItemLabel("ID Bank:");
    const unsigned banks =
        std::min<unsigned>(loader.m_radio->organisation().banks, RadioSettingsRecord::kBanks);
    for (unsigned bank = 0; bank < banks; ++bank) {
        if (!loader.m_bank_dialog.BankChosen(bank)) {
            continue;
        }
        dialog->SetBank(bank + 1);
        for (unsigned entry = 0; entry < RadioSettingsRecord::kTagsPerBank; ++entry) {
            if (const int result = visit(bank, entry)) {
                return result;
            }
        }
    }
    return 0;
}

int SeekMenuItem(CLoader& loader, const std::string& keys, int ref, CLoadProgressDlg* dialog) {
    PacedRetry retry;
    retry.beep = RetryBeep::None;
    retry.succeeded = [&loader](int result) {
        return result == 0 && loader.Reply().starts_with(kItemShown);
    };
    return Done(
               retry.Run(loader, [&] { return loader.SendCommandList(ref, keys.c_str(), dialog); }))
               ? 0
               : 1;
}

int SendKeyByKey(CLoader& loader, const std::string& keys, int ref, CLoadProgressDlg* dialog) {
    for (std::size_t at = 0; at < keys.size();) {
        const std::size_t end = std::min(keys.find('\r', at), keys.size() - 1) + 1;
        if (loader.SendCommand(keys.substr(at, end - at).c_str(), ref, dialog) != 0) {
            return 1;
        }
        at = end;
    }
    return 0;
}

} // namespace TrunkFamily45
