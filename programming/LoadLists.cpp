// The two senders of command lists: list A retries each command with growing pauses, list B
// counts failures over the whole list and finally lets the user choose.
#include "programming/Loader.h"
#include "programming/PacedRetry.h"

#include <optional>

namespace {

// The first command of the list, carriage return included, cut from it; none when the list
// holds no carriage return.
std::optional<std::string> CutCommand(std::string& list) {
    const auto end = list.find('\r');
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::string command = list.substr(0, end + 1);
    list.erase(0, end + 1);
    return command;
}

// Twelve failures over a list ask the user what to do.
constexpr int kFailuresBeforeAsking = 11;

} // namespace

int CLoader::SendCommands(int ref, std::string& list, CLoadProgressDlg* dialog) {
    PacedRetry retry;
    retry.beep = RetryBeep::BeforePause;
    while (!list.empty()) {
        const auto command = CutCommand(list);
        if (!command) {
            return 1;
        }
        const RetryOutcome outcome = retry.Run(*this, [&] {
            AppendCommand(command->c_str());
            return Transact(ref, dialog);
        });
        if (outcome != RetryOutcome::Succeeded) {
            return 1;
        }
    }
    return 0;
}

int CLoader::SendCommandList(int ref, LPCSTR text, CLoadProgressDlg* dialog) {
    std::string list = text ? text : "";
    return SendCommands(ref, list, dialog);
}

int CLoader::SendCommandsChecked(int ref, const std::string& list, CLoadProgressDlg* dialog) {
    int failures = 0;
    for (;;) {
        std::string rest = list;
        bool restart = false;
        while (!rest.empty() && !restart) {
            const auto command = CutCommand(rest);
            if (!command) {
                return 1;
            }
            for (;;) {
                m_command = *command;
                const int result = Transact(ref, dialog);
                if (DialogStopped(dialog) || result == 1) {
                    return 1;
                }
                if (result == 0) {
                    break;
                }
                if (failures++ >= kFailuresBeforeAsking) {
                    const int answer = AskAbortRetryIgnore(kSourcePath, ref);
                    if (answer == 0) {
                        return 0;
                    }
                    if (answer == 1) {
                        return 1;
                    }
                    failures = 0;
                    restart = true;
                    break;
                }
                // A key press that failed leaves the radio's menus in doubt: start over.
                if (command->starts_with("KEY")) {
                    restart = true;
                    break;
                }
            }
        }
        if (!restart) {
            return 0;
        }
    }
}

int CLoader::SendCommandsChecked(int ref, LPCSTR text, CLoadProgressDlg* dialog) {
    return SendCommandsChecked(ref, std::string(text ? text : ""), dialog);
}
