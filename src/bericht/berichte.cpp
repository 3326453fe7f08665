#include "bericht/berichte.h"

#include "austausch/wurfexport.h"
#include "bericht/argumente.h"
#include "entry/kartendruck.h"
#include "entry/offenepunkteliste.h"
#include "evaluation/ausfallchart.h"
#include "evaluation/auswertung.h"
#include "evaluation/auswertunglayout.h"
#include "evaluation/belegwochenchart.h"
#include "evaluation/belegwochenlayout.h"
#include "evaluation/ferkelbuch.h"
#include "evaluation/hitliste.h"
#include "evaluation/saubewegung.h"
#include "evaluation/vergleich.h"
#include "feed/futtermix.h"
#include "feed/mischungsbericht.h"
#include "plan/arbeitsplan.h"
#include "plan/arbeitsplancsv.h"
#include "plan/arbeitsplandruck.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"
#include "programm/appcontext.h"
#include "stamm/terminnamen.h"

#include <memory>
#include <optional>

namespace {

[[noreturn]] void fehler(const QString& text) {
    throw Berichtsfehler{text};
}

// A date typed as into the date field.
TKurzDatum datum(const AppContext& ctx, const QString& option, const QString& text) {
    QString s = text.trimmed();
    const TKurzDatum d =
        s.isEmpty() ? TKurzDatum() : TextZuKurzDatum(s, ctx.heute(), Jahrlesart::Feld);
    if (!d.vorhanden() || !d.alsQDate().isValid())
        fehler(QStringLiteral("%1: \"%2\" ist kein gültiges Datum.").arg(option, text));
    return d;
}

int zahl(const Befehlszeile& b, const QString& option, int min, int vorgabe) {
    if (!b.werte.contains(option)) return vorgabe;
    int n = 0;
    if (!GanzeZahl(b.wert(option), min, n))
        fehler(QStringLiteral("%1: \"%2\" ist keine gültige Zahl.").arg(option, b.wert(option)));
    return n;
}

// The sow with this number, by her index in the herd.
int sauSuchen(const AppContext& ctx, const QString& nr) {
    for (std::size_t i = 0; i < ctx.Sauenliste.size(); ++i)
        if (ctx.Sauenliste[i].rec.SauNr().trimmed() == nr.trimmed()) return int(i);
    fehler(QStringLiteral("Die Sau %1 gibt es nicht.").arg(nr));
}

// The filter with the presets of the filter dialog, changed by the options given.
TAuswertungsFilter filterLesen(const AppContext& ctx, const Befehlszeile& b) {
    TAuswertungsFilter f;
    f.Von = f.Bis = TKurzDatum::aus(ctx.heute());
    f.Datumsart = daBelegen;
    f.NurGanzeWuerfe = true;
    if (b.hat(QStringLiteral("--datumsart"))) {
        const QStringList arten = {QStringLiteral("einstallen"), QStringLiteral("belegen"),
                                   QStringLiteral("ferkeln"), QStringLiteral("absetzen")};
        const int i = arten.indexOf(b.wert(QStringLiteral("--datumsart")).toLower());
        if (i < 0)
            fehler(QStringLiteral("--datumsart: \"%1\" ist keine Datumsart (einstallen, belegen, "
                                  "ferkeln oder absetzen).")
                       .arg(b.wert(QStringLiteral("--datumsart"))));
        f.Datumsart = TDatumsart(i);
    }
    for (const char* o : {"--von", "--bis"}) {
        const QString option = QString::fromLatin1(o);
        if (b.hat(option)) (o[2] == 'v' ? f.Von : f.Bis) = datum(ctx, option, b.wert(option));
    }
    if (b.hat(QStringLiteral("--nur-ganze-wuerfe")) && b.hat(QStringLiteral("--alle-wuerfe")))
        fehler(QStringLiteral("--nur-ganze-wuerfe und --alle-wuerfe schließen sich aus."));
    if (b.hat(QStringLiteral("--alle-wuerfe"))) f.NurGanzeWuerfe = false;
    f.NurVorhandeneSauen = b.hat(QStringLiteral("--nur-vorhandene"));
    f.NurErsterWurf = b.hat(QStringLiteral("--nur-erster-wurf"));
    f.EberFilter = b.wert(QStringLiteral("--eber"));
    f.HerkunftFilter = b.wert(QStringLiteral("--herkunft"));
    f.RasseFilter = b.wert(QStringLiteral("--rasse"));
    return f;
}

void keineWorte(const Befehlszeile& b) {
    if (b.worte.size() > 1)
        fehler(QStringLiteral("Unerwartete Angabe \"%1\" beim Bericht %2.")
                   .arg(b.worte[1], b.worte[0]));
}

Bericht arbeitsplan(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    auto plan = std::make_shared<Arbeitsplan>(ctx.Hilfslisten[hlStaelle]);
    plan->zeiten = ctx.Planzeiten;
    if (b.hat(QStringLiteral("--plantyp"))) {
        const QString name = b.wert(QStringLiteral("--plantyp")).trimmed();
        auto it = std::find_if(ctx.Plantypen.begin(), ctx.Plantypen.end(),
                               [&](const TPlanTyp& t) { return t.Name().trimmed() == name; });
        if (it == ctx.Plantypen.end())
            fehler(QStringLiteral("Den Plantyp %1 gibt es nicht.").arg(name));
        plan->typ = *it;
    }
    if (b.hat(QStringLiteral("--ab")) && b.hat(QStringLiteral("--kw")))
        fehler(QStringLiteral("--ab und --kw schließen sich aus."));
    plan->ersterTag = TKurzDatum::aus(ctx.heute());
    if (b.hat(QStringLiteral("--ab")))
        plan->ersterTag = datum(ctx, QStringLiteral("--ab"), b.wert(QStringLiteral("--ab")));
    if (b.hat(QStringLiteral("--kw"))) {
        int kw = 0;
        if (!GanzeZahl(b.wert(QStringLiteral("--kw")), 1, kw) || kw > 53)
            fehler(QStringLiteral("--kw: \"%1\" ist keine Woche; die Woche muss zwischen 1 und 53 "
                                  "liegen.")
                       .arg(b.wert(QStringLiteral("--kw"))));
        plan->ersterTag = KalenderwochenStart(ctx.heute().year(), kw);
    }
    plan->mitStall = ctx.einstellungen.mitStall;
    plan->mitTage = ctx.einstellungen.mitTage;
    plan->mitWurf = ctx.einstellungen.mitWurf;
    plan->aufbauen(ctx.Sauenliste, ctx.Tragezeit);
    const QString schrift = ctx.einstellungen.printerFont;
    const bool notiz = ctx.einstellungen.mitKommentar;
    return {plan->titel(), QPageLayout::Landscape,
            [plan, schrift, notiz](Canvas& c) { ArbeitsplanDrucken(c, *plan, schrift, notiz); },
            [plan] { return ArbeitsplanCsv(*plan).bytes(); }};
}

struct Auswertungsdaten {
    Auswertungskopie kopie;
    TAuswertungsStand stand;
};

Bericht auswertung(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    auto d = std::make_shared<Auswertungsdaten>();
    d->kopie = Auswertungskopie(ctx.Sauenliste);
    const bool sau = b.hat(QStringLiteral("--sau"));
    const bool auswahl = b.hat(QStringLiteral("--auswahl"));
    if (int(sau) + int(auswahl) + int(b.hat(QStringLiteral("--eber")) && !auswahl) != 1)
        fehler(QStringLiteral("auswertung braucht genau eines von --sau NR, --eber NAME und "
                              "--auswahl."));
    const QStringList nurHerde = {QStringLiteral("--datumsart"),
                                  QStringLiteral("--von"),
                                  QStringLiteral("--bis"),
                                  QStringLiteral("--herkunft"),
                                  QStringLiteral("--rasse"),
                                  QStringLiteral("--nur-ganze-wuerfe"),
                                  QStringLiteral("--alle-wuerfe"),
                                  QStringLiteral("--nur-vorhandene"),
                                  QStringLiteral("--nur-erster-wurf")};
    for (const QString& o : nurHerde)
        if (sau && b.hat(o)) fehler(QStringLiteral("%1 gilt nicht mit --sau.").arg(o));
    QString titel;
    if (sau) {
        const int i = sauSuchen(ctx, b.wert(QStringLiteral("--sau")));
        if (b.hat(QStringLiteral("--wurf"))) {
            const int nr = zahl(b, QStringLiteral("--wurf"), 1, 1);
            const auto& wuerfe = ctx.Sauenliste[std::size_t(i)].wuerfe;
            int inListe = -1;
            for (std::size_t w = 0; w < wuerfe.size(); ++w)
                if (wuerfe[w].WurfNr() == nr) inListe = int(w);
            if (inListe < 0)
                fehler(QStringLiteral("Die Sau %1 hat keinen %2. Wurf.")
                           .arg(b.wert(QStringLiteral("--sau")))
                           .arg(nr));
            SauWurfWaehlen(d->stand, d->kopie, ctx.Sauenliste[std::size_t(i)], i, inListe);
            titel = QStringLiteral("Sau /Wurf");
        } else {
            SauWaehlen(d->stand, i);
            titel = QStringLiteral("Sau");
        }
    } else {
        HerdeWaehlen(d->stand, auswahl ? amAuswahl : amEber, filterLesen(ctx, b));
        titel = QStringLiteral("Auswertung  ") + Filterbeschreibung(d->stand.filter);
    }
    if (b.hat(QStringLiteral("--wurf")) && !sau)
        fehler(QStringLiteral("--wurf gilt nur mit --sau."));
    KennzahlenBerechnen(d->stand, d->kopie, ctx.einstellungen);
    const Einstellungen e = ctx.einstellungen;
    return {titel, QPageLayout::Portrait,
            [d, e](Canvas& c) { AuswertungDrucken(c, d->stand, d->kopie, e); },
            [d, e] { return AuswertungCsv(d->stand, d->kopie, e); }};
}

Bericht ausfallzeitpunkt(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    TAuswertungsStand stand;
    HerdeWaehlen(stand, amAuswahl, filterLesen(ctx, b));
    KennzahlenBerechnen(stand, Auswertungskopie(ctx.Sauenliste), ctx.einstellungen);
    Ausfalltage tage{};
    for (int t = 1; t <= 75; ++t)
        tage[std::size_t(t - 1)] = stand.Summe.Verlusttage[std::size_t(t)];
    return {QStringLiteral("Ausfallzeitpunkt"),
            QPageLayout::Landscape,
            [tage](Canvas& c) { AusfallzeitpunktDrucken(c, tage); },
            {}};
}

// The hit list and the comparisons read the live herd: suckling litters take part.
Bericht hitliste(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    const TAuswertungsFilter f = filterLesen(ctx, b);
    auto liste = std::make_shared<std::vector<THitEintrag>>(
        HitlisteBilden(Auswertungskopie(ctx.Sauenliste, true), f, ctx.einstellungen));
    const QString text = Filterbeschreibung(f);
    const QString schrift = ctx.einstellungen.printerFont;
    const bool weibliche = ctx.einstellungen.weibliche;
    return {QStringLiteral("Hitliste"), QPageLayout::Portrait,
            [=](Canvas& c) {
                HitlisteDrucken(c, *liste, 1, int(liste->size()), text, weibliche, schrift);
            },
            [=] { return HitlisteAlsCsv(*liste, weibliche).bytes(); }};
}

Bericht vergleich(AppContext& ctx, const Befehlszeile& b) {
    const QString was = b.worte.value(1);
    Vergleichsart art = vaEber;
    if (was == QLatin1String("herkunft"))
        art = vaHerkunft;
    else if (was == QLatin1String("rasse"))
        art = vaRasse;
    if (b.worte.size() != 2 || (art == vaEber && was != QLatin1String("eber")))
        fehler(QStringLiteral("vergleich braucht eber, herkunft oder rasse."));
    // The window hides the filter field of the grouping itself.
    const QString eigenes = QStringLiteral("--") + was;
    if (b.hat(eigenes))
        fehler(QStringLiteral("%1 gilt nicht beim Vergleich nach %2: die Gruppen sind selbst "
                              "nach diesem Feld gebildet.")
                   .arg(eigenes, was));
    const TAuswertungsFilter f = filterLesen(ctx, b);
    auto zeilen = std::make_shared<std::vector<TVergleichszeile>>(VergleichZeilen(
        VergleichBilden(Auswertungskopie(ctx.Sauenliste, true), f, art, ctx.einstellungen), art));
    const QString text = Filterbeschreibung(f);
    const QString schrift = ctx.einstellungen.printerFont;
    const bool weibliche = ctx.einstellungen.weibliche;
    return {VergleichTitel(art, QString()).trimmed(), QPageLayout::Landscape,
            [=](Canvas& c) {
                VergleichDrucken(c, *zeilen, 1, int(zeilen->size()), art, text, weibliche, schrift);
            },
            [=] { return VergleichAlsCsv(*zeilen, art, weibliche).bytes(); }};
}

// --von and --bis choose the pages' range of a register; its CSV always holds every line.
void nurDruckbereich(const Befehlszeile& b) {
    if ((b.hat(QStringLiteral("--von")) || b.hat(QStringLiteral("--bis"))) &&
        b.hat(QStringLiteral("--csv")))
        fehler(QStringLiteral("--von und --bis wählen den Druckbereich und gelten nur mit --pdf; "
                              "die CSV-Datei enthält immer alle Zeilen."));
}

Bericht bewegungen(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    nurDruckbereich(b);
    auto liste = std::make_shared<std::vector<TBewegung>>(BewegungenBilden(ctx.Sauenliste));
    const int von = zahl(b, QStringLiteral("--von"), 0, 1);
    const int bis = zahl(b, QStringLiteral("--bis"), 0, int(liste->size()));
    const QString schrift = ctx.einstellungen.printerFont;
    return {QStringLiteral("Sauenbewegungen"), QPageLayout::Portrait,
            [=](Canvas& c) { BewegungenDrucken(c, *liste, von, bis, schrift); },
            [liste] { return BewegungenAlsCsv(*liste).bytes(); }};
}

Bericht offen(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    nurDruckbereich(b);
    const OffenePunkteVorgaben v =
        PunkteVorgaben(ctx.einstellungen.pruefung, ctx.Planzeiten, ctx.Tragezeit, ctx.heute());
    auto liste = std::make_shared<std::vector<plausibel::Befund>>(OffenePunkte(ctx.Sauenliste, v));
    const int von = zahl(b, QStringLiteral("--von"), 0, 1);
    const int bis = zahl(b, QStringLiteral("--bis"), 0, int(liste->size()));
    const QString schrift = ctx.einstellungen.printerFont;
    const Herde* herde = &ctx.Sauenliste;
    const QString grenzen = offenepunkte::GrenzenText(v);
    return {
        QStringLiteral("Offene Punkte"), QPageLayout::Portrait,
        [=](Canvas& c) { offenepunkte::Drucken(c, *herde, *liste, von, bis, schrift, grenzen); },
        [=] { return offenepunkte::AlsCsv(*herde, *liste).bytes(); }};
}

Bericht ferkelbuch(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    nurDruckbereich(b);
    auto liste = std::make_shared<Ferkelliste>(FerkelbuchBilden(ctx.Sauenliste));
    const int von = zahl(b, QStringLiteral("--von"), 0, 1);
    const int bis = zahl(b, QStringLiteral("--bis"), 0, int(liste->Tage.size()));
    const QString schrift = ctx.einstellungen.printerFont;
    return {QStringLiteral("Ferkelabgänge"), QPageLayout::Portrait,
            [=](Canvas& c) { FerkelbuchDrucken(c, *liste, von, bis, schrift); },
            [liste] { return FerkelbuchAlsCsv(*liste).bytes(); }};
}

Bericht karte(AppContext& ctx, const Befehlszeile& b) {
    if (b.worte.size() < 2) fehler(QStringLiteral("karte braucht mindestens eine Sauennummer."));
    auto sauen = std::make_shared<std::vector<int>>();
    for (int i = 1; i < b.worte.size(); ++i)
        sauen->push_back(sauSuchen(ctx, b.worte[i]));
    const AppContext* c0 = &ctx;
    return {QStringLiteral("Sauenkarte"),
            QPageLayout::Portrait,
            [sauen, c0](Canvas& c) {
                for (std::size_t i = 0; i < sauen->size(); ++i) {
                    if (i > 0) c.newPage();
                    const Sau& s = c0->Sauenliste[std::size_t((*sauen)[i])];
                    KarteDrucken(c, s.rec, s.wuerfe, c0->einstellungen, c0->Tragezeit);
                }
            },
            {}};
}

Bericht mischung(AppContext& ctx, const Befehlszeile& b) {
    if (b.worte.size() != 2) fehler(QStringLiteral("mischung braucht genau einen Namen."));
    auto mix = std::make_shared<Futtermix>(ctx);
    const QString name = b.worte[1].trimmed();
    int index = -1;
    for (std::size_t i = 0; i < mix->Mischungen.size() && index < 0; ++i)
        if (mix->Mischungen[i].Name().trimmed() == name) index = int(i);
    if (index < 0) fehler(QStringLiteral("Die Mischung %1 gibt es nicht.").arg(name));
    mix->Laden(index);
    const Waehrungstabelle& w = ctx.einstellungen.waehrung;
    const QString kuerzel = w.kuerzelVon(w.anzeige);
    const QString schrift = ctx.einstellungen.printerFont;
    return {QStringLiteral("Futtermischung"), QPageLayout::Landscape,
            [=](Canvas& c) { MischungDrucken(c, *mix, schrift, kuerzel); },
            [=] { return MischungAlsCsv(*mix, QStringLiteral(" Preis in ") + kuerzel).bytes(); }};
}

// Every stored field of the litters, for an adviser or a spreadsheet.
Bericht wurfdaten(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    bool gefiltert = false;
    for (const QString& o : BerichtsOptionen(QStringLiteral("wurfdaten")))
        gefiltert = gefiltert || b.hat(o);
    std::optional<TAuswertungsFilter> f;
    if (gefiltert) f = filterLesen(ctx, b);
    auto csv = std::make_shared<QByteArray>(
        WurfdatenCsv(ctx.Sauenliste, Terminnamen(ctx.Planzeiten), f ? &*f : nullptr));
    return {QStringLiteral("Wurfdaten"), QPageLayout::Landscape, {}, [csv] { return *csv; }};
}

// Service groups over the live herd: suckling litters belong to their group.
Bericht belegwochen(AppContext& ctx, const Befehlszeile& b) {
    keineWorte(b);
    const Einstellungen& e = ctx.einstellungen;
    const int rhythmus = zahl(b, QStringLiteral("--rhythmus"), 1, e.gruppenrhythmus);
    if (rhythmus > 5)
        fehler(QStringLiteral("--rhythmus: \"%1\" liegt nicht zwischen 1 und 5.").arg(rhythmus));
    const Belegwochenrahmen rahmen{Gruppenraster(rhythmus, e.gruppenstart), ctx.Tragezeit,
                                   ctx.heute(), e};
    TAuswertungsFilter f = filterLesen(ctx, b);
    const TAuswertungsFilter vorgabe = BelegwochenVorgabe(ctx.heute(), rahmen.raster);
    if (!b.hat(QStringLiteral("--von"))) f.Von = vorgabe.Von;
    if (!b.hat(QStringLiteral("--bis"))) f.Bis = vorgabe.Bis;
    f.NurGanzeWuerfe = false;
    auto gruppen = std::make_shared<std::vector<TBelegwoche>>(
        BelegwochenBilden(Auswertungskopie(ctx.Sauenliste, true), f, rahmen));
    const QString text = Filterbeschreibung(f);
    const QString schrift = e.printerFont;
    const Belegwochenziele ziele = Belegwochenziele::aus(e);
    return {QStringLiteral("Belegwochen"), QPageLayout::Landscape,
            [=](Canvas& c) {
                BelegwochenDrucken(c, *gruppen, 1, int(gruppen->size()), text, ziele,
                                   bwAbferkelrate, schrift);
            },
            [=] { return BelegwochenAlsCsv(*gruppen, ziele).bytes(); }};
}

} // namespace

Bericht BerichtBauen(AppContext& ctx, const Befehlszeile& b) {
    const QString name = b.worte.value(0);
    if (name == QLatin1String("arbeitsplan")) return arbeitsplan(ctx, b);
    if (name == QLatin1String("auswertung")) return auswertung(ctx, b);
    if (name == QLatin1String("ausfallzeitpunkt")) return ausfallzeitpunkt(ctx, b);
    if (name == QLatin1String("hitliste")) return hitliste(ctx, b);
    if (name == QLatin1String("vergleich")) return vergleich(ctx, b);
    if (name == QLatin1String("bewegungen")) return bewegungen(ctx, b);
    if (name == QLatin1String("ferkelbuch")) return ferkelbuch(ctx, b);
    if (name == QLatin1String("offen")) return offen(ctx, b);
    if (name == QLatin1String("karte")) return karte(ctx, b);
    if (name == QLatin1String("mischung")) return mischung(ctx, b);
    if (name == QLatin1String("wurfdaten")) return wurfdaten(ctx, b);
    if (name == QLatin1String("belegwochen")) return belegwochen(ctx, b);
    fehler(QStringLiteral("Der Bericht %1 ist in dieser Version noch nicht verfügbar.").arg(name));
}
