#pragma once

#include "fakemessages.h"
#include "platform/clock.h"
#include "programm/appcontext.h"

#include <QTemporaryDir>

// An application context on a fresh temporary data directory, with a fixed clock and the
// fake message service.
struct TestContext {
    explicit TestContext(QDate heute = QDate(2013, 3, 10));

    QString pfad(const QString& name) const { return ctx.Datenpfad + name; }

    QTemporaryDir dir;
    FakeMessages messages;
    FixedClock clock;
    AppContext ctx;
};
