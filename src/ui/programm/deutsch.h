#pragma once

class QCoreApplication;

// Installs Qt's own German translation so that standard buttons and dialogs speak German.
// False when the translation is not installed.
bool QtDeutschLaden(QCoreApplication& app);
