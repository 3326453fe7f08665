#include "austausch/wurfimport.h"

#include "entry/offenepunkte.h"
#include "herd/herdfile.h"
#include "herd/numformat.h"
#include "platform/codepage.h"
#include "platform/messages.h"
#include "programm/appcontext.h"
#include "programm/datensicherung.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace wurfimport {

using wurfdaten::Art;
using wurfdaten::Spalte;
using wurfdaten::Wert;

namespace {

QString textLesen(const Spalte& s, QStringView roh, Wert& w) {
    w.text = roh.toString();
    const bool ascii =
        std::all_of(roh.begin(), roh.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii && cp1252::decode(cp1252::encode(w.text)) != w.text)
        return QStringLiteral("„%1“ enthält Zeichen, die nicht gespeichert werden können.")
            .arg(w.text);
    // One byte per character in the record.
    if (w.text.size() > s.max)
        return QStringLiteral("„%1“ hat mehr als %2 Zeichen.").arg(w.text).arg(s.max);
    return {};
}

QString zahlLesen(const Spalte& s, QStringView roh, Wert& w) {
    if (roh.trimmed().isEmpty()) return {};
    if (!wurfdaten::ZahlLesen(roh, w.zahl)) return QStringLiteral("„%1“ ist keine Zahl.").arg(roh);
    if (s.art == Art::Preis) return {};
    const double faktor = s.art == Art::Gewicht ? 1000.0 : 1.0;
    if (s.art == Art::Zahl && w.zahl != std::floor(w.zahl))
        return QStringLiteral("„%1“ ist keine ganze Zahl.").arg(roh);
    if (w.zahl * faktor < s.min || w.zahl * faktor > s.max)
        return QStringLiteral("%1 liegt nicht zwischen %2 und %3.")
            .arg(roh.trimmed(), numformat::zahlKurz(s.min / faktor),
                 numformat::zahlKurz(s.max / faktor));
    return {};
}

// The field's value by its column's kind; the reason when it cannot be taken, else empty.
QString feldLesen(const Spalte& s, QStringView roh, QDate heute, Wert& w) {
    switch (s.art) {
    case Art::Text:
    case Art::Notiz:
        return textLesen(s, roh, w);
    case Art::Datum:
        if (roh.trimmed().isEmpty() || wurfdaten::DatumLesen(roh, heute, w.datum)) return {};
        return QStringLiteral("„%1“ ist kein Datum.").arg(roh);
    case Art::Zahl:
    case Art::Gewicht:
    case Art::Preis:
        return zahlLesen(s, roh, w);
    case Art::Ableitung:
        return {};
    }
    return {};
}

// A data line read by its columns.
struct Zeilenwerte {
    int nummer = 0;
    QString sauNr;
    int wurfNr = 0; // 0: a line of the sow alone
    std::vector<std::pair<const Spalte*, Wert>> werte;
};

int spalteNamens(const std::vector<Spalte>& spalten, const char* name) {
    for (std::size_t i = 0; i < spalten.size(); ++i)
        if (spalten[i].name == QLatin1String(name)) return int(i);
    return -1;
}

// Where the sow number and the litter number are among the program's columns.
struct Schluesselspalten {
    int sau = -1, wurf = -1;
};

std::optional<Zeilenwerte> zeileLesen(const CsvTabelle::Zeile& z, const QList<int>& zuordnung,
                                      const std::vector<Spalte>& spalten, Schluesselspalten ss,
                                      QDate heute, QList<Problem>& probleme) {
    Zeilenwerte out{z.nummer, {}, 0, {}};
    bool gut = true;
    if (z.felder.size() > zuordnung.size()) {
        probleme << Problem{z.nummer,
                            QStringLiteral("Die Zeile hat mehr Felder als die Kopfzeile.")};
        return std::nullopt;
    }
    for (qsizetype j = 0; j < z.felder.size(); ++j) {
        const int c = zuordnung[j];
        if (c < 0 || spalten[std::size_t(c)].art == Art::Ableitung) continue;
        const Spalte& s = spalten[std::size_t(c)];
        Wert w;
        if (const QString grund = feldLesen(s, z.felder[j], heute, w); !grund.isEmpty()) {
            probleme << Problem{z.nummer, s.name + QStringLiteral(": ") + grund};
            gut = false;
            continue;
        }
        if (c == ss.sau) out.sauNr = w.text.trimmed();
        if (c == ss.wurf) out.wurfNr = int(std::lround(w.zahl));
        out.werte.emplace_back(&s, w);
    }
    if (gut && out.sauNr.isEmpty()) {
        probleme << Problem{z.nummer, QStringLiteral("Die Sau-Nr. fehlt.")};
        gut = false;
    }
    return gut ? std::optional(out) : std::nullopt;
}

// The columns of one record kind whose text differs between two versions.
QStringList abweichungen(const Zeilenwerte& z, const TSauRec& a, const TSauRec& b) {
    QStringList namen;
    static const TWurfRec keinWurf;
    for (const auto& [s, w] : z.werte)
        if (s->sau && s->text(a, keinWurf) != s->text(b, keinWurf)) namen << s->name;
    return namen;
}

TSauRec sauFelderSetzen(TSauRec rec, const Zeilenwerte& z) {
    TWurfRec egal;
    for (const auto& [s, w] : z.werte)
        if (s->sau) s->setzen(rec, egal, w);
    return rec;
}

void wurfFelderSetzen(TWurfRec& wurf, const Zeilenwerte& z) {
    TSauRec egal;
    for (const auto& [s, w] : z.werte)
        if (!s->sau && s->setzen) s->setzen(egal, wurf, w);
}

// One sow while the lines are gone through.
struct Sauplan {
    Aenderung aenderung;
    int ersteZeile = 0;
    std::map<int, int> wurfZeilen; // litter number -> the line that brought it
};

struct Durchlauf {
    const Herde& herde;
    QHash<QString, int> herdenIndex;
    QHash<QString, Sauplan> plaene;
    std::vector<QString> reihenfolge;
    QList<Problem>& probleme;

