#include "programm/programmlauf.h"

#include "programm/deutsch.h"
#include "programm/singleinstance.h"
#include "programm/thilfe.h"
#include "programm/tpvmain.h"
#include "platform/clock.h"
#include "platform/qtmessages.h"
#include "programm/appcontext.h"
#include "programm/startorte.h"

#include <QApplication>
#include <QStandardPaths>

int Programmlauf(int& argc, char** argv, const std::function<void(QWidget*)>& gezeigt) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Porvanta"));
    // No display name: it would be appended to the titles, and a maximised child's title
    // already begins with the program's name.
    QApplication::setOrganizationName(QStringLiteral("Porvanta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("porvanta"));
    // "/debug" or "-debug": help requests are logged in the per-user data folder.
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("/debug")) || args.contains(QStringLiteral("-debug")))
        THilfe::protokollSetzen(
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
            QStringLiteral("/hilfe-protokoll.txt"));

    SingleInstance instanz(SingleInstance::standardKey());
    if (!instanz.starten()) return 0;

    QtDeutschLaden(app);

    QtMessages messages;
    SystemClock clock;
    AppContext ctx(messages, clock);
    StartorteSetzen(ctx, Startorte::ausSystem());

    TPVMain main(ctx);
    QObject::connect(&instanz, &SingleInstance::anzeigenGewuenscht, &main, &TPVMain::zuVorderst);
    main.show();
    if (gezeigt) gezeigt(&main);
    return app.exec();
}
