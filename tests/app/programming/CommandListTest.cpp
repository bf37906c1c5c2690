// The senders of command lists. List A: ten paced tries per command, with a beep before each
// pause. List B: failures counted over the list, a failed key press starting it over, and the
// user's Abort, Retry or Ignore after the twelfth failure. And the paced retry on its own.
#include "platform/tessary/app/GroupDoc.h"
#include "platform/win/core/Scheduler.h"
#include "programming/PacedRetry.h"
#include "tests/app/programming/TransferTest.h"

namespace hb::app::test {
namespace {

using hb::engine::sim::Fault;
using Journal = std::vector<std::string>;

class CommandListTest : public TransferTest {};

TEST_F(CommandListTest, ListASendsUpToALastCommandWithoutItsCarriageReturn) {
    Connect();
    EXPECT_EQ(loader.SendCommandList(1, "IDF\rQUF", &loader.m_progress), 1);
    EXPECT_EQ(Radio().Journal(), Journal{"IDF"});

    Radio().ClearJournal();
    EXPECT_EQ(loader.SendCommandList(1, "", &loader.m_progress), 0);
    EXPECT_EQ(loader.SendCommandList(1, "IDF\rQUF\r", &loader.m_progress), 0);
    EXPECT_EQ(Radio().Journal(), (Journal{"IDF", "QUF"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CommandListTest, ListAGivesACommandTenPacedTries) {
    Connect();
    EXPECT_EQ(loader.SendCommandList(2, "IDF\rZZ\rQUF\r", &loader.m_progress), 1);

    // QUF is never sent.
    Journal expected{"IDF"};
    expected.insert(expected.end(), 10, "ZZ");
    EXPECT_EQ(Radio().Journal(), expected);
    ASSERT_EQ(boxes.size(), 10u);
    // One beep per report and one before each of the nine pauses.
    EXPECT_EQ(Beeps(), std::vector<UINT>(19, MB_ICONASTERISK));
    // Between two reports: the 300 ms after no reply, the pause and one exchange.
    const std::int64_t exchange = boxes[1].atMs - boxes[0].atMs - 300 - 20;
    for (std::size_t n = 1; n < boxes.size(); ++n) {
        EXPECT_EQ(boxes[n].atMs - boxes[n - 1].atMs,
                  300 + 20 * static_cast<std::int64_t>(n) + exchange)
            << "before try " << n + 1;
    }
}

TEST_F(CommandListTest, ListAEndsAfterTheTryDuringWhichStopWasPressed) {
    Connect();
    hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
        boxes.push_back({box.text, box.caption, box.type, box.owner, hb::win::NowMs()});
        if (boxes.size() == 2) {
            // Taken in the third try's wait.
            ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        }
        return IDOK;
    });
    EXPECT_EQ(loader.SendCommandList(3, "ZZ\r", &loader.m_progress), 1);
    EXPECT_EQ(Radio().Journal(), (Journal{"ZZ", "ZZ", "ZZ"}));
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(Beeps().size(), 4u);
}

class CheckedListTest : public CommandListTest {
protected:
    CheckedListTest() {
        doc.SetPathName((Documents() + "/County.swg").c_str(), FALSE);
        loader.m_document = &doc;
    }

    // Indexes of the Abort, Retry or Ignore boxes among all boxes.
    std::vector<std::size_t> Questions() const {
        std::vector<std::size_t> found;
        for (std::size_t n = 0; n < boxes.size(); ++n) {
            if ((boxes[n].type & MB_TYPEMASK) == MB_ABORTRETRYIGNORE) {
                found.push_back(n);
            }
        }
        return found;
    }
    // Scripts the answers: OK to each transfer error, `answer` to the question.
    void AnswerAfterTwelve(std::initializer_list<int> questions) {
        for (const int answer : questions) {
            answers.insert(answers.end(), 12, IDOK);
            answers.push_back(answer);
        }
    }

    CGroupDoc doc;
};

TEST_F(CheckedListTest, TheTwelfthFailureAsksAndIgnoreLeavesTheRestUnsent) {
    Connect();
    AnswerAfterTwelve({IDIGNORE});
    EXPECT_EQ(loader.SendCommandsChecked(4, "ZA\rIDF\r", &loader.m_progress), 0);

    EXPECT_EQ(Radio().Journal(), Journal(12, "ZA"));
    EXPECT_EQ(Questions(), std::vector<std::size_t>{12});
    const Box& question = boxes.at(12);
    EXPECT_EQ(question.caption, "Data Transfer Error");
    EXPECT_EQ(question.type, static_cast<UINT>(MB_ABORTRETRYIGNORE | MB_ICONHAND));
    EXPECT_EQ(question.text, "Data could not be exchanged with the radio.\n\n\tRef:\t4\n\tFile:\t" +
                                 Documents() + "/County.swg\n\tTX Data:\tZA\r\n\tRX Data:\t");
    EXPECT_FALSE(loader.m_aborted);
}

TEST_F(CheckedListTest, RetryStartsTheListAgainWithTheCountAtZero) {
    Connect();
    AnswerAfterTwelve({IDRETRY, IDIGNORE});
    EXPECT_EQ(loader.SendCommandsChecked(5, "IDF\rZB\r", &loader.m_progress), 0);

    Journal expected;
    for (int round = 0; round < 2; ++round) {
        expected.push_back("IDF");
        expected.insert(expected.end(), 12, "ZB");
    }
    EXPECT_EQ(Radio().Journal(), expected);
    EXPECT_EQ(Questions(), (std::vector<std::size_t>{12, 25}));
}

TEST_F(CheckedListTest, AbortEndsTheTransferForGood) {
    Connect();
    AnswerAfterTwelve({IDABORT});
    EXPECT_EQ(loader.SendCommandsChecked(6, "ZC\r", &loader.m_progress), 1);
    EXPECT_TRUE(loader.m_aborted);
    EXPECT_TRUE(loader.Stopped());

    Radio().ClearJournal();
    EXPECT_EQ(loader.SendCommand("IDF\r", 6, &loader.m_progress), 1);
    EXPECT_EQ(loader.SendCommandList(6, "IDF\r", &loader.m_progress), 1);
    EXPECT_TRUE(Radio().Journal().empty());
    EXPECT_EQ(boxes.size(), 13u);
}

TEST_F(CheckedListTest, AFailedKeyPressStartsOverAndAnyOtherCommandIsRepeated) {
    Connect();
    Radio().Script("MA", "MA OK");
    Radio().FailOn("KEY", Fault::Silent);
    Radio().FailOn("MA", Fault::Silent);

    EXPECT_EQ(loader.SendCommandsChecked(7, "IDF\rKEY03\rMA001\r", &loader.m_progress), 0);
    EXPECT_EQ(Radio().Journal(), (Journal{"IDF", "KEY03", "IDF", "KEY03", "MA001", "MA001"}));
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(Questions().empty());

    // A last command without its carriage return is refused there.
    Radio().ClearJournal();
    EXPECT_EQ(loader.SendCommandsChecked(7, std::string("IDF\rQUF"), &loader.m_progress), 1);
    EXPECT_EQ(Radio().Journal(), Journal{"IDF"});
}

TEST_F(CommandListTest, APacedRetryBeepsAsToldAndStopsAtOnceWhenStopped) {
    int tries = 0;
    int recovered = 0;
    PacedRetry retry;
    retry.paced = false;
    retry.beep = RetryBeep::AfterLaterFailures;
    retry.recover = [&] { ++recovered; };
    const std::int64_t start = hb::win::NowMs();
    EXPECT_EQ(retry.Run(loader, [&] { return ++tries, -1; }), RetryOutcome::GaveUp);
    EXPECT_EQ(tries, 10);
    EXPECT_EQ(recovered, 9);
    EXPECT_EQ(Beeps().size(), 9u);
    EXPECT_EQ(hb::win::NowMs(), start);

    // A failure that the caller's test turns into success.
    tries = 0;
    retry.beep = RetryBeep::AfterEveryFailure;
    retry.succeeded = [&](int) { return tries == 3; };
    EXPECT_EQ(retry.Run(loader, [&] { return ++tries, -1; }), RetryOutcome::Succeeded);
    EXPECT_EQ(Beeps().size(), 11u);

    // Stopped in the second try: no more tries, no more beeps.
    tries = 0;
    retry.succeeded = nullptr;
    EXPECT_EQ(retry.Run(loader,
                        [&] {
                            if (++tries == 2) {
                                loader.m_aborted = true;
                            }
                            return -1;
                        }),
              RetryOutcome::Stopped);
    EXPECT_EQ(tries, 2);
    EXPECT_EQ(Beeps().size(), 12u);
}

} // namespace
} // namespace hb::app::test
