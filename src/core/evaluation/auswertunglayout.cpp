#include "evaluation/auswertunglayout.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "platform/canvas.h"
#include "platform/seitenlauf.h"

#include <algorithm>

const char* const kNichtAusgewertet =
    "Dieser Wurf wird nicht ausgewertet (säugend, verworfen oder ganz tot geboren).";

namespace {

int gerundet(double v) {
    return Seitenlauf::gerundet(v);
}

void rechts(Canvas& c, double xEnde, double y, const QString& s) {
    if (!s.isEmpty()) TextRechts(c, xEnde, y, s);
}

void text(Canvas& c, double x, double y, const QString& s) {
    if (!s.isEmpty()) c.drawText(x, y, s);
}

// The columns of one output: x of labels, ":", detail names and every edge.
struct Spalten {
    double label, doppelpunkt, detail, saldoLabel;
    double kante[8];
    bool saldoLinks;          // the screen starts the balance at its edge, paper ends it there
    double detailSchrift = 0; // point size of detail lines, 0 = unchanged
};

const Spalten kBildschirm{0, 240, 100, 20, {300, 440, 580, 420, 300, 400, 280, 420}, true};

void zellen(Canvas& c, const Spalten& s, const KennzahlZeile& r, double y) {
    for (const KennzahlZelle& z : r.zellen) {
        const double x = s.kante[int(z.kante)];
        if (z.kante == Kante::SaldoMittel && s.saldoLinks) {
            text(c, x, y, z.zahl + z.rest());
            continue;
        }
        rechts(c, x, y, z.zahl);
        text(c, x, y, z.rest());
    }
}

void zeileZeichnen(Canvas& c, const Spalten& s, const KennzahlZeile& r, double y, bool eber) {
    switch (r.art) {
    case KennzahlZeile::Detail:
        text(c, s.detail, y, r.text);
        break;
    case KennzahlZeile::Saldo:
        text(c, s.saldoLabel, y, r.text);
        break;
    case KennzahlZeile::Kennzahl:
        text(c, s.label, y, r.text);
        if (r.doppelpunkt && !eber) text(c, s.doppelpunkt, y, QStringLiteral(":"));
        break;
    }
    zellen(c, s, r, y);
}

QString sauNr(const TAuswertungsStand& st, const Auswertungskopie& kopie) {
    return st.Sau >= 0 && st.Sau < kopie.sauenAnzahl() ? kopie.sau(st.Sau).SauNr.text() : QString();
}

} // namespace

int Zeilenhoehe(const Canvas& c) {
    return Seitenlauf::zeilenhoeheVon(c, 1.25);
}

int AngezeigteWurfNr(const TAuswertungsStand& st, const Auswertungskopie& kopie) {
    if (st.Sau < 0 || st.Sau >= kopie.sauenAnzahl()) return 0;
    if (st.Wurf >= 0) return kopie.wuerfe(st.Sau)[std::size_t(st.Wurf)].WurfNr;
    return st.gewaehlteWurfNr;
}

void KopfZeichnen(Canvas& c, const TAuswertungsStand& st, const Auswertungskopie& kopie, int h) {
    const TKennzahlen& k = st.Summe;
    switch (st.Modus) {
    case amSauWurf:
        text(c, 150, 0, QStringLiteral("Sau: ") + sauNr(st, kopie));
        text(c, 280, 0, QStringLiteral("Wurf:") + Ganz(AngezeigteWurfNr(st, kopie), 3));
        break;
    case amSau:
        text(c, 150, 0, QStringLiteral("Sau: ") + sauNr(st, kopie));
        text(c, 280, 0, QStringLiteral("Würfe:") + Ganz(k.Wuerfe, 4));
        break;
    case amEber:
    case amAuswahl:
        text(c, 150, 0, QStringLiteral("Sauen :") + Ganz(k.Sauen, 4));
        text(c, 280, 0, QStringLiteral("Würfe:") + Ganz(k.Wuerfe));
        break;
    }
    text(c, 280, h, QStringLiteral("mittel"));
    text(c, 400, h, QStringLiteral("gesamt"));
    text(c, 550, h, QStringLiteral("je Wurf"));
}

