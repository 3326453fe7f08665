#pragma once

#include "herd/kurzdatum.h"

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>
#include <optional>

// A request from the barn page as the server hands it over, free of any network type.
struct StallAnfrage {
    QByteArray methode; // "GET", "POST"
    QString pfad;       // the URL path, e.g. "/api/buchen"
    QString abfrage;    // the query without "?"
    QByteArray cookie;  // the Cookie header
    QByteArray csrf;    // the X-CSRF-Token header
    QByteArray inhaltsart;
    QByteArray body;
    QString geraet; // the device's own name, for pairing
};

namespace stallanfrage {

// Bodies larger than this are refused before they are read.
inline constexpr qsizetype kMaxBody = 16 * 1024;

// The session cookie's name.
inline constexpr const char* kCookie = "pv_sitzung";

// The value of a cookie in a Cookie header; empty when it is not there.
QByteArray CookieWert(const QByteArray& header, const QByteArray& name);

// A query parameter, decoded; empty when missing.
QString Parameter(const QString& abfrage, const QString& name);

// The body as a JSON object. Fails with a German message on a body that is too large, not
// JSON or not an object, or not sent as JSON.
std::optional<QJsonObject> JsonLesen(const StallAnfrage& a, QString& fehler);

// Reads the fields of a JSON object with the checks of the entry fields; the first failure
// is kept in `fehler` and every later read returns a neutral value.
class Felder {
public:
    Felder(const QJsonObject& obj, QDate heute) : obj_(obj), heute_(heute) {}

    // A text of at most `max` characters without control characters; `pflicht`: not empty.
    QString text(const char* name, int max, bool pflicht);
    // A whole number within min..max; missing gives `vorgabe`.
    int ganz(const char* name, int min, int max, int vorgabe);
    // A number within min..max (decimal point); missing gives `vorgabe`.
    double zahl(const char* name, double min, double max, double vorgabe);
    bool wahr(const char* name, bool vorgabe);
    // A date "yyyy-mm-dd"; missing or empty is today.
    TKurzDatum datum(const char* name);

    bool ok() const { return fehler_.isEmpty(); }
    const QString& fehler() const { return fehler_; }
    void fehlerSetzen(const QString& f) {
        if (fehler_.isEmpty()) fehler_ = f;
    }

private:
    const QJsonObject& obj_;
    QDate heute_;
    QString fehler_;
};

} // namespace stallanfrage
