#include "stall/stallauskunft.h"

#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "plan/arbeitsplan.h"
#include "programm/appcontext.h"

namespace stallauskunft {

namespace {

QString text(TKurzDatum d) {
    return KurzDatumText(d);
}

// The day texts of the plan end in ", ".
QString aufgabe(QString t) {
    t = t.trimmed();
    while (t.endsWith(u','))
        t.chop(1);
    return t;
}

QJsonObject wurfJson(const AppContext& ctx, const TWurfRec& w) {
    QJsonObject o{{QStringLiteral("nr"), int(w.WurfNr())},
                  {QStringLiteral("belegen"), text(w.Belegen(LetzteBelegung(w)))},
                  {QStringLiteral("abferkeln"), text(w.Abferkeln())},
                  {QStringLiteral("absetzen"), text(w.Absetzen())},
                  {QStringLiteral("lebend"), int(w.Geborene()) - int(w.Todgeborene())},
                  {QStringLiteral("tot"), int(w.Todgeborene())},
                  {QStringLiteral("verluste"), Verluste(w)},
                  {QStringLiteral("abgesetzte"), std::max(0, Abgesetzte(w))}};
    if (!w.Abferkeln().vorhanden())
        o.insert(QStringLiteral("erwartet"), text(TheorAbferkeltermin(w, ctx.Tragezeit)));
    return o;
}

QJsonArray aufgaben(const AppContext& ctx, const ::Sau& sau) {
    const TKurzDatum heute = TKurzDatum::aus(ctx.heute());
    const auto z =
        SauAuswerten(sau, ctx.Planzeiten, StandardPlanTyp({sau.rec.Stall()}), heute, ctx.Tragezeit);
    QJsonArray a;
    if (!z) return a;
    for (int j = 0; j < 7; ++j) {
        const QString t = aufgabe(z->Tage[std::size_t(j)].text());
        if (!t.isEmpty())
            a.append(QJsonObject{{QStringLiteral("tag"), TagesKopf(heute, j).simplified()},
                                 {QStringLiteral("text"), t}});
    }
    return a;
}

} // namespace

int SauFinden(const AppContext& ctx, const QString& nr) {
    const QString n = LeerzeichenEntfernen(nr);
    if (n.isEmpty()) return -1;
    int abgegangen = -1;
    for (std::size_t i = 0; i < ctx.Sauenliste.size(); ++i) {
        const TSauRec& r = ctx.Sauenliste[i].rec;
        if (r.SauNr() != n) continue;
        if (!r.Abgang().vorhanden()) return int(i);
        if (abgegangen < 0) abgegangen = int(i);
    }
    return abgegangen;
}

QJsonObject Sau(const AppContext& ctx, int index) {
    const ::Sau& sau = ctx.Sauenliste[std::size_t(index)];
    const TSauStatus status = SauStatus(sau);
    QJsonObject o{{QStringLiteral("nr"), sau.rec.SauNr()},
                  {QStringLiteral("stall"), sau.rec.Stall()},
                  {QStringLiteral("status"), StatusName(status)},
                  {QStringLiteral("statusNr"), int(status)},
                  {QStringLiteral("aufgaben"), aufgaben(ctx, sau)},
                  {QStringLiteral("amPcOffen"), ctx.geoeffnet.offen(index)}};
    const int w = AktuellerWurf(sau.wuerfe);
    if (w >= 0) o.insert(QStringLiteral("wurf"), wurfJson(ctx, sau.wuerfe[std::size_t(w)]));
    return o;
}

QJsonArray Heute(const AppContext& ctx, int plantyp) {
    const TKurzDatum heute = TKurzDatum::aus(ctx.heute());
    std::vector<TArbeitsplanZeile> zeilen;
    if (plantyp >= 0 && std::size_t(plantyp) < ctx.Plantypen.size()) {
        zeilen = PlanZeilen(ctx.Sauenliste, ctx.Planzeiten, ctx.Plantypen[std::size_t(plantyp)],
                            heute, ctx.Tragezeit);
    } else {
        // Without a plan type every sow counts, whatever her stall.
        for (const ::Sau& sau : ctx.Sauenliste)
            if (auto z = SauAuswerten(sau, ctx.Planzeiten, StandardPlanTyp({sau.rec.Stall()}),
                                      heute, ctx.Tragezeit))
                zeilen.push_back(std::move(*z));
    }
    QJsonArray a;
    for (const TArbeitsplanZeile& z : zeilen) {
        const QString t = aufgabe(z.Tage[0].text());
        if (t.isEmpty()) continue;
        a.append(QJsonObject{{QStringLiteral("nr"), z.SauNr.text()},
                             {QStringLiteral("stall"), z.Stall.text()},
                             {QStringLiteral("status"), StatusName(z.Status)},
                             {QStringLiteral("statusNr"), int(z.Status)},
                             {QStringLiteral("aufgabe"), t}});
    }
    return a;
}

QJsonObject Listen(const AppContext& ctx) {
    QJsonArray typen;
    for (const TPlanTyp& t : ctx.Plantypen)
        typen.append(t.Name());
    return {{QStringLiteral("eber"), QJsonArray::fromStringList(ctx.Eberliste)},
            {QStringLiteral("ursachen"),
             QJsonArray::fromStringList(ctx.Hilfslisten[hlAusfallursachen])},
            {QStringLiteral("staelle"), QJsonArray::fromStringList(ctx.Hilfslisten[hlStaelle])},
            {QStringLiteral("plantypen"), typen}};
}

} // namespace stallauskunft
