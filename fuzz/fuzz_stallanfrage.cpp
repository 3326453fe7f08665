// A request from the barn page: the first line is the Cookie header, the second the query,
// the rest the body; the first byte chooses whether it comes as JSON. Reading the body, the
// booking's fields, the cookie and the query parameters never fault, a body over the limit
// is refused, and a booking read from it stays within the ranges the herd records hold.

#include "fuzzhilfe.h"
#include "stall/stallanfrage.h"
#include "stall/stallbuchung.h"

namespace {

void eingabePruefen(const stallbuchung::Eingabe& e) {
    FUZZ_PRUEFEN(e.art == stallbuchung::Art::Stall || e.datum.vorhanden());
    FUZZ_PRUEFEN(e.mal >= 1 && e.mal <= 9);
    FUZZ_PRUEFEN(e.lebend >= 0 && e.lebend <= 255 && e.tot >= 0 && e.tot <= 255);
    FUZZ_PRUEFEN(e.weibliche >= 0 && e.weibliche <= 255);
    FUZZ_PRUEFEN(e.anzahl >= 1 && e.anzahl <= 14);
    FUZZ_PRUEFEN(e.gewichtKg >= 0 && e.gewichtKg <= 65.535);
    FUZZ_PRUEFEN(e.eber.size() <= 10 && e.ursache.size() <= 15 && e.stall.size() <= 15);
    if (e.art == stallbuchung::Art::Stall) FUZZ_PRUEFEN(!e.stall.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QByteArray roh = eingabe(data + 1, size - 1);
    const QList<QByteArray> teile = roh.split('\n');
    StallAnfrage a;
    a.methode = "POST";
    a.inhaltsart = (data[0] & 1) ? "application/json" : "text/plain";
    a.cookie = teile.value(0);
    a.abfrage = QString::fromUtf8(teile.value(1));
    const qsizetype kopf = teile.value(0).size() + teile.value(1).size() + 2;
    a.body = kopf < roh.size() ? roh.mid(kopf) : QByteArray();

    behalten(stallanfrage::CookieWert(a.cookie, stallanfrage::kCookie).size());
    behalten(stallanfrage::Parameter(a.abfrage, QStringLiteral("nr")).size());
    QString fehler;
    const auto obj = stallanfrage::JsonLesen(a, fehler);
    if (a.body.size() > stallanfrage::kMaxBody || !(data[0] & 1)) FUZZ_PRUEFEN(!obj);
    FUZZ_PRUEFEN(obj.has_value() == fehler.isEmpty());
    if (!obj) return 0;
    const auto e = stallbuchung::EingabeLesen(*obj, QDate(2024, 5, 1), fehler);
    FUZZ_PRUEFEN(e.has_value() || !fehler.isEmpty());
    if (e) eingabePruefen(*e);
    return 0;
}
