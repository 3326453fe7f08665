// The main window's commands for many sows at once: batch entry, batch card printing and the
// litter numbering view.
#include "programm/tpvmain.h"

#include "entry/sammelbuchung.h"
#include "entry/sammeldruck.h"
#include "entry/tsammelbuchung.h"
#include "entry/tsauauswahl.h"
#include "platform/messages.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"
#include "programm/tauswahl.h"
#include "programm/tformbaum.h"
#include "stamm/terminnamen.h"

void TPVMain::Sammel1Click() {
    if (ctx_.Geaendert) {
        switch (ctx_.messages().question(QStringLiteral("bisherige Tierdatenänderungen speichern?"),
                                         MessageService::Buttons::YesNoCancel)) {
        case MessageService::Answer::Yes: {
            Wartecursor warten;
            if (!HerdeSpeichern(ctx_)) return; // told; nothing is lost
            break;
        }
        case MessageService::Answer::No: {
            Wartecursor warten;
            HerdeLaden(ctx_);
            break;
        }
        default:
            return;
        }
    }
    const QStringList punkte = sammelbuchung::Eingabepunkte(Terminnamen(ctx_.Planzeiten));
    TAuswahl wahl(QStringLiteral("Eingabepunkt"), 270, this);
    wahl.EintraegeSetzen(punkte);
    if (wahl.exec() != QDialog::Accepted || wahl.GewaehlterEintrag() < 0) {
        auswahlVorbereiten();
        return;
    }
    const int punkt = wahl.GewaehlterEintrag();
    SauAuswahl->Vorbereiten(sammelbuchung::Filter(punkt), awSauen, ctx_.einstellungen.sortierung);
    if (SauAuswahl->exec() == QDialog::Accepted) {
        const std::vector<int> sauen = SauAuswahl->GewaehlteSauen();
        if (sauen.empty()) {
            ctx_.messages().error(QStringLiteral("Es wurden keine Sauen zur Eingabe ausgewählt!"));
        } else {
            TSammelbuchung buchung(ctx_, this);
            buchung.EingabepunktSetzen(punkte[punkt], punkt);
            buchung.SauenSetzen(sauen);
            buchung.exec();
        }
    }
    auswahlVorbereiten();
    MenueFreigeben();
}

void TPVMain::Sammelausdruck1Click() {
    SauAuswahl->Vorbereiten({true, true, true, true, false, true, true}, awSauen,
                            ctx_.einstellungen.sortierung);
    const bool ok = SauAuswahl->exec() == QDialog::Accepted;
    const std::vector<int> sauen = ok ? SauAuswahl->GewaehlteSauen() : std::vector<int>{};
    auswahlVorbereiten();
    if (!ok) return;
    if (sauen.empty()) {
        ctx_.messages().error(QStringLiteral("Es wurden keine Sauen zum Ausdruck ausgewählt!"));
        return;
    }
    // Printer, preview or PDF, as the card offers them; the batch is one job.
    TAuswahl ziel(QStringLiteral("Sammelausdruck"), 0, this);
    ziel.EintraegeSetzen(
        {QStringLiteral("Drucken"), QStringLiteral("Vorschau"), QStringLiteral("PDF...")});
    if (ziel.exec() != QDialog::Accepted) return;
    Sammeldruck druck(ctx_, sauen);
    switch (ziel.GewaehlterEintrag()) {
    case 0:
        druckausgabe::drucken(druck, this);
        break;
    case 1:
        druckausgabe::vorschau(druck, this);
        break;
    case 2:
        druckausgabe::pdfSpeichern(druck, this);
        break;
    default:
        break;
    }
}

void TPVMain::baum1Click() {
    TFormBaum baum(ctx_, this);
    baum.exec();
}
