#include "entry/wurfpanel.h"

#include "entry/kartenbuchung.h"
#include "entry/kartenfelder.h"
#include "entry/tanomalein.h"
#include "herd/numformat.h"
#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

using namespace kartenfelder;

void WurfPanel::verbinden() {
    // The enabling rules follow every change of the fields they look at, while typing, so
    // that Enter and Tab reach the field a date has just opened.
    const auto regeln = [this] {
        if (!laedt_) regelnAnwenden();
    };
    for (QLineEdit* f :
         std::initializer_list<QLineEdit*>{Belegen[0], Belegen[1], Belegen[2], tkdatum[0],
                                           tkdatum[1], Abferkeln, Absetzen, geborene, Anomal})
        connect(f, &QLineEdit::textChanged, this, regeln);
    connect(tk[0], &QCheckBox::toggled, this, regeln);

    for (int k = 0; k < 3; ++k) {
        connect(Belegen[std::size_t(k)], &tdate_ed::verlassen, this, [this, k] { BelegenExit(k); });
        QComboBox* box = Eber[std::size_t(k)];
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] {
            const QString name = LeerzeichenEntfernen(box->currentText());
            box->setEditText(name);
            QStringList angebot;
            for (int i = 0; i < box->count(); ++i)
                angebot << box->itemText(i);
            kartenbuchung::EberAufnehmen(ctx_.Eberliste, name, angebot);
        });
    }
    for (tdate_ed* t : tkdatum)
        connect(t, &tdate_ed::verlassen, this, [this, t] { TKExit(t); });
    connect(Abferkeln, &tdate_ed::verlassen, this, &WurfPanel::AbferkelnExit);
    connect(Absetzen, &tdate_ed::verlassen, this, &WurfPanel::AbsetzenExit);
    connect(geborene, &TNumEdit::verlassen, this, [this] {
        regelnAnwenden();
        abgesetzteBerechnen();
        zahlenPruefen(geborene);
    });
    connect(Gelten, &TNumEdit::verlassen, this, &WurfPanel::GeltenExit);
    connect(todgeboren, &TNumEdit::verlassen, this, &WurfPanel::todgeborenExit);
    connect(Zugesetzt, &TNumEdit::verlassen, this, [this] {
        abgesetzteBerechnen();
        zahlenPruefen(Zugesetzt);
    });
    connect(abgesetzte, &TNumEdit::verlassen, this, &WurfPanel::abgesetzteExit);
    connect(Anomal, &TNumEdit::verlassen, this, &WurfPanel::AnomalExit);
    connect(Ausfall, &TNumEdit::verlassen, this, &WurfPanel::AusfallExit);
    connect(AnomalBtn, &QPushButton::clicked, this,
            [this] { eintraegeOeffnen(eaBesonderheiten, Anomal->AsInteger()); });
    connect(AusfallBtn, &QPushButton::clicked, this, [this] {
        eintraegeOeffnen(eaAusfaelle, Ausfall->AsInteger());
        abgesetzteBerechnen();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{Anomal, Ausfall, Abferkeln})
        w->installEventFilter(this);
}

