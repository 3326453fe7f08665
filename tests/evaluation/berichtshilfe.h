#pragma once

// Herds and printouts shared by the register and day book tests.

#include "herd/sauherde.h"
#include "platform/recordingcanvas.h"

#include <QRandomGenerator>

inline TKurzDatum D(int tag, int monat, int jahr4) {
    return TKurzDatum::aus(tag, monat, jahr4);
}

inline Sau SauMit(const QString& nr, TKurzDatum zugang, TKurzDatum abgang = {},
                  const QString& herkunft = {}, const QString& abnehmer = {}) {
    Sau s;
    s.rec.setSauNr(nr);
    s.rec.setZugang(zugang);
    s.rec.setAbgang(abgang);
    s.rec.setHerkunft(herkunft);
    s.rec.setAbnehmer(abnehmer);
    s.rec.setTVG(QStringLiteral("T") + nr);
    return s;
}

// A litter: born, dead, fostering, farrowing and weaning dates, loss days.
inline TWurfRec WurfMit(int geborene, int tot, int ausgleich, TKurzDatum abferkeln,
                        TKurzDatum absetzen, std::initializer_list<int> verlusttage = {}) {
    TWurfRec w;
    w.setWurfNr(1);
    w.setGeborene(std::uint8_t(geborene));
    w.setTodgeborene(std::uint8_t(tot));
    w.setAusgleich(std::int8_t(ausgleich));
    w.setAbferkeln(abferkeln);
    w.setAbsetzen(absetzen);
    int k = 1;
    for (int t : verlusttage)
        w.setVerlusttag(k++, std::uint8_t(t));
    return w;
}

// A date from a small pool, so that many fall on the same day; sometimes none.
inline TKurzDatum ZufallsDatum(QRandomGenerator& r) {
    if (r.bounded(8) == 0) return {};
    return TKurzDatum::aus(1 + r.bounded(28), 1 + r.bounded(3), 2010 + r.bounded(2));
}

// The texts of one page, in drawing order.
inline QStringList SeitenTexte(const RecordingCanvas& c, int seite) {
    QStringList t;
    for (const auto& i : c.items())
        if (i.kind == RecordingCanvas::Item::Text && i.page == seite) t << i.text;
    return t;
}
