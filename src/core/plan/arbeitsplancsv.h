#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Arbeitsplan;
class CsvWriter;

// The plan as the window shows it: the heads, then one line per row with the switched-on
// columns, the seven day cells and the note. Dates as dd.mm.yyyy.
QList<QStringList> ArbeitsplanCsvFelder(const Arbeitsplan& plan);

// The whole table, ready to be written.
CsvWriter ArbeitsplanCsv(const Arbeitsplan& plan);
