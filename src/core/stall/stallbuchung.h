#pragma once

#include "herd/kurzdatum.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

class AppContext;

// The bookings from the barn, one event for one sow, checked by the rules of the card and
// kept through the card's own commit (saved at once with EINZELSPEICHERUNG).
namespace stallbuchung {

enum class Art { Belegen, TK, Abferkeln, Verlust, Absetzen, Stall };

// "belegen", "tk", "abferkeln", "verlust", "absetzen", "stall".
std::optional<Art> ArtAusText(const QString& t);

struct Eingabe {
    Art art = Art::Belegen;
    TKurzDatum datum;
    QString eber;
    int mal = 1;
    bool tragend = false;
    int lebend = 0, tot = 0, weibliche = 0;
    int anzahl = 1;
    QString ursache;
    double gewichtKg = 0;
    QString stall;
    // The farmer has seen the warnings and books anyway.
    bool bestaetigt = false;
};

// The fields of a booking of kind `art` from the page, with the entry fields' checks.
std::optional<Eingabe> EingabeLesen(const QJsonObject& obj, QDate heute, QString& fehler);

struct Ergebnis {
    enum Stand { Gebucht, Abgelehnt, Rueckfrage, AmPcOffen, NichtGespeichert };
    Stand stand = Abgelehnt;
    QString meldung;       // why it was refused
    QStringList warnungen; // to confirm before the booking is made
    QString aenderung;     // what was booked, for the journal
    int wurfNr = 0;
};

inline const QString kAmPcOffen = QStringLiteral("Diese Sau ist am PC gerade geöffnet.");

// Books `e` for the sow at `index`. Nothing changes unless the result is Gebucht (or
// NichtGespeichert: booked, the herd stays marked changed, the PC was told).
Ergebnis Buchen(AppContext& ctx, int index, const Eingabe& e);

} // namespace stallbuchung
