#include "programm/tpvmain.h"

#include "austausch/timport.h"

#include "controls/kindfenster.h"
#include "entry/sauvorlage.h"
#include "entry/toffenepunkte.h"
#include "entry/tsauauswahl.h"
#include "entry/tsauwurfeingabe.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/tauswertung.h"
#include "evaluation/tbelegwochen.h"
#include "evaluation/thitliste.h"
#include "evaluation/tsaubewegung.h"
#include "evaluation/tvergleich.h"
#include "feed/tfuttermix.h"
#include "herd/hilfslisten.h"
#include "herd/textfunktionen.h"
#include "plan/tarbeitsplan.h"
#include "plan/tarbeitsplanzeiten.h"
#include "plan/tarbplantyp.h"
#include "plan/tuebersicht.h"
#include "platform/druckausgabe.h"
#include "platform/messages.h"
#include "platform/wartecursor.h"
#include "programm/aboutbox.h"
#include "programm/appcontext.h"
#include "programm/datensicherung.h"
#include "programm/einstellungenspeicher.h"
#include "programm/schnellhilfe.h"
#include "programm/tdatensicherung.h"
#include "programm/teinstellungen.h"
#include "programm/thilfe.h"
#include "programm/thilfsliste.h"
#include "programm/tnotizen.h"
#include "programm/trechner.h"
#include "stall/stallsteuerung.h"
#include "stall/tstallzugang.h"
#include "stamm/planfiles.h"
#include "stamm/terminnamen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <optional>

TPVMain::TPVMain(AppContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("PVMain"));
    setWindowTitle(QStringLiteral("Porvanta"));
    setProperty("helpContext", 100);
    // The program's icon for this window, its children and its dialogs.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/porvanta.svg")));
    setWindowIcon(QApplication::windowIcon());
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    KindbereichEinrichten(mdi_);
    setCentralWidget(mdi_);
    sicherungsHinweis_ = new QLabel;
    sicherungsHinweis_->setObjectName(QStringLiteral("SicherungsHinweis"));
    statusBar()->addPermanentWidget(sicherungsHinweis_);
    menueAufbauen();
    resize(1024, 720);
    starten();
}

TPVMain::~TPVMain() {
    qApp->removeEventFilter(this);
}

void TPVMain::starten() {
    EinstellungenLesen(ctx_.einstellungsDatei, ctx_.alteEinstellungsDatei, ctx_.einstellungen,
                       ctx_.Datenpfad, ctx_.standardDatenpfad);
    if (!ctx_.datenpfadVorgabe.isEmpty()) ctx_.Datenpfad = ctx_.datenpfadVorgabe;
    schnellhilfe::setzen(ctx_.einstellungen.schnellhilfe);
    ctx_.tagesKopie = true;
    if (ctx_.einstellungen.vollbild) setWindowState(windowState() | Qt::WindowMaximized);
    {
        Wartecursor warten;
        StammdatenLaden(ctx_);
        HerdeLadenBeimStart();
    }
    MenueFreigeben();
    SicherungsHinweisZeigen();
    // The windows that live as long as the program. The selection builds its list when it is
    // first wanted: every command that opens it prepares it.
    SauAuswahl = new TSauAuswahl(ctx_, this);
    Arbeitsplan = new TArbeitsplan(ctx_);
    QMdiSubWindow* planRahmen = mdi_->addSubWindow(Arbeitsplan);
    planRahmen->setAttribute(Qt::WA_DeleteOnClose, false); // closing only hides it
    planRahmen->hide();
    Notizen = new TNotizen(ctx_, this);
    Rechner = new TRechner(this);
    Hilfe = new THilfe(this);
    // The barn page listens only when the farmer turned it on.
    Stall = new StallSteuerung(ctx_, this);
    Stall->einstellen();
    // Once the main window shows, so that the overview gets its size in the visible area.
    if (ctx_.einstellungen.uebersichtBeimStart)
        QTimer::singleShot(0, this, [this] {
            if (!Uebersicht) UebersichtZeigen();
        });
    // F1, F7 and F8 from whatever window has the focus.
    qApp->installEventFilter(this);
}

