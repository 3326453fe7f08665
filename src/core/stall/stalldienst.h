#pragma once

#include "stall/stallanfrage.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <functional>

class AppContext;
class StallZugang;
struct StallGeraet;

// An answer to the barn page, free of any network type.
struct StallAntwort {
    int status = 200;
    QByteArray inhaltsart = "application/json; charset=utf-8";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> kopf; // further headers (Set-Cookie, ...)
};

// What the program answers the barn page: the page itself, pairing, the sow, today's list
// and the bookings. Every request but the page and pairing needs a session; every one that
// changes something also its CSRF token. No request names a file.
class StallDienst {
public:
    StallDienst(AppContext& ctx, StallZugang& zugang, QByteArray seite);

    StallAntwort bearbeiten(const StallAnfrage& a);

    // Told after a booking from the barn went into the herd.
    std::function<void()> gebucht;

private:
    StallAntwort koppeln(const StallAnfrage& a);
    StallAntwort buchen(const StallAnfrage& a, StallGeraet& g);
    StallAntwort abmelden(StallGeraet& g);
    StallAntwort mitSitzung(const StallAnfrage& a);
    void journal(const StallGeraet& g, int sau, int wurf, const QString& was);
    // Writes the device list; a failure is told at the PC.
    void geraeteSpeichern();

    AppContext& ctx_;
    StallZugang& zugang_;
    QByteArray seite_;
};
