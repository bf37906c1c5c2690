#include "platform/tessary/app/IdFormat.h"

#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/model/Format.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

namespace hb::tessary::test {
namespace {

using IdFormatTest = ScanAppTest;

TEST_F(IdFormatTest, TheChosenStylesAreUsedAndStoredAndCancelOrNonsenseChangesNothing) {
    ASSERT_EQ(app.AppSetup(kProduct), 1);
    format_motorola_style(1);
    int asked = 0;
    SetIdFormatChooser([&](IdFormats& formats) {
        ++asked;
        EXPECT_EQ(formats.motorola, 1);
        EXPECT_EQ(formats.edacs, 0);
        formats.motorola = 2;
        formats.edacs = 1;
        return true;
    });
    scan_select_id_format();
    EXPECT_EQ(format_motorola_style(255), 2);
    EXPECT_EQ(format_edacs_style(255), 1);
    EXPECT_EQ(app.GetProfileIntA("Settings", "MotorolaIDFormat", -1), 2);
    EXPECT_EQ(app.GetProfileIntA("Settings", "EDACSIDFormat", -1), 1);

    for (const bool ok : {false, true}) {
        SetIdFormatChooser([ok](IdFormats& formats) {
            formats.motorola = ok ? 7 : 0;
            return ok;
        });
        scan_select_id_format();
        EXPECT_EQ(format_motorola_style(255), 2) << ok;
        EXPECT_EQ(app.GetProfileIntA("Settings", "MotorolaIDFormat", -1), 2) << ok;
    }
    EXPECT_EQ(asked, 1);
}

} // namespace
} // namespace hb::tessary::test