// With the overview at start it is built while the herd is read.
void TPVMain::HerdeLadenBeimStart() {
    if (!ctx_.einstellungen.uebersichtBeimStart) {
        HerdeLaden(ctx_);
        return;
    }
    geladenerStand_ = std::make_unique<Uebersichtsstand>(HerdeMitUebersichtLaden(ctx_));
    connect(&ctx_.meldung, &HerdMeldung::geaendert, this, [this] { geladenerStand_.reset(); });
}

QAction* TPVMain::item(QMenu* menu, const char* name, const QString& caption, int helpContext,
                       const QKeySequence& key) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (helpContext) a->setProperty("helpContext", helpContext);
    if (!key.isEmpty()) a->setShortcut(key);
    items_.insert(a->objectName(), a);
    return a;
}

void TPVMain::menueAufbauen() {
    QMenuBar* bar = menuBar();
    datenMenue(bar);
    auswertungsMenue(bar);
    planMenue(bar);
    // A top-level item without a submenu.
    QAction* futter = bar->addAction(QStringLiteral("&Futter"));
    futter->setObjectName(QStringLiteral("Futter1"));
    items_.insert(futter->objectName(), futter);
    connect(futter, &QAction::triggered, this, [this] { FuttermixOeffnen(ctx_, mdi_); });
    optionenMenue(bar);
}

void TPVMain::datenMenue(QMenuBar* bar) {
    QMenu* daten = bar->addMenu(QStringLiteral("&Daten"));
    daten->setObjectName(QStringLiteral("Daten1"));
    connect(item(daten, "NeueSau1", QStringLiteral("&Neue Sau"), 200), &QAction::triggered, this,
            &TPVMain::NeueSau1Click);
    connect(item(daten, "Eingabe1", QStringLiteral("&Eingabe"), 250, QKeySequence(Qt::Key_F2)),
            &QAction::triggered, this, &TPVMain::Eingabe1Click);
    connect(item(daten, "Hilfslisten1", QStringLiteral("&Hilfslisten"), 150), &QAction::triggered,
            this, &TPVMain::Hilfslisten1Click);
    connect(item(daten, "Sammel1", QStringLiteral("&Sammel"), 270), &QAction::triggered, this,
            &TPVMain::Sammel1Click);
    QAction* baum =
        item(daten, "baum1", QStringLiteral("baum"), 0, QKeySequence(Qt::CTRL | Qt::Key_A));
    // Hidden, yet its key works: the action stays on the window.
    baum->setVisible(false);
    connect(baum, &QAction::triggered, this, &TPVMain::baum1Click);
    addAction(baum);
    daten->addSeparator();
    connect(item(daten, "Drucken1", QStringLiteral("&Drucken"), 700), &QAction::triggered, this,
            &TPVMain::Drucken1Click);
    connect(item(daten, "Druckereinrichten1", QStringLiteral("D&rucker einrichten"), 700),
            &QAction::triggered, this, &TPVMain::Druckereinrichten1Click);
    connect(item(daten, "Sammelausdruck1", QStringLiteral("Sammelausdruck")), &QAction::triggered,
            this, &TPVMain::Sammelausdruck1Click);
    daten->addSeparator();
    connect(item(daten, "Beenden1", QStringLiteral("&Beenden")), &QAction::triggered, this,
            &QWidget::close);
}

