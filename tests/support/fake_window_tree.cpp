#include "tests/support/fake_window_tree.h"

#include <cctype>

namespace lumivane {
namespace {

bool SameClass(const std::string& a, const char* b) {
    const std::string other(b ? b : "");
    if (a.size() != other.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(other[i])))
            return false;
    }
    return true;
}

}  // namespace

WindowHandle FakeWindowTree::Add(WindowHandle parent, const std::string& className) {
    const WindowHandle handle = next_;
    next_ += 4;
    windows_.push_back({handle, parent, className, true, false, false, false});
    return handle;
}

void FakeWindowTree::Remove(WindowHandle window) {
    for (Window& w : windows_) {
        if (w.handle == window && w.open) {
            w.open = false;
            for (const Window& child : windows_)
                if (child.parent == window && child.open) Remove(child.handle);
        }
    }
}

void FakeWindowTree::Shield(WindowHandle window) {
    for (Window& w : windows_)
        if (w.handle == window) w.shielded = true;
}

void FakeWindowTree::Hang(WindowHandle window) {
    for (Window& w : windows_)
        if (w.handle == window) w.hung = true;
}

void FakeWindowTree::RefuseText(WindowHandle window) {
    for (Window& w : windows_)
        if (w.handle == window) w.refusesText = true;
}

const FakeWindowTree::Window* FakeWindowTree::Find(WindowHandle handle) const {
    for (const Window& w : windows_)
        if (w.handle == handle && w.open) return &w;
    return nullptr;
}

// Like the system: a parent that is not a window, or an `after` that is not one of
// the parent's children, finds nothing.
WindowHandle FakeWindowTree::Search(WindowHandle parent, WindowHandle after,
                                    const char* className) const {
    if (parent != 0 && !Find(parent)) return 0;
    if (after != 0) {
        const Window* child = Find(after);
        if (!child || child->parent != parent) return 0;
    }
    bool started = after == 0;
    for (const Window& w : windows_) {
        if (!w.open || w.parent != parent) continue;
        if (!started) {
            started = w.handle == after;
            continue;
        }
        if (SameClass(w.className, className)) return w.handle;
    }
    return 0;
}

WindowHandle FakeWindowTree::FindWindowA(const char* className) const {
    lookups_.push_back({0, 0, className});
    return Search(0, 0, className);
}

WindowHandle FakeWindowTree::FindWindowExA(WindowHandle parent, WindowHandle after,
                                           const char* className) const {
    lookups_.push_back({parent, after, className});
    return Search(parent, after, className);
}

Delivery FakeWindowTree::Deliver(const Message& message) {
    const Window* window = Find(message.window);
    if (!window) return Delivery::NoWindow;
    if (window->shielded) {
        refused_.push_back(message);
        return Delivery::Refused;
    }
    if (window->hung) {
        unanswered_.push_back(message);
        return Delivery::NotResponding;
    }
    if (window->refusesText && message.kind == MessageKind::SetText) {
        notTaken_.push_back(message);
        return Delivery::NotTaken;
    }
    delivered_.push_back(message);
    return Delivery::Handled;
}

Delivery FakeWindowTree::SetText(WindowHandle window, std::u16string_view text) {
    return Deliver({window, MessageKind::SetText, std::u16string(text), 0});
}

Delivery FakeWindowTree::SendChar(WindowHandle window, unsigned code) {
    return Deliver({window, MessageKind::Char, {}, code});
}

}  // namespace lumivane
