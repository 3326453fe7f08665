#include "austausch/wurfspalten.h"

#include "herd/saustatus.h"
#include "stamm/terminnamen.h"

#include <cmath>

namespace wurfdaten {

namespace {

using Lesen = std::function<QString(const TSauRec&, const TWurfRec&)>;
using Setzen = std::function<void(TSauRec&, TWurfRec&, const Wert&)>;

QString zahlText(double v, int stellen) {
    QString t = QString::number(v, 'f', stellen);
    if (stellen > 0) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u'.')) t.chop(1);
    }
    return t.replace(u'.', u',');
}

// The builders of the columns, by the record the field lives in.
struct Sauspalten {
    std::vector<Spalte>& out;

    void text(const QString& n, int max, QString (TSauRec::*g)() const,
              void (TSauRec::*s)(const QString&), Art art = Art::Text) {
        out.push_back({n, true, art, 0, max,
                       [g](const TSauRec& r, const TWurfRec&) { return (r.*g)(); },
                       [s](TSauRec& r, TWurfRec&, const Wert& v) { (r.*s)(v.text); }});
    }
    void datum(const QString& n, std::function<TKurzDatum(const TSauRec&)> g,
               std::function<void(TSauRec&, TKurzDatum)> s) {
        out.push_back({n, true, Art::Datum, 0, 0,
                       [g](const TSauRec& r, const TWurfRec&) { return DatumText(g(r)); },
                       [s](TSauRec& r, TWurfRec&, const Wert& v) { s(r, v.datum); }});
    }
    void zahl(const QString& n, int min, int max, std::function<long(const TSauRec&)> g,
              std::function<void(TSauRec&, long)> s) {
        out.push_back({n, true, Art::Zahl, min, max,
                       [g](const TSauRec& r, const TWurfRec&) { return QString::number(g(r)); },
                       [s](TSauRec& r, TWurfRec&, const Wert& v) { s(r, std::lround(v.zahl)); }});
    }
    void preis(const QString& n, double (TSauRec::*g)() const, void (TSauRec::*s)(double)) {
        out.push_back({n, true, Art::Preis, 0, 0,
                       [g](const TSauRec& r, const TWurfRec&) {
                           const double v = (r.*g)();
                           return v == 0 ? QString() : zahlText(v, 4);
                       },
                       [s](TSauRec& r, TWurfRec&, const Wert& v) { (r.*s)(v.zahl); }});
    }
};

struct Wurfspalten {
    std::vector<Spalte>& out;

    void text(const QString& n, int max, std::function<QString(const TWurfRec&)> g,
              std::function<void(TWurfRec&, const QString&)> s) {
        out.push_back({n, false, Art::Text, 0, max,
                       [g](const TSauRec&, const TWurfRec& w) { return g(w); },
                       [s](TSauRec&, TWurfRec& w, const Wert& v) { s(w, v.text); }});
    }
    void datum(const QString& n, std::function<TKurzDatum(const TWurfRec&)> g,
               std::function<void(TWurfRec&, TKurzDatum)> s) {
        out.push_back({n, false, Art::Datum, 0, 0,
                       [g](const TSauRec&, const TWurfRec& w) { return DatumText(g(w)); },
                       [s](TSauRec&, TWurfRec& w, const Wert& v) { s(w, v.datum); }});
    }
    // A number, left empty while it is 0.
    void zahl(const QString& n, int min, int max, std::function<long(const TWurfRec&)> g,
              std::function<void(TWurfRec&, long)> s) {
        out.push_back({n, false, Art::Zahl, min, max,
                       [g](const TSauRec&, const TWurfRec& w) {
                           const long v = g(w);
                           return v == 0 ? QString() : QString::number(v);
                       },
                       [s](TSauRec&, TWurfRec& w, const Wert& v) { s(w, std::lround(v.zahl)); }});
    }
};

