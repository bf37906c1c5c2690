#include "platform/win/core/MessageQueue.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/Messages.h"

#include <algorithm>

namespace hb::win::detail {

void MessageQueue::AddWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_live.insert(hwnd.id());
}

void MessageQueue::RemoveWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_live.erase(hwnd.id());
    std::erase_if(m_posts, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
}

bool MessageQueue::Post(const MSG& msg) {
    {
        std::lock_guard lock(m_mutex);
        if (msg.hwnd && !m_live.contains(msg.hwnd.id())) {
            return false;
        }
        m_posts.push_back(msg);
        ++m_generation;
    }
    m_posted.notify_all();
    return true;
}

void MessageQueue::PostFirst(const MSG& msg) {
    std::lock_guard lock(m_mutex);
    if (!msg.hwnd || m_live.contains(msg.hwnd.id())) {
        m_posts.push_front(msg);
        ++m_generation;
    }
}

void MessageQueue::PostQuit(int exitCode) {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_quitCode = exitCode;
        ++m_generation;
    }
    m_posted.notify_all();
}

std::optional<MSG> MessageQueue::Take(const MessageFilter& filter, bool remove,
                                      std::uint64_t& generation) {
    std::lock_guard lock(m_mutex);
    generation = m_generation;
    const auto it = std::find_if(m_posts.begin(), m_posts.end(),
                                 [&filter](const MSG& msg) { return filter.Matches(msg); });
    if (it != m_posts.end()) {
        const MSG msg = *it;
        if (remove) {
            m_posts.erase(it);
        }
        return msg;
    }
    if (m_quit) {
        m_quit = !remove;
        MSG quit;
        quit.message = WM_QUIT;
        quit.wParam = static_cast<WPARAM>(m_quitCode);
        quit.time = GetTickCount();
        return quit;
    }
    return std::nullopt;
}

void MessageQueue::WaitForPost(std::uint64_t generation,
                               std::optional<std::chrono::steady_clock::time_point> deadline) {
    std::unique_lock lock(m_mutex);
    const auto posted = [&] { return m_generation != generation; };
    if (deadline) {
        m_posted.wait_until(lock, *deadline, posted);
    } else {
        m_posted.wait(lock, posted);
    }
}

std::size_t MessageQueue::PendingCount() const {
    std::lock_guard lock(m_mutex);
    return m_posts.size();
}

void MessageQueue::Clear() {
    std::lock_guard lock(m_mutex);
    m_posts.clear();
    m_live.clear();
    m_quit = false;
    m_quitCode = 0;
}

MessageQueue& Queue() {
    static MessageQueue queue;
    return queue;
}

} // namespace hb::win::detail
