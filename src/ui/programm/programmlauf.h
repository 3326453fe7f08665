#pragma once

#include <functional>

class QWidget;

// The program's whole run: application, single instance, German texts, context, main window
// and event loop. `gezeigt` is called with the main window once it is shown (the test
// build hangs its script driver there).
int Programmlauf(int& argc, char** argv, const std::function<void(QWidget*)>& gezeigt = {});
