#include "auswertunglayout.h"

#include "herd/kurzdatum.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// One CSV line: semicolons, fields with a separator, quote or line break quoted.
QString csvZeile(const QStringList& felder) {
    QStringList aus;
    for (QString f : felder) {
        if (f.contains(u';') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r'))
            f = u'"' + f.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        aus << f;
    }
    return aus.join(u';') + QStringLiteral("\r\n");
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
    QString t = csvZeile({QStringLiteral("Kennzahl"), QStringLiteral("mittel"),
                          QStringLiteral("gesamt"), QStringLiteral("je Wurf")});
    if (!(st.Modus == amSauWurf && st.Wurf < 0)) {
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
            t += csvZeile(f);
        }
    }
    if (st.Modus == amSau && st.Sau >= 0) {
        t += QStringLiteral("\r\n");
        t +=
            csvZeile({QStringLiteral("Wurf"), QStringLiteral("Belegen"), QStringLiteral("Eber"),
                      QStringLiteral("Ferkeln"), QStringLiteral("geb"), QStringLiteral("tot"),
                      QStringLiteral("w"), QStringLiteral("Ausgl."), QStringLiteral("Ausf."),
                      QStringLiteral("Anom."), QStringLiteral("Absetzen"), QStringLiteral("abg.")});
        for (const KopieWurf& w : kopie.wuerfe(st.Sau)) {
            const int k = w.Belegen[2].vorhanden() ? 2 : w.Belegen[1].vorhanden() ? 1 : 0;
            const bool f = w.gefarrowed(), a = w.Absetzen.vorhanden();
            const auto n = [&](int v) { return f ? QString::number(v) : QString(); };
            t +=
                csvZeile({QString::number(w.WurfNr), datum(w.Belegen[std::size_t(k)]),
                          w.Eber[std::size_t(k)].text(), datum(w.Abferkeln), n(w.Geborene),
                          n(w.Todgeborene), e.weibliche ? n(w.Weibliche) : QString(),
                          n(w.Ausgleich), n(w.Verluste), n(w.Anomalien), datum(w.Absetzen),
                          a ? QString::number(w.Geborene - w.Todgeborene - w.Verluste + w.Ausgleich)
                            : QString()});
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + t.toUtf8();
}
