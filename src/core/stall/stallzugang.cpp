#include "stall/stallzugang.h"

#include "platform/safewrite.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

namespace {

QByteArray zufall(int bytes) {
    QByteArray b(bytes, Qt::Uninitialized);
    QRandomGenerator* r = QRandomGenerator::system();
    for (char& c : b)
        c = char(r->bounded(256));
    return b.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray hash(const QByteArray& token) {
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256).toHex();
}

// Equal bytes, compared in a time that does not tell where they differ.
bool gleich(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty()) return false;
    unsigned char d = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        d |= static_cast<unsigned char>(a[i] ^ b[i]);
    return d == 0;
}

QJsonObject alsJson(const StallGeraet& g) {
    return {{QStringLiteral("name"), g.name},
            {QStringLiteral("token"), QString::fromLatin1(g.tokenHash)},
            {QStringLiteral("csrf"), QString::fromLatin1(g.csrf)},
            {QStringLiteral("gekoppelt"), g.gekoppelt.toString(Qt::ISODate)},
            {QStringLiteral("zuletzt"), g.zuletzt.toString(Qt::ISODate)}};
}

StallGeraet ausJson(const QJsonObject& o) {
    StallGeraet g;
    g.name = o.value(QStringLiteral("name")).toString().left(40);
    g.tokenHash = o.value(QStringLiteral("token")).toString().toLatin1();
    g.csrf = o.value(QStringLiteral("csrf")).toString().toLatin1();
    g.gekoppelt =
        QDateTime::fromString(o.value(QStringLiteral("gekoppelt")).toString(), Qt::ISODate);
    g.zuletzt = QDateTime::fromString(o.value(QStringLiteral("zuletzt")).toString(), Qt::ISODate);
    return g;
}

} // namespace

StallZugang::StallZugang(Uhr uhr) : uhr_(std::move(uhr)) {
    if (!uhr_) uhr_ = [] { return QDateTime::currentDateTimeUtc(); };
}

void StallZugang::laden(const QString& datei) {
    datei_ = datei;
    geraete_.clear();
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 1024 * 1024) return;
    for (const QJsonValue v : QJsonDocument::fromJson(f.readAll()).array()) {
        StallGeraet g = ausJson(v.toObject());
        if (g.tokenHash.size() == 64 && !g.csrf.isEmpty() && g.gekoppelt.isValid())
            geraete_.push_back(std::move(g));
    }
    abgelaufeneEntfernen();
}

bool StallZugang::speichern(QString* grund) const {
    if (datei_.isEmpty()) return true;
    QJsonArray a;
    for (const StallGeraet& g : geraete_)
        a.append(alsJson(g));
    const QByteArray bytes = QJsonDocument(a).toJson(QJsonDocument::Indented);
    return writeFileSafely(
        datei_, [&](QIODevice& d) { return d.write(bytes) == bytes.size(); }, {}, grund);
}

QString StallZugang::neuerCode() {
    code_ = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10,
                                     QLatin1Char('0'));
    codeBis_ = jetzt().addSecs(kCodeMinuten * 60);
    return code_;
}

QString StallZugang::code() const {
    return !code_.isEmpty() && jetzt() < codeBis_ ? code_ : QString();
}

bool StallZugang::gesperrt() const {
    return gesperrtBis_.isValid() && jetzt() < gesperrtBis_;
}

StallZugang::Kopplung StallZugang::koppeln(const QString& code, const QString& geraet) {
    Kopplung k;
    if (gesperrt()) {
        k.meldung = QStringLiteral("Zu viele falsche Codes. Das Koppeln ist bis %1 Uhr gesperrt.")
                        .arg(gesperrtBis_.toLocalTime().toString(QStringLiteral("HH:mm")));
        return k;
    }
    const QString gueltig = this->code();
    if (gueltig.isEmpty() || !gleich(code.toLatin1(), gueltig.toLatin1())) {
        if (++fehlversuche_ >= kFehlversuche) {
            fehlversuche_ = 0;
            gesperrtBis_ = jetzt().addSecs(kSperrMinuten * 60);
        }
        k.meldung = gueltig.isEmpty()
                        ? QStringLiteral("Kein gültiger Code. Bitte am PC unter Optionen › "
                                         "Stallzugang einen Code anzeigen lassen.")
                        : QStringLiteral("Der Code ist falsch.");
        return k;
    }
    fehlversuche_ = 0;
    code_.clear(); // one code, one device
    abgelaufeneEntfernen();
    k.token = zufall(32);
    k.csrf = zufall(24);
    const QDateTime t = jetzt();
    geraete_.push_back(
        {geraet.isEmpty() ? QStringLiteral("Gerät") : geraet, hash(k.token), k.csrf, t, t});
    k.ok = true;
    return k;
}

StallGeraet* StallZugang::sitzung(const QByteArray& token) {
    if (token.isEmpty() || token.size() > 200) return nullptr;
    const QByteArray h = hash(token);
    const QDateTime t = jetzt();
    for (StallGeraet& g : geraete_)
        if (gleich(g.tokenHash, h) && g.gekoppelt.addDays(kSitzungTage) > t) {
            g.zuletzt = t;
            return &g;
        }
    return nullptr;
}

bool StallZugang::csrfPasst(const StallGeraet& g, const QByteArray& csrf) {
    return gleich(g.csrf, csrf);
}

bool StallZugang::widerrufen(int i) {
    if (i < 0 || std::size_t(i) >= geraete_.size()) return false;
    geraete_.erase(geraete_.begin() + i);
    return true;
}

void StallZugang::abgelaufeneEntfernen() {
    const QDateTime t = jetzt();
    std::erase_if(geraete_,
                  [&](const StallGeraet& g) { return g.gekoppelt.addDays(kSitzungTage) <= t; });
}