void sauSpalten(std::vector<Spalte>& out, const Terminnamen& namen) {
    Sauspalten s{out};
    s.text(QStringLiteral("Sau-Nr."), feldgroesse::SauNr, &TSauRec::SauNr, &TSauRec::setSauNr);
    s.text(QStringLiteral("Stall"), feldgroesse::Text, &TSauRec::Stall, &TSauRec::setStall);
    s.text(QStringLiteral("Herkunft"), feldgroesse::Text, &TSauRec::Herkunft,
           &TSauRec::setHerkunft);
    s.text(QStringLiteral("TVG"), feldgroesse::Text, &TSauRec::TVG, &TSauRec::setTVG);
    s.text(QStringLiteral("Rasse"), feldgroesse::Text, &TSauRec::Rasse, &TSauRec::setRasse);
    s.datum(QStringLiteral("Zugang"), &TSauRec::Zugang, &TSauRec::setZugang);
    s.datum(QStringLiteral("Abgang"), &TSauRec::Abgang, &TSauRec::setAbgang);
    s.zahl(QStringLiteral("Gruppe"), -1, 127, &TSauRec::Gruppe,
           [](TSauRec& r, long v) { r.setGruppe(std::int8_t(v)); });
    for (int i = 1; i <= feldgroesse::SauTermine; ++i) {
        const QString name = namen[std::size_t(i - 1)];
        s.datum(
            QStringLiteral("Sautermin %1").arg(i) + (name.isEmpty() ? QString() : ": " + name),
            [i](const TSauRec& r) { return r.SauTermin(i); },
            [i](TSauRec& r, TKurzDatum d) { r.setSauTermin(i, d); });
    }
    s.zahl(QStringLiteral("Einkaufsgewicht"), 0, 65535, &TSauRec::Einkaufsgewicht,
           [](TSauRec& r, long v) { r.setEinkaufsgewicht(std::uint16_t(v)); });
    s.preis(QStringLiteral("Einkaufspreis"), &TSauRec::Einkaufspreis, &TSauRec::setEinkaufspreis);
    s.zahl(QStringLiteral("Einkaufswährung"), 0, 4, &TSauRec::EinkaufWaehrung,
           [](TSauRec& r, long v) { r.setEinkaufWaehrung(TWaehrung(v)); });
    s.zahl(QStringLiteral("Verkaufsgewicht"), 0, 65535, &TSauRec::Verkaufsgewicht,
           [](TSauRec& r, long v) { r.setVerkaufsgewicht(std::uint16_t(v)); });
    s.preis(QStringLiteral("Verkaufspreis"), &TSauRec::Verkaufspreis, &TSauRec::setVerkaufspreis);
    s.zahl(QStringLiteral("Verkaufswährung"), 0, 4, &TSauRec::VerkaufWaehrung,
           [](TSauRec& r, long v) { r.setVerkaufWaehrung(TWaehrung(v)); });
    s.text(QStringLiteral("Abnehmer"), feldgroesse::Text, &TSauRec::Abnehmer,
           &TSauRec::setAbnehmer);
    s.text(QStringLiteral("Saunotiz"), sauofs::SauNotizLaenge, &TSauRec::SauNotiz,
           &TSauRec::setSauNotiz, Art::Notiz);
}

void belegenSpalten(Wurfspalten& w) {
    for (int i = 1; i <= feldgroesse::Belegungen; ++i) {
        w.datum(
            QStringLiteral("Belegen %1").arg(i), [i](const TWurfRec& r) { return r.Belegen(i); },
            [i](TWurfRec& r, TKurzDatum d) { r.setBelegen(i, d); });
        w.text(
            QStringLiteral("Eber %1").arg(i), feldgroesse::Eber,
            [i](const TWurfRec& r) { return r.Eber(i); },
            [i](TWurfRec& r, const QString& t) { r.setEber(i, t); });
        w.zahl(
            QStringLiteral("Mal %1").arg(i), 0, 255, [i](const TWurfRec& r) { return r.Mal(i); },
            [i](TWurfRec& r, long v) { r.setMal(i, std::uint8_t(v)); });
        w.text(
            QStringLiteral("Belegnote %1").arg(i), feldgroesse::Text,
            [i](const TWurfRec& r) { return r.Belegnote(i); },
            [i](TWurfRec& r, const QString& t) { r.setBelegnote(i, t); });
    }
    for (int i = 1; i <= feldgroesse::TKs; ++i) {
        w.datum(
            QStringLiteral("TK %1").arg(i), [i](const TWurfRec& r) { return r.TKDatum(i); },
            [i](TWurfRec& r, TKurzDatum d) { r.setTKDatum(i, d); });
        // 0 is a result (not pregnant) where there is a check.
        w.out.push_back({QStringLiteral("TK %1 Ergebnis").arg(i), false, Art::Zahl, 0, 255,
                         [i](const TSauRec&, const TWurfRec& r) {
                             return r.TKDatum(i).vorhanden() || r.TKErgebnis(i)
                                        ? QString::number(r.TKErgebnis(i))
                                        : QString();
                         },
                         [i](TSauRec&, TWurfRec& r, const Wert& v) {
                             r.setTKErgebnis(i, std::uint8_t(std::lround(v.zahl)));
                         }});
    }
}

