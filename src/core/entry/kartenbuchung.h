#pragma once

#include "herd/records.h"
#include "herd/sauherde.h"

#include <QString>
#include <QStringList>
#include <vector>

class AppContext;

// What the sow and litter card does to the herd, free of widgets: the litter copies it opens
// with, the checks of the sow page and committing the card. Batch booking uses the same.
namespace kartenbuchung {

// The sow's litters as the card shows them: while she is in the herd under a name and her
// last litter is weaned (or she has none), a blank litter for the next cycle is added.
std::vector<TWurfRec> KartenWuerfe(const TSauRec& sau, const std::vector<TWurfRec>& wuerfe);

// Writes the card's litter copies into a sow's list: in place where the list has the
// position, appended beyond its end.
void WuerfeEintragen(std::vector<TWurfRec>& liste, const std::vector<TWurfRec>& kopien);

// The trimmed name may be stored: not empty, and no other sow than the one at `eigenerIndex`
// has it (compared exactly). `meldung` gets the duplicate message when another sow has it.
bool SauNrZulaessig(const Herde& herde, const QString& name, int eigenerIndex,
                    QString* meldung = nullptr);

// The checks of a departure date against stalling in and the last litter's latest entry:
// the message of the first that fails, empty when the date may stay.
QString AbgangPruefen(TKurzDatum zugang, TKurzDatum abgang, const std::vector<TWurfRec>& wuerfe);

// A boar name left in a boar box: a name that is neither offered by the box nor in the boar
// list goes to the front of the list (boxes made later offer it first). True when added.
bool EberAufnehmen(QStringList& eberliste, const QString& name, const QStringList& angebot);

// Commits a card closed with OK. A new sow (`index` < 0) gets her first litter numbered
// `ersterWurf` (1 when below 1) appended to `neueListe` and is added at the end of the herd.
// A departed sow loses a trailing litter without a first mating. Then the change is kept
// (saved at once with EINZELSPEICHERUNG). Returns the sow's index.
int KarteUebernehmen(AppContext& ctx, int index, const TSauRec& rec,
                     std::vector<TWurfRec> neueListe, int ersterWurf);

} // namespace kartenbuchung
