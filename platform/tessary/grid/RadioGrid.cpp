// The grid factory of the radio model; every model of ours edits its groups on the group grid.
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Radio.h"

std::unique_ptr<CGrid> Radio::CreateGrid() {
    return std::make_unique<CGroupGrid>();
}