void ferkelSpalten(Wurfspalten& w) {
    w.datum(QStringLiteral("Abferkeln"), &TWurfRec::Abferkeln, &TWurfRec::setAbferkeln);
    w.zahl(QStringLiteral("Geborene"), 0, 255, &TWurfRec::Geborene,
           [](TWurfRec& r, long v) { r.setGeborene(std::uint8_t(v)); });
    w.zahl(QStringLiteral("Totgeborene"), 0, 255, &TWurfRec::Todgeborene,
           [](TWurfRec& r, long v) { r.setTodgeborene(std::uint8_t(v)); });
    w.zahl(QStringLiteral("Weibliche"), 0, 255, &TWurfRec::Weibliche,
           [](TWurfRec& r, long v) { r.setWeibliche(std::uint8_t(v)); });
    w.zahl(QStringLiteral("Ausgleich"), -128, 127, &TWurfRec::Ausgleich,
           [](TWurfRec& r, long v) { r.setAusgleich(std::int8_t(v)); });
    w.zahl(QStringLiteral("Geburtsgewicht"), 0, 65535, &TWurfRec::Geburtsgewicht,
           [](TWurfRec& r, long v) { r.setGeburtsgewicht(std::uint16_t(v)); });
    w.text(QStringLiteral("Ferkelnote"), feldgroesse::Text, &TWurfRec::FerkelnNote,
           &TWurfRec::setFerkelnNote);
    for (int i = 1; i <= feldgroesse::Eintraege; ++i) {
        w.text(
            QStringLiteral("Eintrag %1").arg(i), feldgroesse::Text,
            [i](const TWurfRec& r) { return r.Eintrag(i); },
            [i](TWurfRec& r, const QString& t) { r.setEintrag(i, t); });
        w.zahl(
            QStringLiteral("Verlusttag %1").arg(i), 0, 255,
            [i](const TWurfRec& r) { return r.Verlusttag(i); },
            [i](TWurfRec& r, long v) { r.setVerlusttag(i, std::uint8_t(v)); });
    }
}

void absetzSpalten(Wurfspalten& w, std::vector<Spalte>& out, const Terminnamen& namen) {
    w.datum(QStringLiteral("Absetzen"), &TWurfRec::Absetzen, &TWurfRec::setAbsetzen);
    out.push_back({QStringLiteral("Abgesetzte"),
                   false,
                   Art::Ableitung,
                   0,
                   0,
                   [](const TSauRec&, const TWurfRec& r) {
                       return r.Absetzen().vorhanden() ? QString::number(Abgesetzte(r)) : QString();
                   },
                   {}});
    out.push_back({QStringLiteral("Absetzgewicht kg"), false, Art::Gewicht, 0, 65535,
                   [](const TSauRec&, const TWurfRec& r) {
                       return r.Absetzgewicht() ? zahlText(r.Absetzgewicht() / 1000.0, 3)
                                                : QString();
                   },
                   [](TSauRec&, TWurfRec& r, const Wert& v) {
                       r.setAbsetzgewicht(std::uint16_t(std::lround(v.zahl * 1000)));
                   }});
    for (int i = 1; i <= feldgroesse::Futtertage; ++i)
        w.zahl(
            QStringLiteral("Futter %1").arg(i), 0, 65535,
            [i](const TWurfRec& r) { return r.Futter(i); },
            [i](TWurfRec& r, long v) { r.setFutter(i, std::uint16_t(v)); });
    for (int i = 1; i <= feldgroesse::WurfTermine; ++i) {
        const QString name = namen[std::size_t(10 + i - 1)];
        w.datum(
            QStringLiteral("Wurftermin %1").arg(i) + (name.isEmpty() ? QString() : ": " + name),
            [i](const TWurfRec& r) { return r.WurfTermin(i); },
            [i](TWurfRec& r, TKurzDatum d) { r.setWurfTermin(i, d); });
    }
    w.text(QStringLiteral("Wurfnotiz"), feldgroesse::WurfNotiz, &TWurfRec::WurfNotiz,
           &TWurfRec::setWurfNotiz);
}

} // namespace

