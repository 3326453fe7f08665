#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class QIODevice;

// A small INI file: "[SECTION]" lines and "KEY=value" lines. Section names compare without
// case; keys are taken literally (a "/" is part of the key); values are the raw text after the
// first "=" (only the line end is removed). Written in UTF-8, sections and keys in the order
// they were first seen or set.
class IniDatei {
public:
    void lesen(const QByteArray& text);
    QByteArray text() const;

    // Reads the file; a missing file gives an empty store. False when it exists but cannot
    // be read.
    bool laden(const QString& datei);
    // Atomic write.
    bool speichern(const QString& datei) const;

    std::optional<QString> wert(const QString& section, const QString& key) const;
    void setzen(const QString& section, const QString& key, const QString& value);
    bool leer() const { return sections_.isEmpty(); }

private:
    struct Section {
        QString name;
        QList<std::pair<QString, QString>> eintraege;
    };
    Section* finde(const QString& name);
    const Section* finde(const QString& name) const;
    QList<Section> sections_;
};
