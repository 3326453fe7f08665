#include "arbeitsplancsv.h"

#include "plan/arbeitsplan.h"

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

QString CsvZeile(const QStringList& felder) {
    QStringList out;
    out.reserve(felder.size());
    for (const QString& f : felder) {
        if (f.contains(u';') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString q = f;
            q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            out << u'"' + q + u'"';
        } else {
            out << f;
        }
    }
    return out.join(u';');
}

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

QByteArray ArbeitsplanCsv(const Arbeitsplan& plan) {
    QByteArray out("\xEF\xBB\xBF");
    for (const QStringList& f : ArbeitsplanCsvFelder(plan)) {
        out += CsvZeile(f).toUtf8();
        out += "\r\n";
    }
    return out;
}
