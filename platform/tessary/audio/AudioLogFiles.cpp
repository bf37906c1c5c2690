// The logger's recording file as the user chooses, erases or wipes it.

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CFileDialog.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/sys/Paths.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using hb::tessary::detail::RecordAudioCall;

namespace {

// Every byte of the file's first `size` written over with zeros and on the disk; false when a
// write fails.
bool OverwriteWithZeros(int handle, std::uint64_t size) {
    const std::vector<char> zeros(64 * 1024);
    std::uint64_t at = 0;
    while (at < size) {
        const auto bytes =
            static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), size - at));
        const ssize_t written = ::pwrite(handle, zeros.data(), bytes, static_cast<off_t>(at));
        if (written <= 0) {
            return false;
        }
        at += static_cast<std::uint64_t>(written);
    }
    return ::fsync(handle) == 0;
}

} // namespace

void CAudioLog::TakeFile(const std::string& path) {
    EndSegment();
    m_autoFile = FALSE;
    if (CScanApp* app = CScanApp::GetScanApp(); app && !m_section.empty()) {
        app->WriteProfileStringA(m_section.c_str(), "RecordingFile", path.c_str());
    }
    m_file.Open(path);
    m_recording = m_mode == kModeRecord && m_file.IsOpen();
    UpdateIndicators(4, m_file.m_state);
    SetState(m_state);
}

void CAudioLog::OnFileButton() {
    RecordAudioCall(this, "OnFileButton", {});
    CFileDialog dialog(TRUE, "swq", m_file.m_name.c_str(), OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                       "Recording Files (*.swq)|*.swq|All Files (*.*)|*.*||", m_owner);
    if (dialog.DoModal() == IDOK) {
        TakeFile(static_cast<const char*>(dialog.GetPathName()));
    }
}

void CAudioLog::OnAutoFileButton() {
    RecordAudioCall(this, "OnAutoFileButton", {});
    EndSegment();
    m_file.Close();
    m_autoFile = TRUE;
    m_recording = m_mode == kModeRecord;
    m_file.m_state = CAudioFile::kNewFilePending;
    UpdateIndicators(4, CAudioFile::kNewFilePending);
}

// The file a pending automatic file becomes when recording begins: the radio's name and the date
// and time, in the documents folder.
void CAudioLog::MakeAutoFile() {
    std::tm now{};
    SafeLocalTime(hb::win::WallTime(), &now);
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "_%04d%02d%02d_%02d%02d%02d.SWQ", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    CString path = (m_name.empty() ? std::string("Audio") : m_name) + stamp;
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->MakeDocPath(path);
    }
    TakeFile(static_cast<const char*>(path));
}

// Both ask first, since what they take cannot be had back. Erasing empties the file; zeroizing
// overwrites every byte of it with zeros before, so the recordings cannot be read from the disk.
void CAudioLog::OnFileErase() {
    RecordAudioCall(this, "OnFileErase", {});
    ClearFile(false);
}

void CAudioLog::OnFileZeroize() {
    RecordAudioCall(this, "OnFileZeroize", {});
    ClearFile(true);
}

void CAudioLog::ClearFile(bool zeroize) {
    if (!m_file.IsOpen()) {
        return;
    }
    const std::string name = hb::win::PathFileName(m_file.m_name);
    const std::string question =
        zeroize ? "Overwrite every recording in " + name + " with zeros and erase it?"
                : "Erase every recording in " + name + "?";
    if (AfxMessageBox(question.c_str(), MB_OKCANCEL | MB_ICONSTOP) != IDOK) {
        return;
    }
    EndSegment();
    const std::string path = m_file.m_name;
    const std::uint64_t size = m_file.m_size;
    m_file.Close();
    const int handle = ::open(hb::win::NativePath(path).c_str(), O_WRONLY | O_CLOEXEC);
    bool overwritten = !zeroize;
    bool emptied = false;
    if (handle >= 0) {
        if (zeroize) {
            overwritten = OverwriteWithZeros(handle, size);
        }
        emptied = ::ftruncate(handle, 0) == 0;
        ::close(handle);
    }
    if (!overwritten || !emptied) {
        const std::string failure = "The recording file " + name + " could not be " +
                                    (zeroize ? "overwritten and erased." : "erased.");
        AfxMessageBox(failure.c_str(), MB_OK | MB_ICONSTOP);
    }
    m_file.Open(path);
    if (emptied) {
        UpdateSegment(path.c_str(), nullptr, zeroize ? 0xFFFFFFFF : 0);
    }
    UpdateIndicators(4, m_file.m_state);
    UpdatePosition();
}
