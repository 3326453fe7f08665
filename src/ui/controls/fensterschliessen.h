#pragma once

class QWidget;

// Closes a window of the program: its MDI frame when it lives in one, else the window itself.
void FensterSchliessen(QWidget* fenster);