    Sauplan* sauFinden(const Zeilenwerte& z);
    bool wurfUebernehmen(Sauplan& p, const Zeilenwerte& z);
};

Sauplan* Durchlauf::sauFinden(const Zeilenwerte& z) {
    auto it = plaene.find(z.sauNr);
    if (it != plaene.end()) {
        Sauplan& p = *it;
        const TSauRec rec = sauFelderSetzen(p.aenderung.sau.rec, z);
        if (rec == p.aenderung.sau.rec) return &p;
        probleme << Problem{z.nummer,
                            QStringLiteral("Die Angaben der Sau %1 weichen von Zeile %2 ab (%3).")
                                .arg(z.sauNr)
                                .arg(p.ersteZeile)
                                .arg(abweichungen(z, p.aenderung.sau.rec, rec).join(", "))};
        return nullptr;
    }
    Sauplan p;
    p.ersteZeile = z.nummer;
    p.aenderung.herdenIndex = herdenIndex.value(z.sauNr, -1);
    if (p.aenderung.herdenIndex >= 0) {
        const Sau& vorhanden = herde[std::size_t(p.aenderung.herdenIndex)];
        const TSauRec rec = sauFelderSetzen(vorhanden.rec, z);
        if (!(rec == vorhanden.rec)) {
            probleme << Problem{z.nummer,
                                QStringLiteral("Die Sau %1 gibt es schon mit anderen Angaben (%2).")
                                    .arg(z.sauNr, abweichungen(z, vorhanden.rec, rec).join(", "))};
            return nullptr;
        }
        p.aenderung.sau = vorhanden;
    } else {
        p.aenderung.sau.rec = sauFelderSetzen(TSauRec{}, z);
    }
    reihenfolge.push_back(z.sauNr);
    return &*plaene.insert(z.sauNr, std::move(p));
}

bool Durchlauf::wurfUebernehmen(Sauplan& p, const Zeilenwerte& z) {
    if (const auto schon = p.wurfZeilen.find(z.wurfNr); schon != p.wurfZeilen.end()) {
        probleme << Problem{z.nummer, QStringLiteral("Wurf %1 der Sau %2 steht schon in Zeile %3.")
                                          .arg(z.wurfNr)
                                          .arg(z.sauNr)
                                          .arg(schon->second)};
        return false;
    }
    p.wurfZeilen[z.wurfNr] = z.nummer;
    std::vector<TWurfRec>& wuerfe = p.aenderung.sau.wuerfe;
    const auto gleich = std::find_if(wuerfe.begin(), wuerfe.end(),
                                     [&](const TWurfRec& w) { return w.WurfNr() == z.wurfNr; });
    if (gleich != wuerfe.end()) {
        TWurfRec neu = *gleich;
        wurfFelderSetzen(neu, z);
        if (!(neu == *gleich)) {
            *gleich = neu;
            ++p.aenderung.wuerfeGeaendert;
        }
        return true;
    }
    TWurfRec neu = TWurfRec::leer(std::uint8_t(z.wurfNr));
    wurfFelderSetzen(neu, z);
    const auto stelle = std::find_if(wuerfe.begin(), wuerfe.end(),
                                     [&](const TWurfRec& w) { return w.WurfNr() > z.wurfNr; });
    wuerfe.insert(stelle, neu);
    ++p.aenderung.wuerfeNeu;
    return true;
}

} // namespace

