#pragma once

#include <QString>

// How the program talks to the user in message boxes. Windows and core operations get it
// from the application context; the production version shows message boxes, tests use a
// scripted fake.
class MessageService {
public:
    enum class Answer { Ok, Cancel, Yes, No };
    // YesNoDefaultNo: for questions before something is destroyed; Enter answers No.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };

    virtual ~MessageService() = default;

    // Error icon, one OK button.
    virtual void error(const QString& text) = 0;
    // Warning icon, one OK button.
    virtual void warning(const QString& text) = 0;
    // Error icon with OK and Cancel.
    virtual Answer errorOkCancel(const QString& text) = 0;
    // Warning icon with OK and Cancel.
    virtual Answer warningOkCancel(const QString& text) = 0;
    // Confirmation with the given buttons.
    virtual Answer question(const QString& text, Buttons buttons) = 0;
    // Information icon, one OK button.
    virtual void information(const QString& text) = 0;
};