bool WurfPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Anomal) anomalAlt_ = Anomal->AsInteger();
        if (watched == Ausfall) ausfallAlt_ = Ausfall->AsInteger();
        return false;
    }
    if (watched != Abferkeln || event->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
        (k->modifiers() & Qt::ShiftModifier)) {
        AbferkelnUebernehmen();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------
// Showing and storing a litter

void WurfPanel::zeigen(const TWurfRec& w, const Lage& lage) {
    wurf_ = w;
    lage_ = lage;
    laedt_ = true;
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        Belegen[n]->SetDatum(w.Belegen(k + 1));
        Eber[n]->setEditText(w.Eber(k + 1));
        mal[n]->setWert(w.Mal(k + 1) == 0 ? 1 : w.Mal(k + 1));
        Belegnote[n]->setEditText(w.Belegnote(k + 1));
    }
    for (int k = 0; k < 2; ++k) {
        tkdatum[std::size_t(k)]->SetDatum(w.TKDatum(k + 1));
        tk[std::size_t(k)]->setChecked(w.TKErgebnis(k + 1) != 0);
    }
    for (int i = 0; i < 8; ++i)
        termin[std::size_t(i)]->SetDatum(w.WurfTermin(i + 1));
    Abferkeln->SetDatum(w.Abferkeln());
    Absetzen->SetDatum(w.Absetzen());
    geborene->setWert(w.Geborene());
    todgeboren->setWert(w.Todgeborene());
    Gelten->setWert(w.Weibliche());
    Zugesetzt->setWert(w.Ausgleich());
    FerkelnNote->setEditText(w.FerkelnNote());
    Geburtgew->setWert(w.Geburtsgewicht());
    Absetzgew->setWert(w.Absetzgewicht() * 0.001);
    for (int i = 0; i < 4; ++i)
        Futter[std::size_t(i)]->setWert(w.Futter(i + 1) * 0.1);
    Notiz->setText(w.WurfNotiz());
    Anomal->setWert(Anomalien(w));
    Ausfall->setWert(Verluste(w));
    anomalAlt_ = Anomal->AsInteger();
    ausfallAlt_ = Ausfall->AsInteger();
    abferkelnGeprueft_ = w.Abferkeln();
    plausibelMerken();
    laedt_ = false;
    regelnAnwenden();
    vorschlagAktualisieren();
    abgesetzteBerechnen();
}

TWurfRec WurfPanel::speichern() {
    TWurfRec w = wurf_;
    const auto byte = [](const TNumEdit* n) { return std::uint8_t(gerundet(n)); };
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        w.setBelegen(k + 1, Belegen[n]->Getdatum());
        w.setEber(k + 1, LeerzeichenEntfernen(Eber[n]->currentText()).left(10));
        w.setMal(k + 1, byte(mal[n]));
        w.setBelegnote(k + 1, Belegnote[n]->currentText().left(15));
    }
    for (int k = 0; k < 2; ++k) {
        w.setTKDatum(k + 1, tkdatum[std::size_t(k)]->Getdatum());
        w.setTKErgebnis(k + 1, tk[std::size_t(k)]->isChecked() ? 1 : 0);
    }
    for (int i = 0; i < 8; ++i)
        w.setWurfTermin(i + 1, termin[std::size_t(i)]->Getdatum());
    w.setAbferkeln(Abferkeln->Getdatum());
    w.setAbsetzen(Absetzen->Getdatum());
    w.setGeborene(byte(geborene));
    w.setTodgeborene(byte(todgeboren));
    w.setWeibliche(byte(Gelten));
    w.setAusgleich(std::int8_t(gerundet(Zugesetzt)));
    w.setFerkelnNote(FerkelnNote->currentText().left(15));
    w.setGeburtsgewicht(std::uint16_t(gerundet(Geburtgew)));
    w.setAbsetzgewichtKg(Absetzgew->Wert());
    for (int i = 0; i < 4; ++i)
        w.setFutter(i + 1, std::uint16_t(std::lround(Futter[std::size_t(i)]->Wert() * 10.0)));
    w.setWurfNotiz(Notiz->text().left(75));
    wurf_ = w;
    return w;
}

// ---------------------------------------------------------------------------------------
// Rules

wurfregeln::Stand WurfPanel::stand() const {
    // A count being typed counts with its text.
    const auto jetzt = [](const TNumEdit* n) {
        return n->hasFocus() ? int(std::lround(numformat::lesen(n->text()))) : gerundet(n);
    };
    wurfregeln::Stand s;
    for (std::size_t k = 0; k < 3; ++k) {
        s.belegenText[k] = !Belegen[k]->text().isEmpty();
        s.belegen[k] = Belegen[k]->Getdatum();
    }
    s.tkdatum1 = tkdatum[0]->Getdatum().vorhanden();
    s.tk1 = tk[0]->isChecked();
    s.tkdatum2 = tkdatum[1]->Getdatum().vorhanden();
    s.abferkeln = Abferkeln->Getdatum();
    s.absetzen = Absetzen->Getdatum();
    s.geborene = jetzt(geborene);
    s.todgeboren = gerundet(todgeboren);
    s.zugesetzt = gerundet(Zugesetzt);
    s.anomal = jetzt(Anomal);
    s.ausfall = gerundet(Ausfall);
    return s;
}

