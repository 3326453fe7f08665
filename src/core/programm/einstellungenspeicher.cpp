#include "programm/einstellungenspeicher.h"

#include "herd/textfunktionen.h"
#include "platform/codepage.h"
#include "platform/inidatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <initializer_list>
#include <span>
#include <vector>

namespace {

const QString kGrund = QStringLiteral("EINSTELLUNGEN");
const QString kArbPlan = QStringLiteral("ARBPLAN");
const QString kAuswertung = QStringLiteral("AUSWERTUNG");
const QString kKarte = QStringLiteral("BESTANDSKARTE");
const QString kPruefung = QStringLiteral("PRUEFUNG");
const QString kStall = QStringLiteral("STALLZUGANG");

// The limits of the plausibility rules, by key.
struct PruefSchluessel {
    const char* key;
    int PruefGrenzen::*wert;
};
constexpr PruefSchluessel kPruefSchluessel[] = {
    {"MAXLEBEND", &PruefGrenzen::maxLebend},
    {"MAXTOT", &PruefGrenzen::maxTot},
    {"MINTRAGEZEIT", &PruefGrenzen::minTragezeit},
    {"MAXTRAGEZEIT", &PruefGrenzen::maxTragezeit},
    {"BELEGENNACHABSETZEN", &PruefGrenzen::minBelegenNachAbsetzen},
    {"ZUKUNFT", &PruefGrenzen::zukunftTage},
    {"UEBERFAELLIG", &PruefGrenzen::ueberfaelligTage},
    {"TKTAGE", &PruefGrenzen::tkTage},
    {"OHNEEREIGNIS", &PruefGrenzen::ohneEreignisTage},
    {"JSTAGE", &PruefGrenzen::jsTage},
};

std::optional<int> alsInt(const QString& roh) {
    const QString t = roh.trimmed();
    bool ok = false;
    int v;
    if (t.size() > 2 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X'))
        v = int(t.mid(2).toUInt(&ok, 16));
    else
        v = t.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

std::optional<double> alsReal(const QString& roh) {
    QString t = roh.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok) return std::nullopt;
    return v;
}

QString realText(double v) {
    return QString::asprintf("%10.6f", v);
}

// Dates of the store as dd.mm.yyyy; anything else reads as no date.
QDate alsDatum(const QString& t) {
    return QDate::fromString(t.trimmed(), QStringLiteral("dd.MM.yyyy"));
}

QString datumText(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// Currency letters as written to the store: E, DM, S, Fr, X.
const char* const kWaehrungText[5] = {"E", "DM", "S", "Fr", "X"};

std::optional<TWaehrung> waehrungAusText(const QString& t) {
    if (t.isEmpty()) return std::nullopt;
    switch (GrossBuchstabe(t[0]).unicode()) {
    case u'E':
        return Euro;
    case u'D':
        return DM;
    case u'S':
        return oS;
    case u'F':
        return Fr;
    case u'X':
        return nw;
    default:
        return std::nullopt;
    }
}

class Leser {
public:
    explicit Leser(const IniDatei& s) : s_(s) {}
    std::optional<QString> roh(const QString& sec, const QString& key) const {
        return s_.wert(sec, key);
    }
    int ganz(const QString& sec, const QString& key, int standard) const {
        const auto v = roh(sec, key);
        if (!v) return standard;
        return alsInt(*v).value_or(standard);
    }
    bool logisch(const QString& sec, const QString& key, bool standard) const {
        return ganz(sec, key, standard ? 1 : 0) != 0;
    }
    QString text(const QString& sec, const QString& key, const QString& standard) const {
        return roh(sec, key).value_or(standard);
    }
    double real(const QString& sec, const QString& key, double standard) const {
        const auto v = roh(sec, key);
        if (!v) return standard;
        return alsReal(*v).value_or(standard);
    }

private:
    const IniDatei& s_;
};

// No trimming: "EIN " is not true.
bool wahr(const QString& v) {
    const QString g = GrossText(v);
    return g == QLatin1String("TRUE") || g == QLatin1String("EIN") || g == QLatin1String("WAHR");
}

// The integer of the older file: after a further "=" when the value holds one.
std::optional<int> nachGleich(const QString& v) {
    const qsizetype i = v.indexOf(u'=');
    return alsInt(i >= 0 ? v.mid(i + 1) : v);
}

// The service groups: rhythm, reference Monday and targets.
void belegwochenLesen(const Leser& l, Einstellungen& e) {
    const Einstellungen init;
    e.gruppenrhythmus = std::clamp(
        l.ganz(kAuswertung, QStringLiteral("GRUPPENRHYTHMUS"), init.gruppenrhythmus), 1, 5);
    const QDate start = alsDatum(l.text(kAuswertung, QStringLiteral("GRUPPENSTART"), {}));
    e.gruppenstart = start.isValid() ? start : init.gruppenstart;
    e.zielAbferkelrate =
        l.real(kAuswertung, QStringLiteral("ZIELABFERKELRATE"), init.zielAbferkelrate);
    e.zielLebend = l.real(kAuswertung, QStringLiteral("ZIELLEBEND"), init.zielLebend);
    e.zielAbgesetzt = l.real(kAuswertung, QStringLiteral("ZIELABGESETZT"), init.zielAbgesetzt);
}

void belegwochenSchreiben(const Einstellungen& e, IniDatei& s) {
    s.setzen(kAuswertung, QStringLiteral("GRUPPENRHYTHMUS"), QString::number(e.gruppenrhythmus));
    s.setzen(kAuswertung, QStringLiteral("GRUPPENSTART"), datumText(e.gruppenstart));
    s.setzen(kAuswertung, QStringLiteral("ZIELABFERKELRATE"), realText(e.zielAbferkelrate));
    s.setzen(kAuswertung, QStringLiteral("ZIELLEBEND"), realText(e.zielLebend));
    s.setzen(kAuswertung, QStringLiteral("ZIELABGESETZT"), realText(e.zielAbgesetzt));
}

// The currencies: the one shown, the rates and the fifth currency's rate and sign.
void waehrungLesen(const Leser& l, Waehrungstabelle& w) {
    if (const auto t = l.roh(kGrund, QStringLiteral("STANDARDWAEHRUNG"))) {
        if (const auto c = waehrungAusText(*t)) w.anzeige = *c;
    } else {
        w.anzeige = Euro;
    }
    w.kurs[1] = l.real(kGrund, QStringLiteral("DM/EURO"), 1.95583);
    w.kurs[2] = l.real(kGrund, QStringLiteral("OS/EURO"), 13.7603);
    w.kurs[3] = l.real(kGrund, QStringLiteral("FR/EURO"), 1.601);
    if (const auto x = l.roh(kGrund, QStringLiteral("X/EURO"))) {
        const qsizetype slash = x->indexOf(u'/');
        const QString rate = slash >= 0 ? x->left(slash) : *x;
        w.kurs[4] = alsReal(rate).value_or(1.0);
        w.kuerzel[4] = slash >= 0 ? x->mid(slash + 1, 2) : QString();
    } else {
        w.kurs[4] = 1.0;
        w.kuerzel[4].clear();
    }
    w.kuerzel[0] = l.text(kGrund, QStringLiteral("EUROZEICHEN"), QStringLiteral("€")).left(2);
}

// The evaluation's section: index weights, switches, the filter's period, service groups.
void auswertungLesen(const Leser& l, Einstellungen& e) {
    const std::array<int, 7> kIndexStandard = Einstellungen().index;
    for (int i = 0; i < 7; ++i)
        e.index[std::size_t(i)] =
            l.ganz(kAuswertung, QStringLiteral("INDEX%1").arg(i + 1), kIndexStandard[i]);
    e.gebGewicht = l.logisch(kAuswertung, QStringLiteral("GEBGEWICHT"), true);
    e.absGewicht = l.logisch(kAuswertung, QStringLiteral("ABSGEWICHT"), true);
    e.mitKommentar = l.logisch(kAuswertung, QStringLiteral("MITKOMMENTAR"), false);
    e.mitEinstall = l.logisch(kAuswertung, QStringLiteral("MITEINSTALL"), false);
    e.mitVerkauf = l.logisch(kAuswertung, QStringLiteral("MITVERKAUF"), false);
    e.filterVon = alsDatum(l.text(kAuswertung, QStringLiteral("FILTERVON"), {}));
    e.filterBis = alsDatum(l.text(kAuswertung, QStringLiteral("FILTERBIS"), {}));
    belegwochenLesen(l, e);
}

// The plausibility limits, the entry warnings and the overview at start.
void pruefungLesen(const Leser& l, Einstellungen& e) {
    const Einstellungen init;
    for (const PruefSchluessel& k : kPruefSchluessel)
        e.pruefung.*k.wert = l.ganz(kPruefung, QString::fromLatin1(k.key), init.pruefung.*k.wert);
    e.pruefung.warnen = l.logisch(kPruefung, QStringLiteral("WARNEN"), init.pruefung.warnen);
    e.uebersichtBeimStart =
        l.logisch(kPruefung, QStringLiteral("UEBERSICHT"), init.uebersichtBeimStart);
    e.stallzugang = l.logisch(kStall, QStringLiteral("AN"), init.stallzugang);
    const int port = l.ganz(kStall, QStringLiteral("PORT"), init.stallPort);
    e.stallPort = port >= 1024 && port <= 65535 ? port : init.stallPort;
}

} // namespace

namespace einstellungen {

void ausStore(const IniDatei& store, Einstellungen& e, QString& datenpfad,
              const QString& standardPfad) {
    const Leser l(store);
    const Einstellungen init;
    for (int i = 0; i < 7; ++i)
        e.anzeige[std::size_t(i)] =
            l.logisch(kGrund, QStringLiteral("ANZEIGE%1").arg(i), init.anzeige[std::size_t(i)]);
    e.sortierung = l.ganz(kGrund, QStringLiteral("SORTIERUNG"), init.sortierung);
    e.schnellhilfe = l.logisch(kGrund, QStringLiteral("SCHNELLHILFE"), false);
    e.einzelspeicherung = l.logisch(kGrund, QStringLiteral("EINZELSPEICHERUNG"), true);
    e.backupdatei = l.logisch(kGrund, QStringLiteral("BACKUPDATEI"), true);
    e.ziellaufwerk = l.text(kGrund, QStringLiteral("ZIELLAUFWERK"), QStringLiteral("A:"));
    e.futtermengen = l.logisch(kGrund, QStringLiteral("FUTTERMENGEN"), false);
    e.vollbild = l.logisch(kGrund, QStringLiteral("VOLLBILD"), true);
    e.mitStall = l.logisch(kArbPlan, QStringLiteral("MITSTALL"), init.mitStall);
    e.mitTage = l.logisch(kArbPlan, QStringLiteral("MITTAGE"), init.mitTage);
    e.mitWurf = l.logisch(kArbPlan, QStringLiteral("MITWURF"), init.mitWurf);
    e.weibliche = l.logisch(kGrund, QStringLiteral("WEIBLICHE"), true);
    e.autosort = l.logisch(kGrund, QStringLiteral("AUTOSORT"), false);
    auswertungLesen(l, e);
    for (int i = 0; i < 5; ++i)
        e.item[std::size_t(i)] =
            l.ganz(kKarte, QStringLiteral("ITEM%1").arg(i + 1), init.item[std::size_t(i)]);
    pruefungLesen(l, e);
    e.maxEber = l.ganz(kGrund, QStringLiteral("MAXEBER"), init.maxEber);
    e.maxGruppe = l.ganz(kGrund, QStringLiteral("MAXGRUPPE"), init.maxGruppe);

    waehrungLesen(l, e.waehrung);
    e.lastBackup = l.text(kGrund, QStringLiteral("LASTBACKUP"), QStringLiteral("01.01.2010"));
    e.printerFont = l.text(kGrund, QStringLiteral("PRINTERFONT"), QStringLiteral("Arial"));
    datenpfad = PfadMitTrenner(l.text(kGrund, QStringLiteral("PFAD"), standardPfad));
}

void inStore(const Einstellungen& e, IniDatei& s) {
    const auto einsNull = [](bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); };
    for (int i = 0; i < 7; ++i)
        s.setzen(kGrund, QStringLiteral("ANZEIGE%1").arg(i), einsNull(e.anzeige[std::size_t(i)]));
    s.setzen(kGrund, QStringLiteral("SORTIERUNG"), QString::number(e.sortierung));
    s.setzen(kGrund, QStringLiteral("SCHNELLHILFE"), einsNull(e.schnellhilfe));
    s.setzen(kGrund, QStringLiteral("EINZELSPEICHERUNG"), einsNull(e.einzelspeicherung));
    s.setzen(kGrund, QStringLiteral("BACKUPDATEI"), einsNull(e.backupdatei));
    s.setzen(kGrund, QStringLiteral("ZIELLAUFWERK"), e.ziellaufwerk);
    s.setzen(kGrund, QStringLiteral("FUTTERMENGEN"), einsNull(e.futtermengen));
    s.setzen(kGrund, QStringLiteral("VOLLBILD"), einsNull(e.vollbild));
    s.setzen(kArbPlan, QStringLiteral("MITSTALL"), einsNull(e.mitStall));
    s.setzen(kArbPlan, QStringLiteral("MITTAGE"), einsNull(e.mitTage));
    s.setzen(kArbPlan, QStringLiteral("MITWURF"), einsNull(e.mitWurf));
    s.setzen(kGrund, QStringLiteral("WEIBLICHE"), einsNull(e.weibliche));
    s.setzen(kGrund, QStringLiteral("AUTOSORT"), einsNull(e.autosort));
    for (int i = 0; i < 7; ++i)
        s.setzen(kAuswertung, QStringLiteral("INDEX%1").arg(i + 1),
                 QString::number(e.index[std::size_t(i)]));
    s.setzen(kAuswertung, QStringLiteral("GEBGEWICHT"), einsNull(e.gebGewicht));
    s.setzen(kAuswertung, QStringLiteral("ABSGEWICHT"), einsNull(e.absGewicht));
    s.setzen(kAuswertung, QStringLiteral("MITEINSTALL"), einsNull(e.mitEinstall));
    s.setzen(kAuswertung, QStringLiteral("MITVERKAUF"), einsNull(e.mitVerkauf));
    s.setzen(kAuswertung, QStringLiteral("MITKOMMENTAR"), einsNull(e.mitKommentar));
    s.setzen(kAuswertung, QStringLiteral("FILTERVON"), datumText(e.filterVon));
    s.setzen(kAuswertung, QStringLiteral("FILTERBIS"), datumText(e.filterBis));
    belegwochenSchreiben(e, s);
    for (int i = 0; i < 5; ++i)
        s.setzen(kKarte, QStringLiteral("ITEM%1").arg(i + 1),
                 QString::number(e.item[std::size_t(i)]));
    for (const PruefSchluessel& k : kPruefSchluessel)
        s.setzen(kPruefung, QString::fromLatin1(k.key), QString::number(e.pruefung.*k.wert));
    s.setzen(kPruefung, QStringLiteral("WARNEN"), einsNull(e.pruefung.warnen));
    s.setzen(kPruefung, QStringLiteral("UEBERSICHT"), einsNull(e.uebersichtBeimStart));
    s.setzen(kStall, QStringLiteral("AN"), einsNull(e.stallzugang));
    s.setzen(kStall, QStringLiteral("PORT"), QString::number(e.stallPort));
    s.setzen(kGrund, QStringLiteral("MAXEBER"), QString::number(e.maxEber));
    s.setzen(kGrund, QStringLiteral("MAXGRUPPE"), QString::number(e.maxGruppe));
    const Waehrungstabelle& w = e.waehrung;
    s.setzen(kGrund, QStringLiteral("STANDARDWAEHRUNG"),
             QString::fromLatin1(kWaehrungText[w.anzeige < 5 ? w.anzeige : 0]));
    s.setzen(kGrund, QStringLiteral("DM/EURO"), realText(w.kurs[1]));
    s.setzen(kGrund, QStringLiteral("OS/EURO"), realText(w.kurs[2]));
    s.setzen(kGrund, QStringLiteral("FR/EURO"), realText(w.kurs[3]));
    s.setzen(kGrund, QStringLiteral("X/EURO"), realText(w.kurs[4]) + u'/' + w.kuerzel[4]);
    s.setzen(kGrund, QStringLiteral("EUROZEICHEN"), w.kuerzel[0]);
    s.setzen(kGrund, QStringLiteral("LASTBACKUP"), e.lastBackup);
    s.setzen(kGrund, QStringLiteral("PRINTERFONT"), e.printerFont);
}

namespace {

// One line kind of the older text file: its key and what its value sets. `teile` is the value
// split at commas.
struct AlterEintrag {
    const char* key;
    void (*lesen)(Einstellungen& e, const QString& v, const QStringList& teile);
};

void wahrheiten(const QStringList& teile, std::initializer_list<bool*> ziele) {
    qsizetype i = 0;
    for (bool* z : ziele)
        if (i < teile.size()) *z = wahr(teile[i++]);
}

// What the windows show and how the herd is saved.
constexpr AlterEintrag kAlteAnzeige[] = {
    {"ANZEIGE=",
     [](Einstellungen& e, const QString&, const QStringList& t) {
         for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
             e.anzeige[std::size_t(i)] = wahr(t[i]);
     }},
    {"SORTIERUNG=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto n = alsInt(v)) e.sortierung = *n;
     }},
    {"EINZELSPEICHERUNG=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.einzelspeicherung = wahr(v); }},
    {"BACKUPERSTELLEN=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.backupdatei = wahr(v); }},
    {"SCHNELLHILFE=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.schnellhilfe = wahr(v); }},
    {"ZIELLAUFWERK=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.ziellaufwerk = GrossText(v); }},
    {"VOLLBILD=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.vollbild = wahr(v); }},
    {"FUTTERMENGEN=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.futtermengen = wahr(v); }},
    {"ARBPLANSTALL=",
     [](Einstellungen& e, const QString&, const QStringList& t) {
         wahrheiten(t, {&e.mitStall, &e.mitTage, &e.mitWurf});
     }},
    {"INDEX=",
     [](Einstellungen& e, const QString&, const QStringList& t) {
         for (qsizetype i = 0; i < 7 && i < t.size(); ++i)
             if (const auto n = alsInt(t[i])) e.index[std::size_t(i)] = *n;
     }},
};

// The currencies.
constexpr AlterEintrag kAlteWaehrung[] = {
    {"STANDARDWAEHRUNG=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto c = waehrungAusText(v)) e.waehrung.anzeige = *c;
     }},
    {"DM/EURO=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto r = alsReal(v)) e.waehrung.kurs[1] = *r;
     }},
    {"OS/EURO=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto r = alsReal(v)) e.waehrung.kurs[2] = *r;
     }},
    {"FR/EURO=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto r = alsReal(v)) e.waehrung.kurs[3] = *r;
     }},
    {"X/EURO=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         const qsizetype slash = v.indexOf(u'/');
         if (const auto r = alsReal(slash >= 0 ? v.left(slash) : v)) e.waehrung.kurs[4] = *r;
         if (slash >= 0) e.waehrung.kuerzel[4] = v.mid(slash + 1, 2);
     }},
    {"EUROZEICHEN=", [](Einstellungen& e, const QString& v,
                        const QStringList&) { e.waehrung.kuerzel[0] = v.left(1); }},
};

// Printing, the card and the evaluations, and the limits.
constexpr AlterEintrag kAlteAusgabe[] = {
    {"LASTBACKUP=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.lastBackup = v; }},
    {"PRINTERFONT=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.printerFont = v; }},
    {"WEIBLICHE=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.weibliche = wahr(v); }},
    {"AUTOSORT=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.autosort = wahr(v); }},
    {"BESTANDSKARTE=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         for (int i = 0; i < 5; ++i) {
             const qsizetype pos = 2 * i;
             const QChar c = pos < v.size() ? v[pos] : QChar(u'0');
             e.item[std::size_t(i)] = c.isDigit() ? c.digitValue() : 0;
         }
     }},
    {"GEWICHTE=",
     [](Einstellungen& e, const QString&, const QStringList& t) {
         wahrheiten(t, {&e.gebGewicht, &e.absGewicht});
     }},
    {"MITVERKAUF=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.mitVerkauf = wahr(v); }},
    {"MITKOMMENTAR=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.mitKommentar = wahr(v); }},
    {"MITEINSTALL=",
     [](Einstellungen& e, const QString& v, const QStringList&) { e.mitEinstall = wahr(v); }},
    {"MAXEBER=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto n = nachGleich(v)) e.maxEber = *n;
     }},
    {"MAXGRUPPE=",
     [](Einstellungen& e, const QString& v, const QStringList&) {
         if (const auto n = nachGleich(v)) e.maxGruppe = *n;
     }},
};

} // namespace

void ausAlterDatei(const QString& text, Einstellungen& e) {
    // Every key is looked for in each line, in this order; after a key is found the rest of
    // the line is its value, and later keys are looked for in that value only.
    static const std::vector<AlterEintrag> eintraege = [] {
        std::vector<AlterEintrag> alle;
        for (const auto& tabelle : {std::span<const AlterEintrag>(kAlteAnzeige),
                                    std::span<const AlterEintrag>(kAlteWaehrung),
                                    std::span<const AlterEintrag>(kAlteAusgabe)})
            alle.insert(alle.end(), tabelle.begin(), tabelle.end());
        return alle;
    }();
    for (QString zeile : text.split(u'\n')) {
        if (zeile.endsWith(u'\r')) zeile.chop(1);
        QString s = zeile;
        for (const AlterEintrag& a : eintraege) {
            const QString key = QString::fromLatin1(a.key);
            if (!s.contains(key)) continue;
            const QString v = s.mid(key.size(), 255);
            a.lesen(e, v, v.split(u','));
            s = v;
        }
    }
}

bool pfadSchreiben(const QString& storeDatei, const QString& datenpfad) {
    IniDatei store;
    store.laden(storeDatei);
    store.setzen(kGrund, QStringLiteral("PFAD"), datenpfad);
    return store.speichern(storeDatei);
}

} // namespace einstellungen

using namespace einstellungen;

Quelle EinstellungenLesen(const QString& storeDatei, const QString& alteDatei, Einstellungen& e,
                          QString& datenpfad, const QString& standardPfad) {
    QFile alt(alteDatei);
    if (!alteDatei.isEmpty() && alt.open(QIODevice::ReadOnly)) {
        ausAlterDatei(cp1252::decode(alt.read(1024 * 1024)), e);
        datenpfad.clear();
        return Quelle::AlteDatei;
    }
    IniDatei store;
    store.laden(storeDatei);
    ausStore(store, e, datenpfad, standardPfad);
    return Quelle::Store;
}

bool EinstellungenSchreiben(const QString& storeDatei, const Einstellungen& e) {
    IniDatei store;
    store.laden(storeDatei);
    inStore(e, store);
    return store.speichern(storeDatei);
}
