#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

// A shown, active window with the field under test and a plain line edit to leave it for.
template <class Feld> struct FeldFenster {
    QWidget fenster;
    Feld* feld;
    QLineEdit* anderes;

    template <class... A> explicit FeldFenster(A&&... args) {
        // Created first, the plain line edit takes the focus when the window is shown.
        auto* l = new QVBoxLayout(&fenster);
        anderes = new QLineEdit(&fenster);
        feld = new Feld(std::forward<A>(args)..., &fenster);
        l->addWidget(feld);
        l->addWidget(anderes);
    }

    bool zeigen() {
        fenster.show();
        fenster.activateWindow();
        return QTest::qWaitForWindowActive(&fenster) && anderes->hasFocus();
    }

    // Enters the field, empties it and types.
    void tippen(const QString& s) {
        feld->setFocus(Qt::TabFocusReason);
        feld->clear();
        QTest::keyClicks(feld, s);
    }

    void verlassen() { anderes->setFocus(Qt::TabFocusReason); }
};
