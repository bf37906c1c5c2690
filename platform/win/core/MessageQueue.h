#pragma once
#include "platform/win/WinTypes.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_set>

namespace hb::win::detail {

// Which messages a retrieval takes: one window's (or all) in a range of numbers (or all).
struct MessageFilter {
    HWND hwnd{};
    UINT min = 0;
    UINT max = 0;

    bool Accepts(UINT message) const {
        return (min == 0 && max == 0) || (message >= min && message <= max);
    }
    bool Matches(const MSG& msg) const {
        return (!hwnd || msg.hwnd == hwnd) && Accepts(msg.message);
    }
};

// Where a queued message came from. A key message's window is chosen when it is taken; until
// then its hwnd is only the window it came through.
enum class Origin { Program, Mouse, Keyboard };

// The window a key message that came through `from` goes to now; null drops it. It reads the
// window state only, never the queue.
HWND KeyTarget(HWND from);

// The posted messages, the user's input and the quit request, shared with posting threads. It
// keeps its own set of live window handles so that a post from another thread can be checked
// under one lock.
class MessageQueue {
public:
    void AddWindow(HWND hwnd);
    // Forgets the window and drops the messages posted to it. Keys that came through it stay, for
    // the window with the focus when they are taken.
    void RemoveWindow(HWND hwnd);

    bool Post(const MSG& msg, Origin origin = Origin::Program);
    void PostFirst(const MSG& msg);
    void PostQuit(int exitCode);

    // The first queued message the filter matches, else WM_QUIT when requested. A key message is
    // addressed by KeyTarget as it is looked at, on the GUI thread only. `generation` receives the
    // count of posts seen, for WaitForPost.
    std::optional<MSG> Take(const MessageFilter& filter, bool remove, std::uint64_t& generation);
    // Blocks until something is posted after `generation` was read, or until the deadline.
    void WaitForPost(std::uint64_t generation,
                     std::optional<std::chrono::steady_clock::time_point> deadline);
    // As WaitForPost, and also returns once `descriptor` is readable.
    void WaitForPostOrInput(std::uint64_t generation,
                            std::optional<std::chrono::steady_clock::time_point> deadline,
                            int descriptor);

    // The count of posts seen so far.
    std::uint64_t Generation() const;
    bool InputWaiting() const;
    std::size_t PendingCount() const;
    void Clear();

    MessageQueue() = default;
    ~MessageQueue();
    MessageQueue(const MessageQueue&) = delete;
    MessageQueue& operator=(const MessageQueue&) = delete;

private:
    struct Entry {
        MSG msg;
        Origin origin = Origin::Program;
    };

    void Wake();

    mutable std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<Entry> m_posts;
    std::unordered_set<std::uint32_t> m_live;
    bool m_quit = false;
    int m_quitCode = 0;
    std::uint64_t m_generation = 0;
    // Made by the first wait on a descriptor; from then on every post and quit request writes to
    // it, so that a poll on it and the descriptor wakes for both.
    int m_wakeFd = -1;
};

MessageQueue& Queue();

} // namespace hb::win::detail