void TPVMain::auswertungsMenue(QMenuBar* bar) {
    QMenu* ausw = bar->addMenu(QStringLiteral("&Auswertung"));
    ausw->setObjectName(QStringLiteral("Auswertung1"));
    const auto auswertung = [this](TAuswertungsModus m) {
        return [this, m] { AuswertungOeffnen(ctx_, m, SauAuswahl, mdi_, this); };
    };
    connect(item(ausw, "AuswertWurf", QStringLiteral("&Wurf")), &QAction::triggered, this,
            auswertung(amSauWurf));
    connect(item(ausw, "AuswertSau", QStringLiteral("&Sau")), &QAction::triggered, this,
            auswertung(amSau));
    connect(item(ausw, "AuswertEber", QStringLiteral("&Eber")), &QAction::triggered, this,
            auswertung(amEber));
    connect(item(ausw, "Auswahl1", QStringLiteral("&Auswahl")), &QAction::triggered, this,
            auswertung(amAuswahl));
    QMenu* vergleich = ausw->addMenu(QStringLiteral("&Vergleich"));
    vergleich->setObjectName(QStringLiteral("Vergleich1"));
    items_.insert(vergleich->objectName(), vergleich->menuAction());
    const auto vergleichen = [this](Vergleichsart art) {
        return [this, art] { VergleichOeffnen(ctx_, art, mdi_, this); };
    };
    connect(item(vergleich, "Eber1", QStringLiteral("Eber")), &QAction::triggered, this,
            vergleichen(vaEber));
    connect(item(vergleich, "Herkunft1", QStringLiteral("Herkunft")), &QAction::triggered, this,
            vergleichen(vaHerkunft));
    connect(item(vergleich, "Rasse1", QStringLiteral("Rasse")), &QAction::triggered, this,
            vergleichen(vaRasse));
    connect(item(ausw, "Hitliste1", QStringLiteral("&Hitliste")), &QAction::triggered, this,
            [this] { HitlisteOeffnen(ctx_, mdi_, this); });
    connect(item(ausw, "Belegwochen1", QStringLiteral("&Belegwochen"), 370), &QAction::triggered,
            this, [this] { BelegwochenOeffnen(ctx_, mdi_, this); });
    connect(item(ausw, "TierbewSauen1", QStringLiteral("Tierbew. Sauen")), &QAction::triggered,
            this, [this] { SaubewegungOeffnen(ctx_, mdi_); });
    connect(item(ausw, "FerkelAbgang1", QStringLiteral("Ferkel Abgang")), &QAction::triggered, this,
            [this] { AbsetzenOeffnen(ctx_, mdi_); });
    pruefMenue(ausw);
}

void TPVMain::pruefMenue(QMenu* ausw) {
    ausw->addSeparator();
    connect(item(ausw, "Uebersicht1", QStringLiteral("Ü&bersicht"), 710, QKeySequence(Qt::Key_F4)),
            &QAction::triggered, this, &TPVMain::UebersichtZeigen);
    connect(item(ausw, "OffenePunkte1", QStringLiteral("&Offene Punkte"), 720), &QAction::triggered,
            this, [this] { OffenePunkteOeffnen(ctx_, mdi_); });
}

TUebersicht* TPVMain::uebersicht() const {
    return Uebersicht;
}

TUebersicht* TPVMain::UebersichtZeigen() {
    if (Uebersicht) {
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(Uebersicht->parentWidget())) {
            rahmen->showNormal();
            mdi_->setActiveSubWindow(rahmen);
        }
        Uebersicht->erneuern();
        return Uebersicht;
    }
    std::optional<Uebersichtsstand> geladen;
    if (geladenerStand_) geladen = std::move(*geladenerStand_);
    geladenerStand_.reset();
    Uebersicht = new TUebersicht(ctx_, std::move(geladen));
    connect(Uebersicht, &TUebersicht::offenePunkteGewuenscht, this,
            [this] { OffenePunkteOeffnen(ctx_, mdi_); });
    connect(Uebersicht, &TUebersicht::sicherungGewuenscht, this, &TPVMain::Datensicherung1Click);
    KindfensterZeigen(mdi_, Uebersicht, Uebersicht->size());
    return Uebersicht;
}

