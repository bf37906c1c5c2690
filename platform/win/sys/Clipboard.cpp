#include "platform/win/sys/Clipboard.h"

#include <map>
#include <vector>

namespace {

struct Block {
    std::vector<char> bytes;
    int locks = 0;
};

struct ClipboardState {
    std::map<std::uint32_t, Block> blocks;
    std::uint32_t nextId = 1;
    bool open = false;
    HWND owner;
    HGLOBAL text;
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

Block* Find(HGLOBAL block) {
    auto& blocks = State().blocks;
    const auto found = blocks.find(block.id());
    return found == blocks.end() ? nullptr : &found->second;
}

} // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t bytes) {
    ClipboardState& state = State();
    const HGLOBAL block(state.nextId++);
    // Zeroed whether asked or not: a reader never sees another block's bytes.
    state.blocks[block.id()].bytes.assign(bytes, '\0');
    return block;
}

LPVOID GlobalLock(HGLOBAL block) {
    Block* found = Find(block);
    if (!found) {
        return nullptr;
    }
    ++found->locks;
    // A block of no bytes still answers a pointer that is not null.
    static char none = '\0';
    return found->bytes.empty() ? &none : found->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL block) {
    Block* found = Find(block);
    if (!found || found->locks == 0) {
        return FALSE;
    }
    return --found->locks > 0 ? TRUE : FALSE;
}

std::size_t GlobalSize(HGLOBAL block) {
    const Block* found = Find(block);
    return found ? found->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    ClipboardState& state = State();
    // The clipboard's own block is freed by emptying it, never behind its back.
    if (block == state.text || state.blocks.erase(block.id()) == 0) {
        return block;
    }
    return nullptr;
}

BOOL OpenClipboard(HWND owner) {
    ClipboardState& state = State();
    if (state.open && state.owner != owner) {
        return FALSE;
    }
    state.open = true;
    state.owner = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    if (!state.open) {
        return FALSE;
    }
    state.open = false;
    state.owner = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    if (!state.open) {
        return FALSE;
    }
    state.blocks.erase(state.text.id());
    state.text = nullptr;
    return TRUE;
}

HGLOBAL SetClipboardData(UINT format, HGLOBAL block) {
    ClipboardState& state = State();
    if (!state.open || format != CF_TEXT || !Find(block)) {
        return nullptr;
    }
    if (state.text != block) {
        state.blocks.erase(state.text.id());
        state.text = block;
    }
    return block;
}

HGLOBAL GetClipboardData(UINT format) {
    const ClipboardState& state = State();
    if (!state.open || format != CF_TEXT) {
        return nullptr;
    }
    return state.text;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return format == CF_TEXT && State().text ? TRUE : FALSE;
}

namespace hb::win::sys {

void ResetClipboard() {
    State() = ClipboardState{};
}

} // namespace hb::win::sys