QList<int> Vorschlagen(const QStringList& kopf, const std::vector<Spalte>& spalten) {
    QHash<QString, int> nachName;
    for (std::size_t i = 0; i < spalten.size(); ++i)
        nachName.insert(wurfdaten::Schluessel(spalten[i].name), int(i));
    QList<int> out;
    for (const QString& name : kopf)
        out << nachName.value(wurfdaten::Schluessel(name), kUnbekannt);
    return out;
}

QString Aenderung::beschreibung() const {
    if (herdenIndex < 0)
        return sau.wuerfe.size() == 1 ? QStringLiteral("neu, 1 Wurf")
                                      : QStringLiteral("neu, %1 Würfe").arg(sau.wuerfe.size());
    return QStringLiteral("%1 %2 neu, %3 geändert")
        .arg(wuerfeNeu)
        .arg(wuerfeNeu == 1 ? QStringLiteral("Wurf") : QStringLiteral("Würfe"))
        .arg(wuerfeGeaendert);
}

namespace {

// The head's problems; false when the sow number has no column, so that no line can be taken.
bool kopfPruefen(const CsvTabelle& t, const QList<int>& zuordnung,
                 const std::vector<Spalte>& spalten, QList<Problem>& probleme) {
    const QStringList kopf = t.kopf();
    QList<int> gesehen;
    for (qsizetype j = 0; j < kopf.size() && j < zuordnung.size(); ++j) {
        if (zuordnung[j] == kUnbekannt)
            probleme << Problem{
                1,
                QStringLiteral("Unbekannte Spalte „%1“: sie wird nicht übernommen.").arg(kopf[j])};
        else if (zuordnung[j] >= 0 && gesehen.contains(zuordnung[j]))
            probleme << Problem{1, QStringLiteral("Die Spalte „%1“ ist doppelt zugeordnet.")
                                       .arg(spalten[std::size_t(zuordnung[j])].name)};
        gesehen << zuordnung[j];
    }
    if (gesehen.contains(spalteNamens(spalten, "Sau-Nr."))) return true;
    probleme << Problem{1, QStringLiteral("Die Spalte „Sau-Nr.“ fehlt.")};
    return false;
}

} // namespace

namespace {

// The card's warnings on what the file brings to sow `p`: her new litters and changed ones, and
// her own dates when she is new.
void plausibelPruefen(const Sauplan& p, const OffenePunkteVorgaben& v, QList<Problem>& out) {
    std::vector<plausibel::Befund> befunde;
    SauPruefen(p.aenderung.sau, 0, v, befunde);
    const QString nr = p.aenderung.sau.rec.SauNr();
    for (const plausibel::Befund& b : befunde) {
        if (plausibel::Ueberfaellig(b.art)) continue;
        if (b.wurf < 0) {
            if (p.aenderung.herdenIndex < 0)
                out << Problem{p.ersteZeile,
                               QStringLiteral("Sau %1: ").arg(nr) + plausibel::Warnung(b)};
            continue;
        }
        const int wurfNr = p.aenderung.sau.wuerfe[std::size_t(b.wurf)].WurfNr();
        const auto zeile = p.wurfZeilen.find(wurfNr);
        if (zeile == p.wurfZeilen.end()) continue; // a litter the file leaves as it is
        out << Problem{zeile->second, QStringLiteral("Sau %1, Wurf %2: ").arg(nr).arg(wurfNr) +
                                          plausibel::Warnung(b)};
    }
}

} // namespace