void TPVMain::planMenue(QMenuBar* bar) {
    QMenu* plan = bar->addMenu(QStringLiteral("Arbeits&plan"));
    plan->setObjectName(QStringLiteral("Arbeitsplan1"));
    connect(item(plan, "Plan1", QStringLiteral("&Plan")), &QAction::triggered, this,
            [this] { Arbeitsplan->Plan1Click(); });
    connect(item(plan, "PlanZeiten", QStringLiteral("&Zeiten")), &QAction::triggered, this,
            [this] { PlanZeitenBearbeiten(ctx_, this); });
    connect(item(plan, "PlanTypen", QStringLiteral("&Typen")), &QAction::triggered, this,
            [this] { PlanTypenBearbeiten(ctx_, this); });
}

void TPVMain::optionenMenue(QMenuBar* bar) {
    QMenu* opt = bar->addMenu(QStringLiteral("&Optionen"));
    opt->setObjectName(QStringLiteral("Optionen1"));
    connect(item(opt, "Rechner1", QStringLiteral("&Rechner"), 0, QKeySequence(Qt::Key_F7)),
            &QAction::triggered, this, &TPVMain::Rechner1Click);
    connect(item(opt, "Notiz1", QStringLiteral("&Notiz"), 0, QKeySequence(Qt::Key_F8)),
            &QAction::triggered, this, &TPVMain::Notiz1Click);
    opt->addSeparator();
    connect(item(opt, "Einstellungen1", QStringLiteral("&Einstellungen")), &QAction::triggered,
            this, &TPVMain::Einstellungen1Click);
    connect(item(opt, "Datensicherung1", QStringLiteral("&Datensicherung")), &QAction::triggered,
            this, &TPVMain::Datensicherung1Click);
    connect(item(opt, "Stallzugang1", QStringLiteral("&Stallzugang"), 730), &QAction::triggered,
            this, [this] {
                TStallzugang dlg(ctx_, *Stall, this);
                dlg.exec();
            });
    QMenu* export_ = opt->addMenu(QStringLiteral("E&xport"));
    export_->setObjectName(QStringLiteral("Export1"));
    connect(item(export_, "Wurfdaten1", QStringLiteral("&Wurfdaten"), 405), &QAction::triggered,
            this, [this] { WurfdatenExportieren(ctx_, this); });
    connect(item(opt, "Import1", QStringLiteral("&Import"), 405), &QAction::triggered, this,
            [this] { ImportStarten(ctx_, this); });
    opt->addSeparator();
    connect(item(opt, "Hilfe1", QStringLiteral("&Hilfe")), &QAction::triggered, this,
            &TPVMain::Hilfe1Click);
    connect(item(opt, "Info1", QStringLiteral("&Info")), &QAction::triggered, this,
            &TPVMain::Info1Click);
}

void TPVMain::MenueFreigeben() {
    const bool herde = !ctx_.Sauenliste.empty();
    for (const char* n :
         {"Eingabe1", "Sammel1", "AuswertWurf", "AuswertSau", "AuswertEber", "Plan1"})
        items_.value(QString::fromLatin1(n))->setEnabled(herde);
}

bool TPVMain::FormCloseQuery() {
    if (!ctx_.Geaendert) return true;
    switch (ctx_.messages().question(QStringLiteral("Geänderte Tierdaten speichern?"),
                                     MessageService::Buttons::YesNoCancel)) {
    case MessageService::Answer::Yes:
        // A failed save keeps the program open so that nothing is lost.
        return HerdeSpeichern(ctx_);
    case MessageService::Answer::No:
        return true;
    default:
        return false;
    }
}

void TPVMain::SicherungsHinweisZeigen() {
    const datensicherung::Hinweis h =
        datensicherung::SicherungsHinweis(ctx_.einstellungen.lastBackup, ctx_.heute());
    sicherungsHinweis_->setText(h.text);
    sicherungsHinweis_->setProperty("warnen", h.warnen);
    // Warning colour: the farmer sees at a glance that a backup is due.
    sicherungsHinweis_->setStyleSheet(
        h.warnen ? QStringLiteral("color: #b71c1c; font-weight: bold;") : QString());
}

