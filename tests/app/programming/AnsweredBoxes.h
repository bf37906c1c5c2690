#pragma once
#include "platform/win/core/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

namespace hb::app::test {

// Every message box a test's windows show, kept as "caption: text" and answered with the next
// queued answer, or OK once the queue is empty.
class AnsweredBoxes {
protected:
    AnsweredBoxes() {
        hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
            boxes.push_back(box.caption + ": " + box.text);
            if (answers.empty()) {
                return IDOK;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    std::vector<std::string> boxes;
    std::deque<int> answers;
};

} // namespace hb::app::test