void WurfPanel::regelnAnwenden() {
    const wurfregeln::Freigabe f = wurfregeln::freigaben(stand());
    for (std::size_t k = 0; k < 3; ++k) {
        Eber[k]->setEnabled(f.eber[k]);
        mal[k]->setEnabled(f.mal[k]);
        Belegnote[k]->setEnabled(f.belegnote[k]);
        if (f.mal[k] && mal[k]->Wert() == 0) mal[k]->setWert(1);
    }
    Belegen[1]->setEnabled(f.belegen2);
    Belegen[2]->setEnabled(f.belegen3);
    tkdatum[0]->setEnabled(f.tkdatum1);
    tk[0]->setEnabled(f.tk1);
    tkdatum[1]->setEnabled(f.tkdatum2);
    tk[1]->setEnabled(f.tk2);
    Abferkeln->setEnabled(f.abferkeln);
    // Farrowing depends on its own enabling: compute the rest once more with it settled.
    const wurfregeln::Freigabe g = wurfregeln::freigaben(stand());
    geborene->setEnabled(g.geborene);
    todgeboren->setEnabled(g.todgeboren);
    Gelten->setEnabled(g.gelten);
    Geburtgew->setEnabled(g.geburtgew);
    Zugesetzt->setEnabled(g.zugesetzt);
    Anomal->setEnabled(g.anomal);
    Ausfall->setEnabled(g.ausfall);
    Absetzen->setEnabled(g.absetzen);
    FerkelnNote->setEnabled(g.ferkelnNote);
    AnomalBtn->setEnabled(g.anomalKnopf);
    AusfallBtn->setEnabled(g.ausfallKnopf);
    // A read-only weaning date is passed over by Tab, so its checks do not run again.
    Absetzen->setReadOnly(g.absetzenNurLesen);
    Absetzen->setFocusPolicy(g.absetzenNurLesen ? Qt::NoFocus : Qt::StrongFocus);
    abgesetzte->setEnabled(g.abgesetzte);
    Absetzgew->setEnabled(g.absetzgew);
}

void WurfPanel::vorschlagAktualisieren() {
    if (Abferkeln->Getdatum().vorhanden()) return;
    Abferkeln->textSetzen(wurfregeln::abferkelVorschlag(stand(), ctx_.Tragezeit));
}

void WurfPanel::abgesetzteBerechnen() {
    abgesetzte->setWert(wurfregeln::abgesetzte(stand()));
}

// ---------------------------------------------------------------------------------------
// Date checks

void WurfPanel::datumFehler(tdate_ed* feld, const wurfregeln::Pruefung& p) {
    ctx_.messages().error(p.meldung);
    feld->SetDatum({});
    if (p.fokusZurueck) feld->setFocus();
}

void WurfPanel::BelegenExit(int k) {
    const TKurzDatum d = Belegen[std::size_t(k)]->Getdatum();
    wurfregeln::Pruefung p;
    if (d.vorhanden() && k == 0)
        p = wurfregeln::pruefeBelegen1(d, lage_.ersteSeite, lage_.zugang, lage_.vorherigesAbsetzen);
    else if (d.vorhanden() && k == 1)
        p = wurfregeln::pruefeBelegen2(Belegen[0]->Getdatum(), d);
    else if (d.vorhanden())
        p = wurfregeln::pruefeBelegen3(Belegen[1]->Getdatum(), d);
    if (!p.meldung.isEmpty()) {
        datumFehler(Belegen[std::size_t(k)], p);
    } else {
        vorschlagAktualisieren(); // also when the date was cleared
        std::optional<plausibel::Befund> frueh;
        if (k == 0 && plausibel::BelegenZuFrueh(lage_.vorherigesAbsetzen, d, warner_.grenzen()))
            frueh = Befund(plausibel::Art::BelegenNachAbsetzen,
                           TageZwischen(lage_.vorherigesAbsetzen, d));
        warner_.datumPruefen(Belegen[std::size_t(k)], frueh);
    }
    regelnAnwenden();
}

void WurfPanel::TKExit(tdate_ed* feld) {
    const TKurzDatum d = feld->Getdatum();
    if (d.vorhanden()) {
        const auto p = wurfregeln::pruefeTK(Belegen[0]->Getdatum(), d);
        if (!p.meldung.isEmpty())
            datumFehler(feld, p);
        else
            warner_.datumPruefen(feld);
    }
    regelnAnwenden();
}

