#include "stall/stallanfrage.h"

#include "herd/numformat.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QUrlQuery>
#include <cmath>

namespace stallanfrage {

QByteArray CookieWert(const QByteArray& header, const QByteArray& name) {
    for (const QByteArray& teil : header.split(';')) {
        const QByteArray t = teil.trimmed();
        const qsizetype gleich = t.indexOf('=');
        if (gleich > 0 && t.left(gleich) == name) return t.mid(gleich + 1);
    }
    return {};
}

QString Parameter(const QString& abfrage, const QString& name) {
    return QUrlQuery(abfrage).queryItemValue(name, QUrl::FullyDecoded);
}

std::optional<QJsonObject> JsonLesen(const StallAnfrage& a, QString& fehler) {
    if (a.body.size() > kMaxBody) {
        fehler = QStringLiteral("Die Anfrage ist zu groß.");
        return std::nullopt;
    }
    if (!a.inhaltsart.trimmed().toLower().startsWith("application/json")) {
        fehler = QStringLiteral("Die Anfrage ist kein JSON.");
        return std::nullopt;
    }
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(a.body, &pe);
    if (pe.error != QJsonParseError::NoError || !doc.isObject()) {
        fehler = QStringLiteral("Die Anfrage ist fehlerhaft.");
        return std::nullopt;
    }
    return doc.object();
}

QString Felder::text(const char* name, int max, bool pflicht) {
    const QJsonValue v = obj_.value(QLatin1String(name));
    if (!ok()) return {};
    if (!v.isUndefined() && !v.isNull() && !v.isString()) {
        fehlerSetzen(QStringLiteral("Das Feld %1 muss ein Text sein.").arg(QLatin1String(name)));
        return {};
    }
    const QString t = v.toString().trimmed();
    for (const QChar c : t)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) {
            fehlerSetzen(QStringLiteral("Der Text enthält unzulässige Zeichen."));
            return {};
        }
    if (t.size() > max)
        fehlerSetzen(QStringLiteral("Der Text darf höchstens %1 Zeichen haben.").arg(max));
    else if (pflicht && t.isEmpty())
        fehlerSetzen(QStringLiteral("Bitte einen Eintrag wählen."));
    return ok() ? t : QString();
}

double Felder::zahl(const char* name, double min, double max, double vorgabe) {
    const QJsonValue v = obj_.value(QLatin1String(name));
    if (!ok()) return vorgabe;
    if (v.isUndefined() || v.isNull()) return vorgabe;
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
        fehlerSetzen(QStringLiteral("Bitte eine Zahl eingeben!"));
        return vorgabe;
    }
    const double d = v.toDouble();
    // The number field's own messages.
    if (d < min)
        fehlerSetzen(numformat::unterMinimumText(min));
    else if (d > max)
        fehlerSetzen(numformat::ueberMaximumText(max));
    return ok() ? d : vorgabe;
}

int Felder::ganz(const char* name, int min, int max, int vorgabe) {
    const double d = zahl(name, min, max, vorgabe);
    if (ok() && d != std::floor(d)) fehlerSetzen(QStringLiteral("Bitte eine ganze Zahl eingeben!"));
    return ok() ? int(d) : vorgabe;
}

bool Felder::wahr(const char* name, bool vorgabe) {
    const QJsonValue v = obj_.value(QLatin1String(name));
    if (v.isUndefined() || v.isNull()) return vorgabe;
    if (!v.isBool())
        fehlerSetzen(
            QStringLiteral("Das Feld %1 muss ja oder nein sein.").arg(QLatin1String(name)));
    return v.toBool(vorgabe);
}

TKurzDatum Felder::datum(const char* name) {
    const QString t = text(name, 10, false);
    if (!ok()) return {};
    const QDate d = t.isEmpty() ? heute_ : QDate::fromString(t, Qt::ISODate);
    if (!d.isValid() || d.year() < 1901 || d.year() > 2155) {
        fehlerSetzen(QStringLiteral("Bitte ein gültiges Datum eingeben!"));
        return {};
    }
    return TKurzDatum::aus(d);
}

} // namespace stallanfrage
