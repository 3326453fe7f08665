#pragma once

#include "plan/uebersicht.h"

#include <QDateTime>
#include <QString>
#include <vector>

class Canvas;
class CsvWriter;

// The house-keeping lines of the overview.
struct Haushalt {
    QDateTime gespeichert; // the herd file's time; invalid without a file
    QString sicherung;     // "Letzte Datensicherung vor 9 Tagen"
    bool sicherungWarnen = false;
    int offenePunkte = 0;
};

// The overview as printed and written: sections of lines; a line is a caption with its count,
// or (indented) a sow with her litter and date.
struct UebersichtZeile {
    QString text;
    QString wert;
    bool sau = false;
};
struct UebersichtAbschnitt {
    QString titel;
    std::vector<UebersichtZeile> zeilen;
};

QString WochenText(QDate montag); // "Diese Woche 3.6.24 bis 9.6.24"
QString GespeichertText(const QDateTime& t);
// The herd by state: the first section, without the lists of sows the others carry.
UebersichtAbschnitt BestandAbschnitt(const HerdUebersicht& u);
std::vector<UebersichtAbschnitt> UebersichtAbschnitte(const HerdUebersicht& u, const Herde& herde,
                                                      const Haushalt& h);

// One portrait page per section (a long section goes on over further pages).
void UebersichtDrucken(Canvas& c, const std::vector<UebersichtAbschnitt>& abschnitte,
                       const QString& schrift);
// Section; Punkt; Sau; Wurf; Datum; Anzahl.
CsvWriter UebersichtAlsCsv(const HerdUebersicht& u, const Herde& herde, const Haushalt& h);