void WurfPanel::AbferkelnExit() {
    const wurfregeln::Stand s = stand();
    bool zurueck = false;
    if (s.abferkeln.vorhanden()) {
        const auto p = wurfregeln::pruefeAbferkeln(s);
        if (!p.meldung.isEmpty()) {
            datumFehler(Abferkeln, p);
            zurueck = true;
        } else if (!(s.abferkeln == abferkelnGeprueft_) &&
                   wurfregeln::weichtZuStarkAb(s, ctx_.Tragezeit)) {
            // Once per entered date, not on every pass over it.
            ctx_.messages().warning(wurfregeln::kAbstandWarnung);
            Abferkeln->setFocus();
            warner_.merken(Abferkeln, Abferkeln->text());
        } else {
            const TKurzDatum m = wurfregeln::massgeblicheBelegung(s);
            std::optional<plausibel::Befund> tragezeit;
            if (const auto art = plausibel::Tragezeit(m, s.abferkeln, warner_.grenzen()))
                tragezeit = Befund(*art, TageZwischen(m, s.abferkeln));
            warner_.datumPruefen(Abferkeln, tragezeit);
        }
    }
    abferkelnGeprueft_ = Abferkeln->Getdatum();
    // Left empty: the proposal comes back (not while the field gets the focus back).
    if (!zurueck && !Abferkeln->Getdatum().vorhanden()) vorschlagAktualisieren();
    regelnAnwenden();
    abgesetzteBerechnen();
}

void WurfPanel::AbferkelnUebernehmen() {
    if (!Abferkeln->text().startsWith(u'~')) return;
    Abferkeln->textSetzen(Abferkeln->text().mid(1));
    AbferkelnExit();
}

void WurfPanel::AbsetzenExit() {
    const TKurzDatum d = Absetzen->Getdatum();
    if (d.vorhanden() && lage_.letzteSeite) {
        const TKurzDatum f = Abferkeln->Getdatum();
        const auto p = wurfregeln::pruefeAbsetzen(f, d);
        if (!p.meldung.isEmpty()) {
            datumFehler(Absetzen, p);
        } else if (TageZwischen(f, d) == 0) {
            if (ohneLebendeFerkel(wurfregeln::kAbort)) todgeboren->setWert(geborene->Wert());
        }
    }
    if (Absetzen->Getdatum().vorhanden()) warner_.datumPruefen(Absetzen);
    abgesetzteBerechnen();
    regelnAnwenden();
}

// ---------------------------------------------------------------------------------------
// Piglet counts, anomalies and losses

bool WurfPanel::ohneLebendeFerkel(const QString& warnung) {
    if (ctx_.messages().warningOkCancel(warnung) != MessageService::Answer::Ok) {
        todgeboren->setWert(0);
        return false;
    }
    ausfallSetzen(0);
    Zugesetzt->setWert(0);
    return true;
}

void WurfPanel::GeltenExit() {
    if (Gelten->Wert() > geborene->Wert()) Gelten->setWert(geborene->Wert());
    zahlenPruefen(Gelten);
}

void WurfPanel::todgeborenExit() {
    if (todgeboren->Wert() > geborene->Wert()) todgeboren->setWert(geborene->Wert());
    if (geborene->Wert() > 0 && gerundet(todgeboren) == gerundet(geborene)) {
        if (ohneLebendeFerkel(wurfregeln::kAlleTot)) Absetzen->SetDatum(Abferkeln->Getdatum());
        // The farmer has just been asked about these dead piglets.
        warner_.merken(todgeboren, todgeboren->text());
    }
    abgesetzteBerechnen();
    regelnAnwenden();
    zahlenPruefen(todgeboren);
}

void WurfPanel::ausfallSetzen(int wert) {
    // Losses that are no longer counted leave the litter, too.
    Ausfall->setWert(wert);
    if (wert <= 0) wurfregeln::verlusteEntfernen(wurf_);
    ausfallAlt_ = wert;
}

void WurfPanel::abgesetzteExit() {
    const wurfregeln::Stand s = stand();
    const int berechnet = wurfregeln::abgesetzte(s);
    const int d = berechnet - gerundet(abgesetzte);
    if (d > 0 && s.geborene - s.todgeboren - s.zugesetzt > d) {
        Ausfall->setWert(s.ausfall + d);
        AusfallExit();
        return;
    }
    abgesetzte->setWert(berechnet);
}

