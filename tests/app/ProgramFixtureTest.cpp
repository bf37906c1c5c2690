// The program fixture's own end: a test that fails before the program is up must still end cleanly.
#include "ProgramTest.h"
#include "platform/tessary/model/Radio.h"

namespace hb::app::test {
namespace {

using ProgramFixtureTest = ProgramTest;

// The rig writes its settings through the application when it goes, so it must go first.
TEST_F(ProgramFixtureTest, ARigLeftWithTheProgramNeverStartedGoesBeforeTheApplication) {
    new CRig("Alpha", 1, Radio::CreateRadio(42).release());
    EXPECT_EQ(Rigs(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(app->m_pMainWnd, nullptr);
}

} // namespace
} // namespace hb::app::test
