// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

namespace kel::display
{

// The single instance of a window kind: created by the first operation that touches it
// (its constructor runs the load step), reused afterwards, created afresh once destroyed.
template <class Window> class WindowInstance
{
public:
    static Window &get()
    {
        if (!s_window)
            s_window = new Window;
        return *s_window;
    }
    // The window if it exists, without creating it.
    static Window *existing() { return s_window.data(); }
    // Destroys the window (tests use it to start from a new instance).
    static void destroy() { delete s_window.data(); }

private:
    static inline QPointer<Window> s_window;
};

} // namespace kel::display
