#include "evaluation/auswertunglayout.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "platform/csvwriter.h"

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

// A label without the padding of the screen columns: "Umrauscher         1 mal" becomes
// "Umrauscher 1 mal", "Saldo Wurfausgleiche :" becomes "Saldo Wurfausgleiche".
QString bezeichnung(const QString& text) {
    QString t = text.simplified();
    if (t.endsWith(u':')) t.chop(1);
    return t.trimmed();
}

// Each figure takes three columns of its group: the number, the second number of a pair
// ("lebend/tot") and the unit.
constexpr int kGruppen = 3;
constexpr int kJeGruppe = 3;

int gruppe(Kante k) {
    switch (k) {
    case Kante::Mittel:
    case Kante::SaldoMittel:
    case Kante::Anteil:
        return 0;
    case Kante::JeWurf:
        return 2;
    case Kante::Gesamt:
    case Kante::WuerfeJahr:
    case Kante::SaldoGesamt:
    case Kante::Anzahl:
        break;
    }
    return 1;
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
    QStringList kopf{QStringLiteral("Kennzahl")};
    for (const char* g : {"mittel", "gesamt", "je Wurf"})
        kopf << QString::fromUtf8(g) << QStringLiteral("2. Wert") << QStringLiteral("Einheit");
    csvZeile(t, kopf);
    for (const KennzahlZeile& r : KennzahlZeilen(st, e, false)) {
        QStringList f(1 + kGruppen * kJeGruppe);
        f[0] = bezeichnung(r.text);
        for (const KennzahlZelle& z : r.zellen) {
            const int s = 1 + kJeGruppe * gruppe(z.kante);
            f[s] = z.zahl.trimmed();
            if (z.paar())
                f[s + 1] = z.zweite.trimmed();
            else
                f[s + 2] = z.einheit.trimmed();
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
            const int k = LetzteBelegung(w);
            const bool f = w.abgeferkelt(), a = w.Absetzen().vorhanden();
            const auto zahl = [&](int v) { return f ? QString::number(v) : QString(); };
            csvZeile(t, {QString::number(w.WurfNr), datum(w.Belegen(k)), w.Eber(k).text(),
                         datum(w.Abferkeln()), zahl(w.Geborene), zahl(w.Todgeborene),
                         e.weibliche ? zahl(w.Weibliche) : QString(), zahl(w.Ausgleich),
                         zahl(w.Verluste), zahl(w.Anomalien), datum(w.Absetzen()),
                         a ? QString::number(Abgesetzte(w)) : QString()});
        }
    }
    return t.bytes();
}
