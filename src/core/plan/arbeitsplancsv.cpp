#include "plan/arbeitsplancsv.h"

#include "plan/arbeitsplan.h"
#include "platform/csvwriter.h"

namespace {

QString csvDatum(TKurzDatum d) {
    const QDate q = d.alsQDate();
    return q.isValid() ? q.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString csvKopf(const Arbeitsplan& plan, int spalte) {
    if (spalte < Arbeitsplan::spTag0) return plan.kopf(spalte);
    const TKurzDatum tag = TageAddierenDatum(spalte - Arbeitsplan::spTag0, plan.ersterTag);
    return csvDatum(tag) + u' ' + WochentagKurz(tag);
}

} // namespace

QList<QStringList> ArbeitsplanCsvFelder(const Arbeitsplan& plan) {
    const std::vector<int> spalten = plan.spalten();
    QList<QStringList> out;
    QStringList kopf;
    for (int s : spalten)
        kopf << csvKopf(plan, s);
    kopf << QStringLiteral("Notiz");
    out << kopf;
    for (const TArbeitsplanZeile& z : plan.zeilen) {
        QStringList f;
        for (int s : spalten)
            f << (s == Arbeitsplan::spFerkeln ? csvDatum(z.Ferkeln) : plan.zelle(z, s));
        f << z.Notiz;
        out << f;
    }
    return out;
}

CsvWriter ArbeitsplanCsv(const Arbeitsplan& plan) {
    CsvWriter csv;
    for (const QStringList& zeile : ArbeitsplanCsvFelder(plan)) {
        for (const QString& f : zeile)
            csv.text(f);
        csv.zeileEnde();
    }
    return csv;
}
