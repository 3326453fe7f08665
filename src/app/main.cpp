#include "app/appcontext.h"
#include "app/datenpfad.h"
#include "app/deutsch.h"
#include "app/singleinstance.h"
#include "app/tpvmain.h"
#include "herd/textfunktionen.h"
#include "platform/clock.h"
#include "platform/qtmessages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Porvanta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Porvanta"));
    QApplication::setOrganizationName(QStringLiteral("Porvanta"));

    SingleInstance instanz(SingleInstance::standardKey());
    if (!instanz.starten()) return 0;

    QtDeutschLaden(app);

    QtMessages messages;
    SystemClock clock;
    AppContext ctx(messages, clock);
    // A developer can point the program at another data directory, e.g. a demo herd.
    const QString pfad = qEnvironmentVariable("PORVANTA_DATENPFAD");
    ctx.Datenpfad = pfad.isEmpty() ? StandardDatenpfad() : PfadMitTrenner(pfad);

    TPVMain main(ctx);
    QObject::connect(&instanz, &SingleInstance::anzeigenGewuenscht, &main, &TPVMain::zuVorderst);
    main.show();
    return app.exec();
}
