#include "platform/win/core/ModalDepth.h"

namespace hb::win {
namespace {

int g_depth = 0;

} // namespace

int ModalDepth() {
    return g_depth;
}

ModalScope::ModalScope() {
    ++g_depth;
}

ModalScope::~ModalScope() {
    --g_depth;
}

} // namespace hb::win
