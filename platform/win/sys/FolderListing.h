#pragma once
// One level of a folder, as a walk over the documents folder needs it. Links to folders are
// listed as files and never entered, so a walk cannot loop.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct FoundFile {
    std::string name;
    bool folder = false;
    std::uint64_t size = 0;
    FILETIME lastWrite;
};

// The entries of `folder` ('\' or '/' separate), without "." and ".."; empty when it cannot be
// read.
std::vector<FoundFile> ListFolder(const std::string& folder);
