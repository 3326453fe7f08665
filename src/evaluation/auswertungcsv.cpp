#include "auswertunglayout.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "platform/csvwriter.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// One CSV line of the given fields.
void csvZeile(CsvWriter& csv, const QStringList& felder) {
    for (const QString& f : felder)
        csv.text(f);
    csv.zeileEnde();
}

QString datum(TKurzDatum d) {
    const QDate q = d.alsQDate();
    return q.isValid() ? q.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// The cell without the padding of the screen columns: "27,7/   2,5" becomes "27,7/2,5".
QString zelle(const KennzahlZelle& z) {
    QString t = z.zahl.trimmed() + z.rest;
    static const QRegularExpression nachStrich(QStringLiteral("/\\s+"));
    return t.replace(nachStrich, QStringLiteral("/")).trimmed();
}

} // namespace

QByteArray AuswertungCsv(const TAuswertungsStand& st, const Auswertungskopie& kopie,
                         const Einstellungen& e) {
    CsvWriter t;
    // The head of the printout: period and filter, the counts, or why a litter is left out.
    const bool herde = st.Modus == amEber || st.Modus == amAuswahl;
    if (herde) csvZeile(t, {Filterbeschreibung(st.filter)});
    if (herde) t.text(QStringLiteral("Sauen")).ganz(st.Summe.Sauen);
    if (st.Modus != amSauWurf) t.text(QStringLiteral("Würfe")).ganz(st.Summe.Wuerfe).zeileEnde();
    if (st.Modus == amSauWurf && st.Wurf < 0) {
        csvZeile(t, {QString::fromUtf8(kNichtAusgewertet)});
        return t.bytes();
    }
    csvZeile(t, {QStringLiteral("Kennzahl"), QStringLiteral("mittel"), QStringLiteral("gesamt"),
                 QStringLiteral("je Wurf")});
    for (const KennzahlZeile& r : KennzahlZeilen(st, e, false)) {
        QStringList f{r.text.trimmed(), {}, {}, {}};
        for (const KennzahlZelle& z : r.zellen) {
            const int spalte = z.kante == Kante::Mittel || z.kante == Kante::SaldoMittel ||
                                       z.kante == Kante::Anteil
                                   ? 1
                               : z.kante == Kante::JeWurf ? 3
                                                          : 2;
            f[spalte] = zelle(z);
        }
        csvZeile(t, f);
    }
    if (st.Modus == amSau && st.Sau >= 0) {
        t.zeileEnde();
        csvZeile(t, {QStringLiteral("Wurf"), QStringLiteral("Belegen"), QStringLiteral("Eber"),
                     QStringLiteral("Ferkeln"), QStringLiteral("geb"), QStringLiteral("tot"),
                     QStringLiteral("w"), QStringLiteral("Ausgl."), QStringLiteral("Ausf."),
                     QStringLiteral("Anom."), QStringLiteral("Absetzen"), QStringLiteral("abg.")});
        for (const KopieWurf& w : kopie.wuerfe(st.Sau)) {
            const int k = w.Belegen[2].vorhanden() ? 2 : w.Belegen[1].vorhanden() ? 1 : 0;
            const bool f = w.gefarrowed(), a = w.Absetzen.vorhanden();
            const auto n = [&](int v) { return f ? QString::number(v) : QString(); };
            csvZeile(t, {QString::number(w.WurfNr), datum(w.Belegen[std::size_t(k)]),
                         w.Eber[std::size_t(k)].text(), datum(w.Abferkeln), n(w.Geborene),
                         n(w.Todgeborene), e.weibliche ? n(w.Weibliche) : QString(), n(w.Ausgleich),
                         n(w.Verluste), n(w.Anomalien), datum(w.Absetzen),
                         a ? QString::number(AbgesetzteFerkel(w.Geborene, w.Todgeborene, w.Verluste,
                                                              w.Ausgleich))
                           : QString()});
        }
    }
    return t.bytes();
}
