#include "entry/kartendruck.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "platform/canvas.h"
#include "platform/seitenlauf.h"

#include <QStringList>
#include <algorithm>

namespace {

int gerundet(double v) {
    return Seitenlauf::gerundet(v);
}

QString zahl(int v) {
    return QString::number(v);
}

// Fostering is shown with its sign: "+2", "0", "-1".
QString mitVorzeichen(int v) {
    return v > 0 ? QStringLiteral("+") + zahl(v) : zahl(v);
}

// The lines of a memo text: a trailing line break opens no further line.
QStringList notizZeilen(const QString& text) {
    if (text.isEmpty()) return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    QStringList zeilen = t.split(u'\n');
    if (zeilen.size() > 1 && zeilen.last().isEmpty()) zeilen.removeLast();
    return zeilen;
}

// One card on one page. x positions are multiples of U, lines are H apart.
class Karte {
public:
    Karte(Canvas& c, const TSauRec& sau, const std::vector<TWurfRec>& wuerfe,
          const Einstellungen& e, int tragezeit)
        : c_(c), seiten_(c, 84, 1.25), sau_(sau), wuerfe_(wuerfe), e_(e), tragezeit_(tragezeit) {
        schrift(12);
        seiten_.zeilenhoeheNeu();
        U = seiten_.einheit();
        H = int(seiten_.zeilenhoehe());
        aktuell_ = AktuellerWurf(wuerfe_);
    }

    void drucken() {
        y_ = 2 * H;
        kopf();
        for (int nr : e_.item) {
            switch (nr) {
            case 1:
                sauNotiz();
                break;
            case 2:
                vorwurfNotiz();
                break;
            case 3:
                aktuellerWurf();
                break;
            case 4:
                grossesDatum();
                break;
            case 5:
                bisherigeWuerfe();
                break;
            default:
                break;
            }
        }
        linien();
    }

private:
    void schrift(double groesse, int stil = Canvas::Normal) {
        c_.setFont(e_.printerFont, groesse, stil);
    }
    int hoeheM() const { return gerundet(c_.textHeight()); }

    // Nothing is drawn below the foot of the page; a text must also end on the paper.
    void text(double x, int y, const QString& s) {
        if (s.isEmpty() || !seiten_.aufSeite(y)) return;
        c_.drawText(x, y, s);
    }
    void rechts(int xEnde, int y, const QString& s) {
        if (s.isEmpty() || !seiten_.aufSeite(y)) return;
        seiten_.rechts(xEnde, y, s);
    }
    void kursiv(int x, int y, const QString& s) {
        schrift(12, Canvas::Italic);
        text(x, y, s);
        schrift(12);
    }
    void linie(int y) { linie(y, 3 * U, 80 * U); }
    void linie(int y, int x1, int x2) {
        if (seiten_.ueberFuss(y)) return;
        c_.drawLine(x1, y, x2, y);
    }

    void kopf() {
        schrift(54, Canvas::Bold);
        text(6 * U, 2 * H, sau_.SauNr());
        schrift(12);
        text(55 * U, 2 * H, QStringLiteral("eingestallt :  ") + KurzDatumText(sau_.Zugang()));
        text(55 * U, 3 * H, QStringLiteral("Rasse       :  ") + sau_.Rasse());
        rechts(53 * U, 4 * H, sau_.TVG());
        text(55 * U, 4 * H, QStringLiteral("Herkunft   :  ") + sau_.Herkunft());
        linie(2 * H + gerundet(3.5 * H));
        y_ = 6 * H;
    }

    // 1: the sow's note, one printed line per memo line.
    void sauNotiz() {
        const QStringList zeilen = notizZeilen(sau_.SauNotiz());
        if (!zeilen.isEmpty()) {
            schrift(10);
            text(3 * U, y_, QStringLiteral("Zur Sau:"));
        }
        schrift(12, Canvas::Italic);
        for (const QString& z : zeilen) {
            text(11 * U, y_, z);
            y_ += hoeheM();
        }
        linie(y_ + H / 2);
        y_ += H;
        schrift(12);
    }