std::vector<Spalte> Spalten(const Terminnamen& namen) {
    std::vector<Spalte> out;
    sauSpalten(out, namen);
    Wurfspalten w{out};
    w.zahl(QStringLiteral("Wurf"), 1, 255, &TWurfRec::WurfNr,
           [](TWurfRec& r, long v) { r.setWurfNr(std::uint8_t(v)); });
    belegenSpalten(w);
    ferkelSpalten(w);
    absetzSpalten(w, out, namen);
    return out;
}

QString Schluessel(const QString& name) {
    const qsizetype doppelpunkt = name.indexOf(u':');
    return (doppelpunkt < 0 ? name : name.left(doppelpunkt)).simplified().toLower();
}

QString DatumText(TKurzDatum d) {
    if (!d.vorhanden()) return {};
    QString t = QStringLiteral("%1.%2.%3")
                    .arg(d.Tag, 2, 10, QChar(u'0'))
                    .arg(d.Monat, 2, 10, QChar(u'0'))
                    .arg(1900 + d.Jahr);
    if (d.Zusatz) t += u'/' + QString::number(d.Zusatz);
    return t;
}

namespace {

// The digits from `i` on (at most `max`) as a number; -1 without a digit.
int ziffern(QStringView t, qsizetype& i, int max) {
    int wert = 0, n = 0;
    for (; i < t.size() && n < max && t[i].isDigit(); ++i, ++n)
        wert = wert * 10 + t[i].digitValue();
    return n == 0 ? -1 : wert;
}

} // namespace

bool DatumLesen(QStringView text, QDate heute, TKurzDatum& out) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    const int tag = ziffern(t, i, 2);
    if (i >= t.size() || t[i++] != u'.') return false;
    const int monat = ziffern(t, i, 2);
    if (i >= t.size() || t[i++] != u'.') return false;
    const qsizetype jahrAnfang = i;
    int jahr = ziffern(t, i, 4);
    const qsizetype stellen = i - jahrAnfang;
    int zusatz = 0;
    if (i < t.size() && t[i] == u'/') {
        ++i;
        zusatz = ziffern(t, i, 3);
    }
    if (i != t.size() || (stellen != 2 && stellen != 4) || zusatz < 0) return false;
    if (stellen == 2) {
        jahr += heute.year() / 100 * 100;
        if (jahr > heute.year() + 19) jahr -= 100;
        if (jahr <= heute.year() - 81) jahr += 100;
    }
    if (tag < 1 || tag > 31 || monat < 1 || monat > 12 || jahr < 1900 || jahr > 2155 ||
        zusatz > 255)
        return false;
    out = TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahr - 1900),
                     std::uint8_t(zusatz)};
    return true;
}

bool ZahlLesen(QStringView text, double& out) {
    const QStringView t = text.trimmed();
    bool ok = false;
    if (t.contains(u',')) {
        QString punkt = t.toString();
        out = punkt.replace(u',', u'.').toDouble(&ok);
    } else {
        out = t.toDouble(&ok);
    }
    return ok && std::isfinite(out);
}

} // namespace wurfdaten
