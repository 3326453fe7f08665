#include "feed/futtermix.h"

#include "feed/futterdateien.h"
#include "herd/textfunktionen.h"
#include "herd/waehrung.h"
#include "platform/messages.h"
#include "programm/appcontext.h"

#include <algorithm>

Futtermix::Futtermix(AppContext& ctx) : ctx_(ctx) {
    bool fehler = false;
    Komponenten = KomponentenLaden(ctx.Datenpfad, &fehler);
    if (fehler) ctx.messages().error(Lesefehler(kKomponentenDatei));
    Mischungen = MischungenLaden(ctx.Datenpfad, &fehler);
    if (fehler) ctx.messages().error(Lesefehler(kMischungsDatei));
    Ziele[fwTS] = 880;
}

void Futtermix::KomponenteSetzen(int i, const TKomponentenRec& k) {
    if (i < 0 || i > int(Komponenten.size())) return;
    if (i == int(Komponenten.size()))
        Komponenten.push_back(k);
    else
        Komponenten[std::size_t(i)] = k;
    KomponentenGeaendert = true;
}

void Futtermix::KomponenteEinfuegen(int i, const TKomponentenRec& k) {
    if (i < 0 || i > int(Komponenten.size())) return;
    Komponenten.insert(Komponenten.begin() + i, k);
    KomponentenGeaendert = true;
}

void Futtermix::KomponenteLoeschen(int i) {
    if (i < 0 || i >= int(Komponenten.size())) return;
    Komponenten.erase(Komponenten.begin() + i);
    KomponentenGeaendert = true;
}

int Futtermix::Hinzufuegen(int k) {
    if (k < 0 || k >= int(Komponenten.size()) || Anzahl >= kMischungPosten) return -1;
    const TKomponentenRec& komp = Komponenten[std::size_t(k)];
    TMischungsPosten p;
    p.setName(komp.Name().left(15));
    for (int m = 0; m < kNaehrwerte; ++m)
        p.setInhalt(m, komp.Wert(m));
    p.setInhalt(fwPreis,
                Umrechnen(ctx_.einstellungen.waehrung, komp.Waehrung(), komp.Wert(fwPreis)));
    const int slot = Anzahl++;
    Posten[std::size_t(slot)] = p;
    Geaendert = true;
    return slot;
}

int Futtermix::Entfernen(int i) {
    if (i < 0 || i >= Anzahl) return -1;
    for (int j = i; j + 1 < kMischungPosten; ++j)
        Posten[std::size_t(j)] = Posten[std::size_t(j + 1)];
    Posten[kMischungPosten - 1] = TMischungsPosten();
    --Anzahl;
    SummenBerechnen();
    Geaendert = true;
    return std::min(i, Anzahl - 1);
}

void Futtermix::AnteilSetzen(int i, double anteil) {
    if (i < 0 || i >= Anzahl) return;
    Posten[std::size_t(i)].setAnteil(anteil);
    SummenBerechnen();
    Geaendert = true;
}

void Futtermix::FestSetzen(int i, bool fest) {
    if (i < 0 || i >= Anzahl) return;
    Posten[std::size_t(i)].setFest(fest);
    Geaendert = true;
}

void Futtermix::ZieleSetzen(const std::array<double, kNaehrwerte>& ziele) {
    Ziele = ziele;
    Geaendert = true;
}

void Futtermix::SummenBerechnen() {
    Summen.fill(0.0);
    for (TMischungsPosten& p : Posten) {
        p.beitraegeBerechnen();
        for (int m = 0; m < kFutterWerte; ++m)
            Summen[std::size_t(m)] += p.Beitrag(m);
    }
}

void Futtermix::Laden(int index) {
    if (index < 0 || index >= int(Mischungen.size())) return;
    const TMischungRec& rec = Mischungen[std::size_t(index)];
    Posten.fill(TMischungsPosten());
    Anzahl = 0;
    // A slot without a name is unused; the used ones close up.
    for (int i = 0; i < kMischungPosten; ++i) {
        const TMischungsPosten p = rec.Posten(i);
        if (p.belegt()) Posten[std::size_t(Anzahl++)] = p;
    }
    SummenBerechnen();
    Name = rec.Name();
    Index = index;
}

OptimierAusgang Futtermix::Optimieren() {
    const OptimierAusgang aus = ::Optimieren(Posten, Anzahl, Ziele);
    SummenBerechnen();
    Geaendert = true;
    return aus;
}

TMischungRec Futtermix::SatzBauen() const {
    TMischungRec rec;
    rec.setName(Name.left(25));
    for (int i = 0; i < kMischungPosten; ++i)
        rec.setPosten(i, Posten[std::size_t(i)]);
    return rec;
}

bool Futtermix::SpeicherAbfrage(const QString& name, int index) {
    Name = name;
    Index = index >= 0 && index < int(Mischungen.size()) ? index : -1;
    MessageService& msg = ctx_.messages();
    if (KomponentenGeaendert &&
        msg.question(QStringLiteral("Geänderte Komponentenliste speichern?"),
                     MessageService::Buttons::YesNo) == MessageService::Answer::Yes) {
        QString grund;
        if (!KomponentenSpeichern(ctx_.Datenpfad, Komponenten, &grund)) {
            msg.error(Schreibfehler(ctx_.Datenpfad, kKomponentenDatei, grund));
            return false;
        }
        KomponentenGeaendert = false;
    }
    if (!Geaendert) return true;
    return mischungFragen();
}

bool Futtermix::mischungFragen() {
    MessageService& msg = ctx_.messages();
    if (Anzahl > 0) {
        switch (msg.question(QStringLiteral("Mischungen ") + Name + QStringLiteral(" abspeichern?"),
                             MessageService::Buttons::YesNoCancel)) {
        case MessageService::Answer::Yes:
            return mischungSpeichern();
        case MessageService::Answer::No:
            Geaendert = false;
            return true;
        default:
            return false;
        }
    }
    if (Index < 0) return true;
    switch (msg.question(QStringLiteral("Mischung ") + Name + QStringLiteral(" löschen?"),
                         MessageService::Buttons::YesNoCancel)) {
    case MessageService::Answer::Yes: {
        std::vector<TMischungRec> neu = Mischungen;
        neu.erase(neu.begin() + Index);
        // Written at once, so that the mix does not come back when no other is saved.
        QString grund;
        if (!MischungenSpeichern(ctx_.Datenpfad, neu, &grund)) {
            msg.error(Schreibfehler(ctx_.Datenpfad, kMischungsDatei, grund));
            return false;
        }
        Mischungen = std::move(neu);
        Index = -1;
        Geaendert = false;
        return true;
    }
    case MessageService::Answer::No:
        Geaendert = false;
        return true;
    default:
        return false;
    }
}

bool Futtermix::mischungSpeichern() {
    if (LeerzeichenEntfernen(Name).isEmpty()) {
        ctx_.messages().error(QStringLiteral("Die Mischung hat keinen Namen!"));
        return false;
    }
    std::vector<TMischungRec> neu = Mischungen;
    int index = Index;
    if (index < 0) {
        neu.push_back(SatzBauen());
        index = int(neu.size()) - 1;
    } else {
        neu[std::size_t(index)] = SatzBauen();
    }
    QString grund;
    if (!MischungenSpeichern(ctx_.Datenpfad, neu, &grund)) {
        ctx_.messages().error(Schreibfehler(ctx_.Datenpfad, kMischungsDatei, grund));
        return false;
    }
    Mischungen = std::move(neu);
    Index = index;
    Geaendert = false;
    return true;
}
