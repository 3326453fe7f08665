#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

// A table read from a spreadsheet's CSV file. The fields are views into the table's own text
// (a quoted field with doubled quotes into a copy without them): they stay valid as long as
// the table does.
struct CsvTabelle {
    CsvTabelle() = default;
    CsvTabelle(CsvTabelle&&) = default;
    CsvTabelle& operator=(CsvTabelle&&) = default;
    CsvTabelle(const CsvTabelle&) = delete; // the fields would look into the original
    CsvTabelle& operator=(const CsvTabelle&) = delete;

    struct Zeile {
        int nummer = 0; // the line of the file it starts on, from 1
        QList<QStringView> felder;
    };
    QString text;
    std::deque<QString> ausgepackt;
    QList<Zeile> zeilen; // the head first; blank lines left out
    QChar trenner = u';';

    // The head line's fields.
    QStringList kopf() const;
};

// Reads CSV bytes: UTF-8 (with or without byte order mark), else Windows-1252; fields separated
// by semicolons or commas, whichever the head line has more of outside quotes; a quoted field
// may hold separators, doubled quotes and line breaks; lines end in CR LF or LF.
CsvTabelle CsvLesen(const QByteArray& bytes);
