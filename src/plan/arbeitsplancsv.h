#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Arbeitsplan;

// One line of a semicolon-separated file: a field holding ";", a double quote or a line
// break is quoted, its quotes doubled.
QString CsvZeile(const QStringList& felder);

// The plan as the window shows it: the heads, then one line per row with the switched-on
// columns, the seven day cells and the note. Dates as dd.mm.yyyy.
QList<QStringList> ArbeitsplanCsvFelder(const Arbeitsplan& plan);

// The whole file: UTF-8 with byte order mark, CR LF after every line.
QByteArray ArbeitsplanCsv(const Arbeitsplan& plan);
