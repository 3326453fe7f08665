#pragma once

#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <vector>

// A window on a test context whose controls are found by their objectName; the herd
// builders come from herdbau.h.

// A window of type W on the test context's application context.
template <class W> struct Fenster {
    explicit Fenster(TestContext& t) : w(t.ctx) {}

    // Shows the window and waits until it is active.
    bool zeigen() {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    template <class T> T* c(const QString& name) {
        T* x = w.template findChild<T*>(name);
        if (!x) qFatal("control %s missing", qPrintable(name));
        return x;
    }
    template <class T> T* c(const char* name) { return c<T>(QString::fromLatin1(name)); }
    // Types into a field without leaving it.
    void eintippen(const char* feld, const QString& text) {
        auto* e = c<QLineEdit>(feld);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    // Types into a field (empty text clears it) and leaves it with Tab, or the key given.
    void tippen(const char* feld, const QString& text, Qt::Key weiter = Qt::Key_Tab) {
        eintippen(feld, text);
        if (text.isEmpty()) QTest::keyClick(c<QLineEdit>(feld), Qt::Key_Delete);
        QTest::keyClick(c<QLineEdit>(feld), weiter);
    }
    // Clicks a line of a list.
    static void klick(QAbstractItemView* v, int zeile) {
        const QRect r = v->visualRect(v->model()->index(zeile, 0));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The name of the control that has the focus (a box's line edit counts as its box).
    static QString fokus() {
        for (QWidget* x = QApplication::focusWidget(); x; x = x->parentWidget())
            if (!x->objectName().isEmpty() && !x->objectName().startsWith(u'q'))
                return x->objectName();
        return {};
    }

    W w;
};
