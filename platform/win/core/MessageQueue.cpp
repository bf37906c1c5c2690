#include "platform/win/core/MessageQueue.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/Messages.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace hb::win::detail {

namespace {

// Milliseconds for poll: rounded up, so that the wait never ends before the deadline.
int PollTimeout(std::optional<std::chrono::steady_clock::time_point> deadline) {
    if (!deadline) {
        return -1;
    }
    using namespace std::chrono;
    const auto left = *deadline - steady_clock::now();
    if (left <= steady_clock::duration::zero()) {
        return 0;
    }
    const auto ms = duration_cast<milliseconds>(left + milliseconds(1) - nanoseconds(1)).count();
    return static_cast<int>(std::min<std::int64_t>(ms, 24 * 60 * 60 * 1000));
}

} // namespace

MessageQueue::~MessageQueue() {
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

// Called with the lock held.
void MessageQueue::Wake() {
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
    }
}

void MessageQueue::AddWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_live.insert(hwnd.id());
}

void MessageQueue::RemoveWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    m_live.erase(hwnd.id());
    std::erase_if(m_posts, [hwnd](const Entry& entry) {
        return entry.msg.hwnd == hwnd && entry.origin != Origin::Keyboard;
    });
}

bool MessageQueue::Post(const MSG& msg, Origin origin) {
    {
        std::lock_guard lock(m_mutex);
        if (msg.hwnd && !m_live.contains(msg.hwnd.id())) {
            return false;
        }
        m_posts.push_back({msg, origin});
        ++m_generation;
        Wake();
    }
    m_posted.notify_all();
    return true;
}

void MessageQueue::PostFirst(const MSG& msg) {
    std::lock_guard lock(m_mutex);
    if (!msg.hwnd || m_live.contains(msg.hwnd.id())) {
        m_posts.push_front({msg});
        ++m_generation;
    }
}

void MessageQueue::PostQuit(int exitCode) {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_quitCode = exitCode;
        ++m_generation;
        Wake();
    }
    m_posted.notify_all();
}

std::optional<MSG> MessageQueue::Take(const MessageFilter& filter, bool remove,
                                      std::uint64_t& generation) {
    std::lock_guard lock(m_mutex);
    generation = m_generation;
    for (auto it = m_posts.begin(); it != m_posts.end();) {
        MSG msg = it->msg;
        if (it->origin == Origin::Keyboard) {
            msg.hwnd = KeyTarget(msg.hwnd);
            if (!msg.hwnd) {
                it = m_posts.erase(it);
                continue;
            }
        }
        if (filter.Matches(msg)) {
            if (remove) {
                m_posts.erase(it);
            }
            return msg;
        }
        ++it;
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

void MessageQueue::WaitForPostOrInput(std::uint64_t generation,
                                      std::optional<std::chrono::steady_clock::time_point> deadline,
                                      int descriptor) {
    int wakeFd = -1;
    {
        std::lock_guard lock(m_mutex);
        if (m_generation != generation) {
            return;
        }
        if (m_wakeFd < 0) {
            m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        }
        wakeFd = m_wakeFd;
    }
    if (wakeFd < 0) {
        WaitForPost(generation, deadline);
        return;
    }
    // A post after the check above has written to the eventfd, so the poll sees it.
    pollfd fds[] = {{wakeFd, POLLIN, 0}, {descriptor, POLLIN, 0}};
    ::poll(fds, 2, PollTimeout(deadline));
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(wakeFd, &count, sizeof count);
}

std::uint64_t MessageQueue::Generation() const {
    std::lock_guard lock(m_mutex);
    return m_generation;
}

bool MessageQueue::InputWaiting() const {
    std::lock_guard lock(m_mutex);
    return std::any_of(m_posts.begin(), m_posts.end(),
                       [](const Entry& entry) { return entry.origin != Origin::Program; });
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
