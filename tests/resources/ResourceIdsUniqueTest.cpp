// Within one module a resource id names one resource of each kind: the chain finds only the
// first of two, so a second one would silently never show.
#include "resources/program/ProgramResources.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

template <typename Resources>
std::vector<UINT> Repeated(const Resources& resources) {
    std::map<UINT, int> counts;
    for (const auto& resource : resources) {
        ++counts[resource.id];
    }
    std::vector<UINT> repeated;
    for (const auto& [id, count] : counts) {
        if (count > 1) {
            repeated.push_back(id);
        }
    }
    return repeated;
}

TEST(ResourceIdsUniqueTest, TheProgramRegistersEachIdOncePerKind) {
    const hb::afx::ResourceTables& tables = ProgramResourceTables();
    const std::vector<UINT> none;
    EXPECT_EQ(Repeated(tables.dialogs), none) << "dialogs";
    EXPECT_EQ(Repeated(tables.strings), none) << "strings";
    EXPECT_EQ(Repeated(tables.icons), none) << "icons";
    EXPECT_EQ(Repeated(tables.bitmaps), none) << "bitmaps";
    EXPECT_EQ(Repeated(tables.menus), none) << "menus";
    EXPECT_EQ(Repeated(tables.toolBars), none) << "tool bars";
    EXPECT_EQ(Repeated(tables.accelerators), none) << "accelerators";
}

} // namespace
