#pragma once

class CAudioPlayerView;

// A logger's recording file, as far as its index view is concerned: the two are linked both ways,
// and whichever goes first unlinks the other.
class CAudioFile {
public:
    CAudioFile() = default;
    CAudioFile(const CAudioFile&) = delete;
    CAudioFile& operator=(const CAudioFile&) = delete;
    ~CAudioFile();

    CAudioPlayerView* m_indexView = nullptr;
};