void TPVMain::auswahlVorbereiten() {
    SauAuswahl->Vorbereiten(ctx_.einstellungen.anzeige, awEineSau, ctx_.einstellungen.sortierung);
}

void TPVMain::anzeigeHolen() {
    if (SauAuswahl)
        SauAuswahl->AnzeigeHolen(ctx_.einstellungen.anzeige, ctx_.einstellungen.sortierung);
}

void TPVMain::closeEvent(QCloseEvent* e) {
    const bool schliessen = FormCloseQuery();
    anzeigeHolen();
    if (!schliessen) {
        e->ignore();
        return;
    }
    e->accept();
    // Notes typed but not yet closed are kept too.
    if (Notizen) Notizen->speichernWennGeaendert();
    // The settings outlive the run.
    einstellungenSpeichern();
}

void TPVMain::einstellungenSpeichern() {
    if (!EinstellungenSchreiben(ctx_.einstellungsDatei, ctx_.einstellungen))
        ctx_.messages().error(
            QStringLiteral("Die Einstellungen konnten nicht gespeichert werden!"));
}

void TPVMain::Einstellungen1Click() {
    TEinstellungen dlg(ctx_, this);
    dlg.WerteLaden();
    const bool hilfe = schnellhilfe::an();
    if (dlg.exec() != QDialog::Accepted) {
        schnellhilfe::setzen(hilfe); // the check box acted at once; Cancel takes it back
        return;
    }
    dlg.WerteUebernehmen();
    schnellhilfe::setzen(ctx_.einstellungen.schnellhilfe);
    einstellungenSpeichern();
    const QString neu = PfadMitTrenner(dlg.gewaehlterPfad());
    if (!neu.isEmpty() && neu != PfadMitTrenner(ctx_.Datenpfad)) datenpfadWechseln(neu);
    if (Stall) Stall->einstellen();
}

bool TPVMain::datenpfadWechseln(const QString& neu) {
    if (ctx_.Geaendert) {
        switch (ctx_.messages().question(QStringLiteral("Geänderte Tierdaten speichern?"),
                                         MessageService::Buttons::YesNoCancel)) {
        case MessageService::Answer::Yes:
            if (!HerdeSpeichern(ctx_)) return false;
            break;
        case MessageService::Answer::No:
            break;
        default:
            return false;
        }
    }
    ctx_.Datenpfad = neu;
    if (!einstellungen::pfadSchreiben(ctx_.einstellungsDatei, neu))
        ctx_.messages().error(
            QStringLiteral("Die Einstellungen konnten nicht gespeichert werden!"));
    {
        Wartecursor warten;
        DatenLaden(ctx_);
    }
    MenueFreigeben();
    auswahlVorbereiten();
    if (Notizen) {
        Notizen->speichernWennGeaendert();
        Notizen->laden();
    }
    return true;
}

void TPVMain::NeueSau1Click() {
    const Terminnamen namen(ctx_.Planzeiten);
    std::optional<TSauRec> vorlage;
    for (;;) {
        TSauWurfEingabe karte(ctx_, this);
        karte.SauOeffnen(-1);
        karte.TermineBeschriften(namen);
        if (vorlage) karte.SauVorbelegen(*vorlage);
        const int ergebnis = karte.exec();
        TSauRec neu;
        karte.SauAuslesen(neu);
        if (ergebnis != QDialog::Accepted ||
            ctx_.messages().question(QStringLiteral("Weitere neue Sau erfassen?"),
                                     MessageService::Buttons::YesNo) != MessageService::Answer::Yes)
            break;
        vorlage = NeueSauVorlage(neu);
    }
    auswahlVorbereiten();
    MenueFreigeben();
}

