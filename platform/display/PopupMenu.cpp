#include "platform/display/PopupMenu.h"

#include "platform/display/MenuEntries.h"
#include "platform/display/Painter.h"
#include "platform/display/RenderSteps.h"
#include "platform/win/core/MessageLoop.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <optional>

namespace hb::display {

namespace {

constexpr int kRowHeight = 20;
constexpr int kSeparatorHeight = 8;
constexpr int kTextLeft = 20;
constexpr int kShortcutGap = 24;
constexpr int kRightMargin = 20;

struct Row {
    MenuEntry entry;
    int top = 0;
    int bottom = 0;
};

// The label and the shortcut after a tab, apart.
std::pair<std::string, std::string> Split(const std::string& text) {
    const std::size_t tab = text.find('\t');
    return tab == std::string::npos ? std::pair{text, std::string()}
                                    : std::pair{text.substr(0, tab), text.substr(tab + 1)};
}

class Popup {
public:
    Popup(Presenter& presenter, const hb::win::PopupMenuRequest& request)
        : m_presenter(presenter), m_menu(request.menu), m_owner(request.owner) {
        LayOut();
        Open(request.at);
    }
    ~Popup() { Close(); }
    Popup(const Popup&) = delete;
    Popup& operator=(const Popup&) = delete;

    UINT Run() {
        const auto previous = m_presenter.SetGrab([this](XEvent& event) { return Handle(event); });
        hb::win::RunNestedLoop([this] { return !m_done && IsWindow(m_owner); });
        m_presenter.SetGrab(previous);
        return m_chosen;
    }

private:
    void LayOut() {
        int top = 1;
        LONG labels = 0;
        LONG shortcuts = 0;
        for (MenuEntry& entry : EntriesOf(m_menu)) {
            const int height = entry.separator() ? kSeparatorHeight : kRowHeight;
            const auto [label, shortcut] = Split(entry.text);
            labels = std::max(labels, MenuTextWidth(label));
            shortcuts = std::max(shortcuts, MenuTextWidth(shortcut));
            m_rows.push_back({std::move(entry), top, top + height});
            top += height;
        }
        m_width = kTextLeft + labels + (shortcuts ? kShortcutGap + shortcuts : 0) + kRightMargin;
        m_height = top + 1;
    }

    void Open(POINT at) {
        Connection& connection = m_presenter.connection();
        ::Display* display = connection.display();
        const int screenWidth = DisplayWidth(display, connection.screen());
        const int screenHeight = DisplayHeight(display, connection.screen());
        m_at.x = std::max(0, std::min<int>(at.x, screenWidth - m_width));
        m_at.y = std::max(0, std::min<int>(at.y, screenHeight - m_height));
        XSetWindowAttributes attributes{};
        attributes.background_pixel = Connection::PixelOf(GetSysColor(COLOR_MENU));
        attributes.override_redirect = True;
        attributes.event_mask =
            ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;
        m_xid = XCreateWindow(display, connection.root(), m_at.x, m_at.y,
                              static_cast<unsigned>(m_width), static_cast<unsigned>(m_height), 0,
                              CopyFromParent, InputOutput, CopyFromParent,
                              CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
        XMapRaised(display, m_xid);
        XGrabPointer(display, m_xid, True, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                     GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
        XGrabKeyboard(display, m_xid, True, GrabModeAsync, GrabModeAsync, CurrentTime);
        XFlush(display);
    }

    void Close() {
        ::Display* display = m_presenter.connection().display();
        XUngrabPointer(display, CurrentTime);
        XUngrabKeyboard(display, CurrentTime);
        XDestroyWindow(display, m_xid);
        XFlush(display);
    }

    std::optional<std::size_t> RowAt(int rootX, int rootY) const {
        const int x = rootX - m_at.x;
        const int y = rootY - m_at.y;
        if (x < 0 || x >= m_width) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (y >= m_rows[i].top && y < m_rows[i].bottom) {
                return i;
            }
        }
        return std::nullopt;
    }

    bool Inside(int rootX, int rootY) const {
        return rootX >= m_at.x && rootX < m_at.x + m_width && rootY >= m_at.y &&
               rootY < m_at.y + m_height;
    }

    void Paint() {
        Connection& connection = m_presenter.connection();
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, m_height);
        cairo_t* cr = cairo_create(surface);
        detail::FillBox(cr, {0, 0, m_width, m_height}, GetSysColor(COLOR_MENU));
        detail::FrameBox(cr, {0, 0, m_width, m_height}, GetSysColor(COLOR_BTNSHADOW));
        DrawThroughDc(cr, [this](HDC hdc) { PaintRows(hdc); });
        PaintCheckMarks(cr);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        CopyPicture(connection, m_xid, surface);
        cairo_surface_destroy(surface);
        XFlush(connection.display());
    }