void WurfPanel::AnomalExit() {
    regelnAnwenden();
    eintraegeGeaendert(eaBesonderheiten);
}

void WurfPanel::AusfallExit() {
    regelnAnwenden();
    eintraegeGeaendert(eaAusfaelle);
    abgesetzteBerechnen();
    zahlenPruefen(Ausfall);
}

// ---------------------------------------------------------------------------------------
// Plausibility warnings

void WurfPanel::plausibelMerken() {
    for (tdate_ed* d : std::initializer_list<tdate_ed*>{
             Belegen[0], Belegen[1], Belegen[2], tkdatum[0], tkdatum[1], Abferkeln, Absetzen})
        warner_.merken(d, d->text());
    for (TNumEdit* n :
         std::initializer_list<TNumEdit*>{geborene, todgeboren, Gelten, Zugesetzt, Ausfall})
        warner_.merken(n, n->text());
}

void WurfPanel::zahlenPruefen(TNumEdit* feld) {
    using plausibel::Art;
    const wurfregeln::Stand s = stand();
    const int lebend = s.geborene - s.todgeboren;
    const PruefGrenzen& g = warner_.grenzen();
    std::optional<plausibel::Befund> befund;
    if (feld == geborene && plausibel::ZuVieleLebende(lebend, g))
        befund = Befund(Art::ZuVieleLebende, lebend);
    else if (feld == todgeboren && plausibel::ZuVieleTote(s.todgeboren, g))
        befund = Befund(Art::ZuVieleTote, s.todgeboren);
    else if (feld == Gelten && plausibel::ZuVieleWeibliche(gerundet(Gelten), lebend))
        befund = Befund(Art::ZuVieleWeibliche, gerundet(Gelten), lebend);
    else if ((feld == Ausfall || feld == Zugesetzt) &&
             plausibel::ZuVieleVerluste(lebend, s.zugesetzt, s.ausfall))
        befund = Befund(Art::ZuVieleVerluste, s.ausfall, lebend + s.zugesetzt);
    warner_.pruefen(feld, feld->text(), befund);
}

void WurfPanel::eintraegeGeaendert(int modus) {
    TNumEdit* feld = modus == eaAusfaelle ? Ausfall : Anomal;
    int& alt = modus == eaAusfaelle ? ausfallAlt_ : anomalAlt_;
    const int neu = feld->AsInteger();
    if (neu == alt) return;
    alt = neu;
    if (neu <= 0) {
        if (modus == eaAusfaelle)
            wurfregeln::verlusteEntfernen(wurf_);
        else
            wurfregeln::anomalienEntfernen(wurf_);
        return;
    }
    // Losses and anomalies never overwrite each other.
    const QString meldung = wurfregeln::eintraegePruefen(wurf_, modus, neu);
    if (!meldung.isEmpty()) {
        ctx_.messages().error(meldung);
        zaehlerZeigen(modus);
        return;
    }
    eintraegeOeffnen(modus, neu);
}

bool WurfPanel::eintraegeOeffnen(int modus, int anzahl) {
    if (anzahl < 1) return false;
    TAnomalEin fenster(ctx_, this);
    fenster.AnomalOeffnen(wurf_, Abferkeln->Getdatum(), modus,
                          std::min(anzahl, feldgroesse::Eintraege));
    if (fenster.exec() == QDialog::Accepted) {
        fenster.AnomalUebernehmen(wurf_);
        return true;
    }
    zaehlerZeigen(modus);
    return false;
}

void WurfPanel::zaehlerZeigen(int modus) {
    if (modus == eaAusfaelle) {
        Ausfall->setWert(Verluste(wurf_));
        ausfallAlt_ = Ausfall->AsInteger();
        abgesetzteBerechnen();
    } else {
        Anomal->setWert(Anomalien(wurf_));
        anomalAlt_ = Anomal->AsInteger();
    }
    regelnAnwenden();
}

// The fields lose the focus while they are taken down; their signals must not reach a window
// that is already gone.
WurfPanel::~WurfPanel() {
    for (QObject* kind : findChildren<QObject*>())
        QObject::disconnect(kind, nullptr, this, nullptr);
}
