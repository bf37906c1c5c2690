#pragma once
// Whole-file writes that a crash can never leave half done: the new content goes to a temporary
// file in the same folder, is synced, and then renamed over the target.

#include <string>
#include <string_view>

namespace hb::win {

enum class FileWriteStage { None, Open, Write, Sync, Rename };

// Replaces `path` with `content`, creating missing folders. On failure the previous file is left
// untouched, the temporary file is removed and false is returned, with errno telling why.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Makes the next atomic write fail at `stage` (None clears a pending fault).
void SetFileWriteFault(FileWriteStage stage);

} // namespace hb::win