    void PaintRows(HDC hdc) {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows[i];
            if (row.entry.separator()) {
                RECT line{4, (row.top + row.bottom) / 2 - 1, m_width - 4, 0};
                line.bottom = line.top + 2;
                DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
                continue;
            }
            const bool hot = m_hot == i && row.entry.enabled();
            if (hot) {
                const RECT band{2, row.top, m_width - 2, row.bottom};
                FillRect(hdc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            SetTextColor(hdc, TextColor(i));
            const auto [label, shortcut] = Split(row.entry.text);
            RECT box{kTextLeft, row.top, m_width - kRightMargin, row.bottom};
            DrawText(hdc, label.c_str(), -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            DrawText(hdc, shortcut.c_str(), -1, &box, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
            if (row.entry.popup) {
                RECT arrow{m_width - kRightMargin, row.top, m_width - 4, row.bottom};
                DrawText(hdc, ">", -1, &arrow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        }
    }

    COLORREF TextColor(std::size_t index) const {
        const MenuEntry& entry = m_rows[index].entry;
        const bool hot = m_hot == index && entry.enabled();
        return GetSysColor(!entry.enabled() && !entry.popup ? COLOR_GRAYTEXT
                           : hot                            ? COLOR_HIGHLIGHTTEXT
                                                            : COLOR_MENUTEXT);
    }

    void PaintCheckMarks(cairo_t* cr) {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows[i];
            if (row.entry.state & MF_CHECKED) {
                detail::DrawCheckMark(cr, {4, row.top, kTextLeft, row.bottom}, TextColor(i));
            }
        }
    }

    void SetHot(std::optional<std::size_t> row) {
        if (row != m_hot) {
            m_hot = row;
            Paint();
            Select();
        }
    }

    // The owner hears which item the pointer is on, so that it can show the item's prompt.
    void Select() {
        UINT item = 0;
        UINT flags = 0;
        if (m_hot) {
            const MenuEntry& entry = m_rows[*m_hot].entry;
            item = entry.popup ? static_cast<UINT>(*m_hot) : entry.id;
            flags = entry.popup ? MF_POPUP : entry.separator() ? MF_SEPARATOR : 0;
        }
        SendMessage(m_owner, WM_MENUSELECT,
                    MAKEWPARAM(static_cast<WORD>(item), static_cast<WORD>(flags)),
                    static_cast<LPARAM>(m_menu.id()));
    }

    // The row's command, or its popup opened beside it.
    void Choose(std::size_t index) {
        const Row& row = m_rows[index];
        if (row.entry.popup) {
            SendMessage(m_owner, WM_INITMENUPOPUP, static_cast<WPARAM>(row.entry.popup.id()),
                        MAKELPARAM(static_cast<WORD>(index), FALSE));
            Popup inner(m_presenter,
                        {row.entry.popup, {m_at.x + m_width - 4, m_at.y + row.top}, m_owner});
            const UINT chosen = inner.Run();
            if (chosen) {
                Finish(chosen);
            } else {
                // The inner menu gave the grab back to nobody: take it again.
                ::Display* display = m_presenter.connection().display();
                XGrabPointer(display, m_xid, True,
                             ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                             GrabModeAsync, 0, 0, CurrentTime);
                XGrabKeyboard(display, m_xid, True, GrabModeAsync, GrabModeAsync, CurrentTime);
            }
            return;
        }
        if (row.entry.enabled()) {
            Finish(row.entry.id);
        }
    }

    void Finish(UINT chosen) {
        m_chosen = chosen;
        m_done = true;
    }

    void Step(int by) {
        if (m_rows.empty()) {
            return;
        }
        const auto count = static_cast<int>(m_rows.size());
        int at = m_hot ? static_cast<int>(*m_hot) : (by > 0 ? -1 : count);
        for (int tries = 0; tries < count; ++tries) {
            at = (at + by + count) % count;
            const MenuEntry& entry = m_rows[static_cast<std::size_t>(at)].entry;
            if (entry.enabled() || entry.popup) {
                SetHot(static_cast<std::size_t>(at));
                return;
            }
        }
    }

    bool Handle(XEvent& event) {
        switch (event.type) {
        case Expose:
            if (event.xexpose.window != m_xid) {
                return false;
            }
            if (event.xexpose.count == 0) {
                Paint();
            }
            return true;
        case MotionNotify:
            SetHot(RowAt(event.xmotion.x_root, event.xmotion.y_root));
            return true;
        case ButtonPress:
            if (!Inside(event.xbutton.x_root, event.xbutton.y_root)) {
                Finish(0);
            }
            return true;
        case ButtonRelease:
            if (const auto row = RowAt(event.xbutton.x_root, event.xbutton.y_root)) {
                Choose(*row);
            }
            return true;
        case KeyPress:
            Key(XLookupKeysym(&event.xkey, 0));
            return true;
        case KeyRelease:
            return true;
        default:
            return false;
        }
    }

    void Key(KeySym keysym) {
        switch (keysym) {
        case XK_Escape:
        case XK_Left:
            Finish(0);
            break;
        case XK_Up:
            Step(-1);
            break;
        case XK_Down:
            Step(1);
            break;
        case XK_Return:
        case XK_KP_Enter:
        case XK_Right:
            if (m_hot) {
                Choose(*m_hot);
            }
            break;
        default:
            break;
        }
    }

    Presenter& m_presenter;
    HMENU m_menu;
    HWND m_owner;
    std::vector<Row> m_rows;
    int m_width = 0;
    int m_height = 0;
    POINT m_at;
    XId m_xid = 0;
    std::optional<std::size_t> m_hot;
    UINT m_chosen = 0;
    bool m_done = false;
};

} // namespace

UINT TrackPopup(Presenter& presenter, const hb::win::PopupMenuRequest& request) {
    if (GetMenuItemCount(request.menu) <= 0) {
        return 0;
    }
    Popup popup(presenter, request);
    return popup.Run();
}

} // namespace hb::display
