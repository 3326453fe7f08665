#pragma once

// Small helpers shared by the window tests of the app folder.

#include "support/herdbau.h"

#include <QListWidget>
#include <QTest>

template <class T> T* kind(const QObject* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

inline QStringList eintraege(const QListWidget* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}
