#include "datenpfad.h"

#include "herd/textfunktionen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString StandardDatenpfad() {
    const QString prog = QCoreApplication::applicationDirPath();
    if (QFileInfo(prog).isWritable()) return PfadMitTrenner(prog);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return PfadMitTrenner(user);
}