    // 2: the note of the litter before the current one.
    void vorwurfNotiz() {
        if (aktuell_ < 1) return;
        const QString notiz = wuerfe_[std::size_t(aktuell_ - 1)].WurfNotiz();
        if (notiz.isEmpty()) return;
        const TWurfRec& w = wuerfe_[std::size_t(aktuell_)];
        schrift(10);
        text(3 * U, y_, QStringLiteral("zu Wurf ") + zahl(w.WurfNr() - 1) + QStringLiteral(":"));
        kursiv(11 * U, y_, notiz);
        linie(y_ + H);
        y_ += gerundet(1.5 * H);
    }

    // 3: matings, checks, farrowing, weaning and the note of the current litter.
    void aktuellerWurf() {
        if (aktuell_ < 0) return;
        const TWurfRec& w = wuerfe_[std::size_t(aktuell_)];
        text(4 * U, y_,
             QStringLiteral("aktueller Wurf (") + zahl(w.WurfNr()) + QStringLiteral("):"));
        linie(y_ + hoeheM());
        y_ += H;

        for (int k = 1; k <= 3; ++k) {
            if (!w.Belegen(k).vorhanden()) continue;
            text(3 * U, y_, QStringLiteral("Belegen  :   ") + KurzDatumText(w.Belegen(k)));
            text(22 * U, y_, w.Eber(k));
            // A mating counts at least once, as on the card.
            text(38 * U, y_, zahl(std::max(1, int(w.Mal(k)))) + QStringLiteral(" mal"));
            kursiv(62 * U, y_, w.Belegnote(k));
            y_ += H;
        }
        for (int k = 1; k <= 2; ++k) {
            if (!w.TKDatum(k).vorhanden()) continue;
            text(3 * U, y_, QStringLiteral("TK-Kontrolle:   ") + KurzDatumText(w.TKDatum(k)));
            text(22 * U, y_,
                 w.TKErgebnis(k) != 0 ? QStringLiteral(" tragend")
                                      : QStringLiteral("nicht ") + QStringLiteral(" tragend"));
            y_ += H;
        }
        if (w.Abferkeln().vorhanden()) ferkeln(w);
        if (w.Absetzen().vorhanden()) {
            text(3 * U, y_, QStringLiteral("Absetzen:   ") + KurzDatumText(w.Absetzen()));
            text(20 * U, y_, QStringLiteral("abg.Ferkel: ") + zahl(Abgesetzte(w)));
            y_ += H;
        }
        kursiv(4 * U, y_, w.WurfNotiz());
        y_ += 2 * H;
        linie(y_ - H / 2);
    }

    // The farrowing line, then the anomalies and the losses with their names.
    void ferkeln(const TWurfRec& w) {
        text(3 * U, y_, QStringLiteral("Ferkeln   :   ") + KurzDatumText(w.Abferkeln()));
        text(22 * U, y_,
             QStringLiteral("geb.F:  ") + zahl(w.Geborene()) + QStringLiteral("   totgeb.:  ") +
                 zahl(w.Todgeborene()));
        if (e_.weibliche) text(41 * U, y_, QStringLiteral("weibl.:  ") + zahl(w.Weibliche()));
        text(50 * U, y_, QStringLiteral("Ausgl.:  ") + mitVorzeichen(w.Ausgleich()));
        kursiv(62 * U, y_, w.FerkelnNote());
        y_ += H;
        // Anomalies fill the slots from 14 down, losses from 1 up.
        const int anomalien = Anomalien(w), verluste = Verluste(w);
        QStringList besonders, ausfall;
        for (int s = feldgroesse::Eintraege; s > feldgroesse::Eintraege - anomalien; --s)
            besonders << w.Eintrag(s);
        for (int s = 1; s <= verluste; ++s)
            ausfall << w.Eintrag(s);
        eintraegeZeile(QStringLiteral("  Besond.:  "), besonders);
        eintraegeZeile(QStringLiteral("  Ausfall  :  "), ausfall);
    }

