#pragma once

// The wait cursor over the whole program while a window walks the herd or does other long
// work; the cursor before it comes back when the scope ends, on an error too. Nested ones
// stack. The walk itself runs without the event loop, so nothing can change the herd under
// it.

#include <QGuiApplication>

class Wartecursor {
public:
    Wartecursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartecursor() { QGuiApplication::restoreOverrideCursor(); }
    Wartecursor(const Wartecursor&) = delete;
    Wartecursor& operator=(const Wartecursor&) = delete;
};