KennzahlPane KennzahlenZeichnen(Canvas& c, const std::vector<KennzahlZeile>& zeilen,
                                TAuswertungsModus modus, int h) {
    KennzahlPane p;
    int y = 0;
    bool erste = true;
    for (const KennzahlZeile& r : zeilen) {
        if (!erste) y += gerundet(r.vorschub * h);
        erste = false;
        zeileZeichnen(c, kBildschirm, r, y, modus == amEber);
        if (r.knopf == KennzahlZeile::AnomalienKnopf) p.anomalienY = y;
        if (r.knopf == KennzahlZeile::AusfaelleKnopf) {
            p.ausfaelleY = y;
            p.zeitpunktY = y + h;
        }
    }
    p.hoehe = zeilen.empty() ? 0 : y + h;
    return p;
}

namespace {

// The printout, u = page width div 80, lines one text height apart; a new page when a block
// would pass the foot.
class Druck {
public:
    Druck(Canvas& c, const TAuswertungsStand& st, const Auswertungskopie& kopie,
          const Einstellungen& e)
        : c_(c), st_(st), kopie_(kopie), e_(e), seiten_(c, 80, 1.0) {
        schrift(12);
        seiten_.zeilenhoeheNeu();
        u_ = seiten_.einheit();
        h_ = int(seiten_.zeilenhoehe());
    }

    void drucken() {
        kopf();
        if (st_.Modus == amSauWurf && st_.Wurf < 0) {
            c_.drawText(4 * u_, y_, QString::fromUtf8(kNichtAusgewertet));
            return;
        }
        const Spalten s{4 * u_,
                        30 * u_,
                        8 * u_,
                        4 * u_,
                        {40 * u_, 55 * u_, 70 * u_, 55 * u_, 40 * u_, 55 * u_, 37 * u_, 53 * u_},
                        false};
        bool erste = true;
        for (const KennzahlZeile& r : KennzahlZeilen(st_, e_, true)) {
            if (!erste) y_ += gerundet(r.vorschub * h_);
            erste = false;
            platz(h_);
            schrift(r.art == KennzahlZeile::Detail ? 10 : 12);
            zeileZeichnen(c_, s, r, y_, st_.Modus == amEber);
        }
        schrift(12);
        y_ += 2 * h_; // the next line, then one empty line
        if (st_.Modus == amSau && st_.Sau >= 0) wurfTabelle();
    }

private:
    void schrift(double pt) { c_.setFont(e_.printerFont, pt); }
    void linie(double x1, double x2) { c_.drawLine(x1, y_, x2, y_); }
    // Starts a new page when `hoehe` more would pass the foot.
    bool platz(double hoehe) { return seiten_.platz(y_, hoehe); }

    void kopf() {
        QString titel = QStringLiteral("Auswertung ");
        if (st_.Modus == amSau || st_.Modus == amSauWurf)
            titel += QStringLiteral("  Sau  ") + sauNr(st_, kopie_);
        if (st_.Modus == amSauWurf)
            titel += QStringLiteral("   Wurf  ") + QString::number(AngezeigteWurfNr(st_, kopie_));
        c_.drawText(30 * u_, 3 * h_, titel);
        y_ = gerundet(4.5 * h_);
        linie(3 * u_, c_.pageWidth() - 3 * u_);
        y_ = 5 * h_;
        if (st_.Modus == amEber || st_.Modus == amAuswahl) {
            const QString f = Filterbeschreibung(st_.filter);
            c_.drawText(40 * u_ - c_.textWidth(f) / 2, y_, f);
            y_ += h_;
        }
        if (st_.Modus != amSauWurf) {
            if (st_.Modus == amEber || st_.Modus == amAuswahl)
                c_.drawText(15 * u_, y_, QStringLiteral("Sauen :") + Ganz(st_.Summe.Sauen, 4));
            c_.drawText(30 * u_, y_, QStringLiteral("Würfe:") + Ganz(st_.Summe.Wuerfe, 4));
            y_ += h_;
        }
        c_.drawText(35 * u_, y_, QStringLiteral("mittel"));
        c_.drawText(50 * u_, y_, QStringLiteral("gesamt"));
        c_.drawText(65 * u_, y_, QStringLiteral("je Wurf"));
        y_ += gerundet(1.5 * h_);
        linie(3 * u_, c_.pageWidth() - 3 * u_);
        y_ += h_ / 2;
    }

