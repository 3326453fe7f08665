#pragma once

class QDialog;
class QDialogButtonBox;

// OK, cancel and, where wanted, help as the dialogs of the program have them: named OKBtn,
// CancelBtn and HelpBtn, none taking Enter (Enter moves to the next field), cancel rejecting.
// What OK does is connected by the dialog (accepted()).
QDialogButtonBox* DialogKnoepfe(QDialog* dialog, bool mitHilfe = true);
