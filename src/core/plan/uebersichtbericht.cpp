#include "plan/uebersichtbericht.h"

#include "evaluation/berichtsdruck.h"
#include "herd/saustatus.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <cmath>

QString WochenText(QDate montag) {
    return QStringLiteral("Diese Woche ") + KurzDatumText(TKurzDatum::aus(montag)) +
           QStringLiteral(" bis ") + KurzDatumText(TKurzDatum::aus(montag.addDays(6)));
}

QString GespeichertText(const QDateTime& t) {
    if (!t.isValid()) return QStringLiteral("noch nie");
    return t.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

namespace {

const int kStatusFolge[6] = {stLeer, stUmrauschen, stBelegt, stTragend, stSaeugend, stLeereJS};

QString wurfNr(const Herde& herde, const FaelligeSau& s) {
    if (s.wurf < 0) return {};
    return QString::number(herde[std::size_t(s.sau)].wuerfe[std::size_t(s.wurf)].WurfNr());
}

UebersichtAbschnitt faellige(const QString& titel,
                             const std::array<std::vector<FaelligeSau>, kFaelligkeiten>& listen,
                             const Herde& herde) {
    UebersichtAbschnitt a{titel, {}};
    for (int f = 0; f < kFaelligkeiten; ++f) {
        const auto& liste = listen[std::size_t(f)];
        a.zeilen.push_back({FaelligkeitText(f), QString::number(liste.size()), false});
        for (const FaelligeSau& s : liste) {
            QString text = herde[std::size_t(s.sau)].rec.SauNr();
            if (s.wurf >= 0) text += QStringLiteral(", Wurf ") + wurfNr(herde, s);
            a.zeilen.push_back({text, KurzDatumText(s.datum), true});
        }
    }
    return a;
}

} // namespace

UebersichtAbschnitt BestandAbschnitt(const HerdUebersicht& u) {
    UebersichtAbschnitt bestand{QStringLiteral("Bestand"), {}};
    for (int s : kStatusFolge)
        bestand.zeilen.push_back({StatusName(s), QString::number(u.status[std::size_t(s)])});
    bestand.zeilen.push_back(
        {QStringLiteral("verkauft oder gemerzt dieses Jahr"), QString::number(u.abgaengeJahr)});
    bestand.zeilen.push_back({QStringLiteral("Sauen im Bestand"), QString::number(u.bestand)});
    return bestand;
}

std::vector<UebersichtAbschnitt> UebersichtAbschnitte(const HerdUebersicht& u, const Herde& herde,
                                                      const Haushalt& h) {
    std::vector<UebersichtAbschnitt> out;
    out.push_back(BestandAbschnitt(u));
    out.push_back(faellige(WochenText(u.wochenanfang), u.woche, herde));
    out.push_back(faellige(QStringLiteral("Überfällig"), u.ueberfaellig, herde));
    out.push_back({QStringLiteral("Haushalt"),
                   {{QStringLiteral("Zuletzt gespeichert"), GespeichertText(h.gespeichert)},
                    {QStringLiteral("Datensicherung"), h.sicherung},
                    {QStringLiteral("Offene Punkte"), QString::number(h.offenePunkte)}}});
    return out;
}

void UebersichtDrucken(Canvas& c, const std::vector<UebersichtAbschnitt>& abschnitte,
                       const QString& schrift) {
    const int h = Druckzeilenhoehe(c);
    c.setFont(schrift, 11);
    const int u = Druckeinheit(c, 100);
    for (std::size_t i = 0; i < abschnitte.size(); ++i) {
        const UebersichtAbschnitt& a = abschnitte[i];
        if (i > 0) c.newPage();
        auto kopf = [&](double y) {
            c.setFont(schrift, 14, Canvas::Bold);
            c.drawText(5 * u, y, QStringLiteral("Übersicht: ") + a.titel);
            c.setFont(schrift, 11);
            const double r = std::lround(y + 1.5 * h);
            c.drawLine(5 * u, r, 95 * u, r);
            return y + 2 * h;
        };
        auto zeile = [&](int n, double y) {
            const UebersichtZeile& z = a.zeilen[std::size_t(n - 1)];
            c.setFont(schrift, 11, z.sau ? Canvas::Normal : Canvas::Bold);
            c.drawText((z.sau ? 10 : 5) * u, y, z.text);
            const double rechts = z.sau ? 75 * u : 60 * u;
            c.drawText(rechts - c.textWidth(z.wert), y, z.wert);
        };
        ListeDrucken(c, h, {1, int(a.zeilen.size())}, kopf, zeile);
    }
}

CsvWriter UebersichtAlsCsv(const HerdUebersicht& u, const Herde& herde, const Haushalt& h) {
    CsvWriter csv;
    for (const char* kopf : {"Abschnitt", "Punkt", "Sau", "Wurf", "Datum", "Anzahl"})
        csv.text(QString::fromUtf8(kopf));
    csv.zeileEnde();
    const auto zeile = [&](const QString& abschnitt, const QString& punkt, const QString& wert) {
        csv.text(abschnitt).text(punkt).leer().leer().leer().text(wert);
        csv.zeileEnde();
    };
    for (int st : kStatusFolge)
        zeile(QStringLiteral("Bestand"), StatusName(st),
              QString::number(u.status[std::size_t(st)]));
    zeile(QStringLiteral("Bestand"), QStringLiteral("verkauft oder gemerzt dieses Jahr"),
          QString::number(u.abgaengeJahr));
    zeile(QStringLiteral("Bestand"), QStringLiteral("Sauen im Bestand"),
          QString::number(u.bestand));
    const auto listen = [&](const QString& abschnitt, const auto& alle) {
        for (int f = 0; f < kFaelligkeiten; ++f) {
            const auto& liste = alle[std::size_t(f)];
            zeile(abschnitt, FaelligkeitText(f), QString::number(liste.size()));
            for (const FaelligeSau& s : liste) {
                csv.text(abschnitt).text(FaelligkeitText(f));
                csv.text(herde[std::size_t(s.sau)].rec.SauNr()).text(wurfNr(herde, s));
                csv.datum(s.datum.alsQDate()).leer();
                csv.zeileEnde();
            }
        }
    };
    listen(WochenText(u.wochenanfang), u.woche);
    listen(QStringLiteral("Überfällig"), u.ueberfaellig);
    const QString haushalt = QStringLiteral("Haushalt");
    zeile(haushalt, QStringLiteral("Zuletzt gespeichert"), GespeichertText(h.gespeichert));
    zeile(haushalt, QStringLiteral("Datensicherung"), h.sicherung);
    zeile(haushalt, QStringLiteral("Offene Punkte"), QString::number(h.offenePunkte));
    return csv;
}