Plan Pruefen(const CsvTabelle& t, const QList<int>& zuordnung, const std::vector<Spalte>& spalten,
             const Herde& herde, QDate heute, const OffenePunkteVorgaben* pruefung) {
    Plan plan;
    if (!kopfPruefen(t, zuordnung, spalten, plan.probleme)) return plan;
    const Schluesselspalten ss{spalteNamens(spalten, "Sau-Nr."), spalteNamens(spalten, "Wurf")};
    Durchlauf lauf{herde, {}, {}, {}, plan.probleme};
    for (std::size_t i = 0; i < herde.size(); ++i)
        lauf.herdenIndex.insert(herde[i].rec.SauNr().trimmed(), int(i));
    for (qsizetype n = 1; n < t.zeilen.size(); ++n) {
        ++plan.zeilen;
        const std::optional<Zeilenwerte> z =
            zeileLesen(t.zeilen[n], zuordnung, spalten, ss, heute, plan.probleme);
        if (!z) continue;
        Sauplan* p = lauf.sauFinden(*z);
        if (!p || (z->wurfNr > 0 && !lauf.wurfUebernehmen(*p, *z))) continue;
        ++plan.uebernommen;
    }
    for (const QString& nr : lauf.reihenfolge) {
        Sauplan& p = lauf.plaene[nr];
        Aenderung& a = p.aenderung;
        if (a.herdenIndex >= 0 && a.wuerfeNeu == 0 && a.wuerfeGeaendert == 0) continue;
        if (pruefung) plausibelPruefen(p, *pruefung, plan.warnungen);
        plan.aenderungen.push_back(std::move(a));
    }
    return plan;
}

namespace {

bool sicherungskopie(AppContext& ctx) {
    const QString datei = ctx.Datenpfad + QString::fromLatin1(kHerdeDatei);
    if (!QFile::exists(datei)) return true;
    const QString ordner = ctx.Datenpfad + QStringLiteral("Sicherungen");
    const QString ziel = ordner + QStringLiteral("/SAUWURF-vor-Import-%1-%2.DAT")
                                      .arg(ctx.heute().toString(QStringLiteral("yyyy-MM-dd")),
                                           QTime::currentTime().toString(QStringLiteral("HHmmss")));
    QString fehler;
    if (QDir().mkpath(ordner) && datensicherung::DateiKopieren(datei, ziel, fehler)) return true;
    ctx.messages().error(QStringLiteral("Die Sicherungskopie %1 konnte nicht angelegt werden%2.\n"
                                        "Der Import wurde nicht ausgeführt.")
                             .arg(QDir::toNativeSeparators(ziel),
                                  fehler.isEmpty() ? QString() : QStringLiteral(": ") + fehler));
    return false;
}

} // namespace

bool Ausfuehren(AppContext& ctx, const Plan& plan) {
    if (!plan.ausfuehrbar()) return true;
    for (const Aenderung& a : plan.aenderungen)
        if (a.herdenIndex >= int(ctx.Sauenliste.size()) ||
            (a.herdenIndex >= 0 &&
             ctx.Sauenliste[std::size_t(a.herdenIndex)].rec.SauNr() != a.sau.rec.SauNr())) {
            ctx.messages().error(QStringLiteral("Die Herde hat sich seit der Prüfung geändert. "
                                                "Bitte die Datei erneut prüfen."));
            return false;
        }
    if (!sicherungskopie(ctx)) return false;
    for (const Aenderung& a : plan.aenderungen) {
        if (a.herdenIndex >= 0)
            ctx.Sauenliste[std::size_t(a.herdenIndex)] = a.sau;
        else
            ctx.Sauenliste.push_back(a.sau);
    }
    StatusNeuBerechnen(ctx.Sauenliste);
    ctx.SauenGeaendert();
    return AenderungFesthalten(ctx);
}

} // namespace wurfimport
