#include "platform/win/sys/ProcessLauncher.h"

#include "platform/win/core/LastError.h"
#include "platform/win/store/Registry.h"
#include "platform/win/sys/Paths.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace hb::win {

namespace {

// Children still to be collected; each launch collects those that have ended, so none lingers as
// a zombie for long and no other part of the program loses its own children to us.
std::vector<pid_t>& Children() {
    static std::vector<pid_t> children;
    return children;
}

void CollectEndedChildren() {
    std::erase_if(Children(), [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

// Starts `program` (looked up on PATH when it has no '/') in `directory`; returns an errno value.
int Spawn(const std::string& program, const std::vector<std::string>& arguments,
          const std::string& directory) {
    CollectEndedChildren();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    }
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error == 0) {
        Children().push_back(pid);
    }
    return error;
}

LONG_PTR ResultOf(int error, LONG_PTR notFound) {
    switch (error) {
    case 0:
        return kLaunchSucceeded;
    case ENOENT:
        return notFound;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    default:
        return 0; // out of resources
    }
}

std::string& MixerCommandsKey() {
    static std::string key;
    return key;
}

bool IsVolumeProgram(const std::string& word) {
    return EqualNoCase(word, "SNDVOL.EXE") || EqualNoCase(word, "SNDVOL32.EXE");
}

std::string MixerCommand(bool record) {
    HKEY key{};
    if (MixerCommandsKey().empty() || RegOpenKeyEx(HKEY_LOCAL_MACHINE, MixerCommandsKey().c_str(),
                                                   0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {};
    }
    char text[1024] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof(text) - 1;
    const DWORD result =
        RegQueryValueEx(key, record ? "RecordingControlCommand" : "VolumeControlCommand", nullptr,
                        &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::string(text) : std::string();
}

LONG_PTR RunCommandLine(const LaunchRequest& request) {
    auto words = SplitShellWords(request.command);
    if (!words) {
        return ERROR_BAD_FORMAT;
    }
    if (words->empty()) {
        return SE_ERR_FNF;
    }
    if (IsVolumeProgram(words->front())) {
        const bool record = words->size() > 1 && EqualNoCase((*words)[1], "/RECORD");
        const std::string command = MixerCommand(record);
        if (command.empty()) {
            return kLaunchSucceeded;
        }
        words = SplitShellWords(command);
        if (!words || words->empty()) {
            return ERROR_BAD_FORMAT;
        }
    }
    return ResultOf(Spawn(words->front(), {words->begin() + 1, words->end()}, {}), SE_ERR_FNF);
}

LONG_PTR OpenFile(const LaunchRequest& request) {
    const bool explore = EqualNoCase(request.verb, "explore");
    if (!explore && !request.verb.empty() && !EqualNoCase(request.verb, "open")) {
        return SE_ERR_NOASSOC;
    }
    const auto arguments = SplitShellWords(request.parameters);
    if (!arguments) {
        return ERROR_BAD_FORMAT;
    }
    const std::string directory = NativePath(request.directory);
    struct stat st {};
    if (!directory.empty() && (stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        return SE_ERR_PNF;
    }
    const std::string file = NativePath(request.file);
    if (!file.empty() && stat(file.c_str(), &st) == 0) {
        // The child starts in `directory`, so it gets the path as seen from here.
        std::error_code error;
        const std::string path = std::filesystem::absolute(file, error).string();
        if (!explore && S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH))) {
            return ResultOf(Spawn(path, *arguments, directory), SE_ERR_FNF);
        }
        return ResultOf(Spawn("xdg-open", {path}, directory), SE_ERR_NOASSOC);
    }
    if (!explore && !file.empty() && file.find('/') == std::string::npos) {
        return ResultOf(Spawn(file, *arguments, directory), SE_ERR_FNF);
    }
    return SE_ERR_FNF;
}

} // namespace

void SetMixerCommandsKey(std::string key) {
    MixerCommandsKey() = std::move(key);
}

LONG_PTR LaunchProcess(const LaunchRequest& request) {
    return request.kind == LaunchKind::WinExec ? RunCommandLine(request) : OpenFile(request);
}

std::optional<std::vector<std::string>> SplitShellWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == '\\' && i + 1 < text.size()) {
            word += text[++i];
        } else if (c == '\'') {
            const std::size_t end = text.find('\'', i + 1);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            word.append(text.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '"') {
            for (++i;; ++i) {
                if (i == text.size()) {
                    return std::nullopt;
                }
                if (text[i] == '"') {
                    break;
                }
                // Inside double quotes a backslash escapes only these.
                if (text[i] == '\\' && i + 1 < text.size() &&
                    std::string_view("\"\\$`").find(text[i + 1]) != std::string_view::npos) {
                    ++i;
                }
                word += text[i];
            }
        } else {
            word += c;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

} // namespace hb::win