void TPVMain::Eingabe1Click() {
    const Terminnamen namen(ctx_.Planzeiten);
    bool weiter = true;
    while (weiter) {
        auswahlVorbereiten();
        weiter = SauAuswahl->exec() == QDialog::Accepted;
        if (weiter) {
            const int index = SauAuswahl->GewaehlteSau();
            if (index < 0) {
                anzeigeHolen();
                break;
            }
            TSauWurfEingabe karte(ctx_, this);
            karte.TermineBeschriften(namen);
            karte.SauOeffnen(index);
            karte.exec();
        }
        anzeigeHolen();
        weiter = weiter && !ctx_.Sauenliste.empty();
    }
    MenueFreigeben();
}

void TPVMain::Hilfslisten1Click() {
    THilfsliste dlg(ctx_, this);
    dlg.exec();
}

void TPVMain::zuVorderst() {
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TPVMain::Drucken1Click() {
    QWidget* aktiv = nullptr;
    // A hidden child (the work plan before its first use) is not the active window.
    if (QMdiSubWindow* sub = mdi_->activeSubWindow(); sub && sub->isVisible())
        aktiv = sub->widget();
    QWidget* fenster = QApplication::activeWindow();
    if (fenster && fenster != this) aktiv = fenster;
    if (auto* d = dynamic_cast<Druckfenster*>(aktiv)) {
        // Answered after the menu has closed, as a posted message would be.
        QMetaObject::invokeMethod(
            this, [d] { d->druckanfrage(); }, Qt::QueuedConnection);
    }
}

void TPVMain::Druckereinrichten1Click() {
    druckausgabe::druckerEinrichten(this);
}

void TPVMain::Info1Click() {
    TAboutBox box(this);
    box.exec();
}

void TPVMain::Hilfe1Click() {
    if (Hilfe) Hilfe->zeigen(100);
}

void TPVMain::Rechner1Click() {
    if (Rechner) Rechner->zeigen();
}

void TPVMain::Notiz1Click() {
    if (!Notizen) return;
    Notizen->show();
    Notizen->raise();
    Notizen->activateWindow();
    Notizen->memo()->setFocus();
}

void TPVMain::Datensicherung1Click() {
    if (ctx_.Geaendert && !FormCloseQuery()) return;
    anzeigeHolen();
    einstellungenSpeichern();
    // The notes belong to the backup as they stand now.
    if (Notizen) Notizen->speichernWennGeaendert();
    const QStringList masken{QStringLiteral("PV.INI"), QStringLiteral("*.DAT"),
                             QStringLiteral("NOTIZ.TXT")};
    TDatensicherung dlg(ctx_, this);
    dlg.SicherungOeffnen(ctx_.einstellungen.ziellaufwerk, masken);
    if (dlg.exec() == QDialog::Accepted) {
        dlg.ZielHolen(ctx_.einstellungen.ziellaufwerk);
        einstellungenSpeichern();
    }
    SicherungsHinweisZeigen();
    if (dlg.zurueckgesichert()) {
        schnellhilfe::setzen(ctx_.einstellungen.schnellhilfe);
        MenueFreigeben();
        auswahlVorbereiten();
        if (Notizen) Notizen->laden();
    }
}

bool TPVMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_F1 && k->modifiers() == Qt::NoModifier && Hilfe) {
            // An open menu answers for its highlighted item; it closes for the help.
            QWidget* fokus = QApplication::activePopupWidget();
            if (!fokus) fokus = QApplication::focusWidget();
            const int kontext = THilfe::kontextVon(fokus ? fokus : static_cast<QWidget*>(watched));
            for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
                QApplication::activePopupWidget()->close();
            Hilfe->zeigen(kontext);
            return true;
        }
        if (k->key() == Qt::Key_F7 && k->modifiers() == Qt::NoModifier) {
            Rechner1Click();
            return true;
        }
        if (k->key() == Qt::Key_F8 && k->modifiers() == Qt::NoModifier) {
            Notiz1Click();
            return true;
        }
    }
    if (event->type() == QEvent::Show && watched->isWidgetType() && Hilfe) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow()) Hilfe->knoepfeVerbinden(w);
    }
    return QMainWindow::eventFilter(watched, event);
}
