#pragma once

// Small helpers shared by the window tests of the app folder.

#include "herd/herdfile.h"

#include <QDateTime>
#include <QFile>
#include <QListWidget>
#include <QTest>

template <class T> T* kind(const QObject* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

inline QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

inline bool schreiben(const QString& pfad, const QByteArray& inhalt, const QDateTime& zeit = {}) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size()) return false;
    f.flush();
    return !zeit.isValid() || f.setFileTime(zeit, QFileDevice::FileModificationTime);
}

// A herd file of sows "1".."n", each with one blank litter.
inline bool herdeSchreiben(const QString& pfad, int sauen) {
    Herde h;
    for (int i = 0; i < sauen; ++i) {
        Sau s;
        s.rec.setSauNr(QString::number(i + 1));
        s.wuerfe.push_back(TWurfRec::leer(1));
        h.push_back(s);
    }
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && HerdeSchreiben(f, h);
}

inline QStringList eintraege(const QListWidget* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}