    void tabellenKopf() {
        rechts(c_, 12 * u_, y_, QStringLiteral("Belegen"));
        rechts(c_, 33 * u_, y_, QStringLiteral("Ferkeln"));
        c_.drawText(36 * u_, y_,
                    e_.weibliche ? QStringLiteral("geb/ tot/w") : QStringLiteral("geb/ tot"));
        schrift(10);
        c_.drawText(45 * u_, y_, QStringLiteral("/Ausgl."));
        c_.drawText(49 * u_, y_, QStringLiteral("/Ausf./Anom."));
        schrift(12);
        rechts(c_, 65 * u_, y_, QStringLiteral("Absetzen"));
        c_.drawText(68 * u_, y_, QStringLiteral("abg."));
        y_ += h_;
        linie(3 * u_, 73 * u_);
        y_ += h_ / 3;
    }

    void wurfTabelle() {
        platz(3 * h_);
        tabellenKopf();
        for (const KopieWurf& w : kopie_.wuerfe(st_.Sau)) {
            int zeilen = 0;
            for (int k = 1; k <= 3; ++k)
                zeilen += w.Belegen(k).vorhanden();
            if (platz(std::max(zeilen, 1) * h_ + h_ / 3)) tabellenKopf();
            wurfZeile(w);
            y_ += std::max(zeilen, 1) * h_;
            linie(3 * u_, 73 * u_);
            y_ += h_ / 3;
        }
    }

    void wurfZeile(const KopieWurf& w) {
        rechts(c_, 4 * u_, y_, QString::number(w.WurfNr));
        int z = 0;
        for (int k = 1; k <= 3; ++k) {
            if (!w.Belegen(k).vorhanden()) continue;
            rechts(c_, 12 * u_, y_ + z * h_, KurzDatumText(w.Belegen(k)));
            text(c_, 13 * u_, y_ + z * h_, w.Eber(k).text());
            ++z;
        }
        if (w.abgeferkelt()) {
            rechts(c_, 33 * u_, y_, KurzDatumText(w.Abferkeln()));
            rechts(c_, 38 * u_, y_, QString::number(w.Geborene));
            c_.drawText(38 * u_, y_, QStringLiteral(" / "));
            rechts(c_, 41 * u_, y_,
                   w.Todgeborene ? QString::number(w.Todgeborene) : QStringLiteral("-"));
            if (e_.weibliche) {
                c_.drawText(41 * u_, y_, QStringLiteral(" / "));
                rechts(c_, 43 * u_, y_, QString::number(w.Weibliche));
            }
            if (w.Ausgleich != 0)
                rechts(c_, 48 * u_, y_,
                       (w.Ausgleich > 0 ? QStringLiteral("+") : QString()) +
                           QString::number(w.Ausgleich));
            if (w.Verluste > 0) rechts(c_, 52 * u_, y_, QString::number(w.Verluste));
            if (w.Anomalien > 0) rechts(c_, 56 * u_, y_, QString::number(w.Anomalien));
        }
        if (w.Absetzen().vorhanden()) {
            rechts(c_, 65 * u_, y_, KurzDatumText(w.Absetzen()));
            rechts(c_, 70 * u_, y_, QString::number(Abgesetzte(w)));
        }
    }

    Canvas& c_;
    const TAuswertungsStand& st_;
    const Auswertungskopie& kopie_;
    const Einstellungen& e_;
    Seitenlauf seiten_;
    double u_ = 1;
    int h_ = 1;
    double y_ = 0;
};

} // namespace

void AuswertungDrucken(Canvas& c, const TAuswertungsStand& st, const Auswertungskopie& kopie,
                       const Einstellungen& e) {
    Druck(c, st, kopie, e).drucken();
}