    // "label count   name / name" on a line of its own.
    void eintraegeZeile(const QString& label, const QStringList& namen) {
        QString t = label + zahl(int(namen.size())) + QStringLiteral("   ");
        for (const QString& n : namen)
            t += n + QStringLiteral(" / ");
        t.chop(2);
        text(3 * U, y_, t);
        y_ += H;
    }

    // 4: the latest mating date and the (expected) farrowing date in large type.
    void grossesDatum() {
        if (aktuell_ < 0) return;
        const TWurfRec& w = wuerfe_[std::size_t(aktuell_)];
        text(15 * U, y_, QStringLiteral("Belegdatum:"));
        text(60 * U, y_, QStringLiteral("Abferkeldatum:"));
        y_ += H;
        schrift(54, Canvas::Bold);
        text(3 * U, y_, KurzDatumText(w.Belegen(LetzteBelegung(w))));
        rechts(80 * U, y_, KurzDatumText(AbferkelnOderErwartet(w, tragezeit_)));
        y_ += gerundet(1.3 * c_.textHeight());
        schrift(12);
        linie(y_ - H);
    }

    // 5: a table of all litters, one column per litter.
    void bisherigeWuerfe() {
        if (wuerfe_.empty()) return;
        QStringList zeilen{QStringLiteral("Wurf"), QStringLiteral("geb.Ferkel"),
                           QStringLiteral("davon tot")};
        if (e_.weibliche) zeilen << QStringLiteral("weiblich");
        zeilen << QStringLiteral("Ausfälle") << QStringLiteral("Ausgleich")
               << QStringLiteral("abg.Ferkel");
        const int oben = y_;
        for (int r = 0; r < zeilen.size(); ++r)
            text(3 * U, oben + r * H, zeilen[r]);

        const int n = int(wuerfe_.size());
        const int breite = n >= 14 ? 63 * U / n : 5 * U;
        const auto strichFuerNull = [](int v, const QString& s) {
            return v == 0 ? QStringLiteral("-") : s;
        };
        for (int i = 0; i < n; ++i) {
            const TWurfRec& w = wuerfe_[std::size_t(i)];
            const int x = 17 * U + i * breite;
            int zeile = 0;
            const auto wert = [&](const QString& s) { rechts(x, oben + zeile++ * H, s); };
            wert(zahl(w.WurfNr()));
            if (!w.Belegen(1).vorhanden()) continue;
            // Every slot with a loss day counts here, not only the leading ones.
            int ausfaelle = 0;
            for (int s = 1; s <= feldgroesse::Eintraege; ++s)
                if (w.Verlusttag(s) != 0) ++ausfaelle;
            wert(zahl(w.Geborene()));
            wert(strichFuerNull(w.Todgeborene(), zahl(w.Todgeborene())));
            if (e_.weibliche) wert(strichFuerNull(w.Weibliche(), zahl(w.Weibliche())));
            wert(strichFuerNull(ausfaelle, zahl(ausfaelle)));
            wert(strichFuerNull(w.Ausgleich(), mitVorzeichen(w.Ausgleich())));
            wert(zahl(AbgesetzteFerkel(w.Geborene(), w.Todgeborene(), ausfaelle, w.Ausgleich())));
        }
        linie(oben + hoeheM(), 3 * U, 17 * U + (n - 1) * breite);
        y_ = oben + int(zeilen.size()) * H;
        linie(y_ - H + hoeheM());
    }

    // Ruled lines for handwritten notes down to one pitch above the foot.
    void linien() {
        y_ += H;
        while (y_ < seiten_.fuss() - H) {
            linie(y_ - H);
            y_ += 2 * H;
        }
    }

    Canvas& c_;
    Seitenlauf seiten_;
    const TSauRec& sau_;
    const std::vector<TWurfRec>& wuerfe_;
    const Einstellungen& e_;
    int tragezeit_;
    int U = 1, H = 1;
    int aktuell_ = -1; // index of the current litter, -1 without litters
    int y_ = 0;
};

} // namespace

void KarteDrucken(Canvas& c, const TSauRec& sau, const std::vector<TWurfRec>& wuerfe,
                  const Einstellungen& e, int tragezeit) {
    Karte(c, sau, wuerfe, e, tragezeit).drucken();
}
