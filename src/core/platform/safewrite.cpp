#include "platform/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Keeps the current target as backup: a hard link where the file system has them (the
// atomic rename of the new file leaves the old contents to the link), else a safe copy.
bool keepBackup(const QString& target, const QString& backup) {
    if (!QFileInfo::exists(target)) return true;
    const QString tmp = backup + QStringLiteral(".tmp");
    QFile::remove(tmp);
    const QByteArray from = QFile::encodeName(target);
    const QByteArray to = QFile::encodeName(tmp);
    if (::link(from.constData(), to.constData()) == 0) {
        const bool ok = ::rename(to.constData(), QFile::encodeName(backup).constData()) == 0;
        // rename() leaves both names alone when the backup already is a link to the target.
        QFile::remove(tmp);
        return ok;
    }
    QFile in(target);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(backup);
    if (!out.open(QIODevice::WriteOnly)) return false;
    char buf[1 << 16];
    for (;;) {
        const qint64 n = in.read(buf, sizeof buf);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0) break;
        if (out.write(buf, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

} // namespace

QString DateiFehlerGrund(int fehlernummer, const QString& pfad) {
    // Qt refuses a folder in the file's place without asking the system.
    if (fehlernummer == 0 && !pfad.isEmpty() && QFileInfo(pfad).isDir()) fehlernummer = EISDIR;
    switch (fehlernummer) {
    case 0:
        return {};
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung (Zugriff verweigert).");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner ist nicht vorhanden.");
    case EISDIR:
        return QStringLiteral("Unter diesem Namen steht ein Ordner.");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß für den Datenträger.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei ist von einem anderen Programm belegt.");
    default:
        return QString::fromLocal8Bit(std::strerror(fehlernummer));
    }
}

QString SchreibFehlerText(const QString& name, const QString& pfad, const QString& grund) {
    QString t = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!").arg(name);
    t += u'\n' + QDir::toNativeSeparators(pfad);
    if (!grund.isEmpty()) t += QStringLiteral(": ") + grund;
    return t;
}

bool writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const SafeWriteOptions& options, QString* reason) {
    // The reason of the failed step, read before anything else can change errno.
    const auto fehlschlag = [&](QSaveFile* file) {
        const int nummer = errno;
        if (reason)
            *reason = file && file->error() == QFileDevice::ResourceError
                          ? DateiFehlerGrund(ENOSPC)
                          : DateiFehlerGrund(nummer, path);
        if (file) file->cancelWriting();
        return false;
    };
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fehlschlag(nullptr);
    errno = 0;
    if (!write(file)) return fehlschlag(&file);
    if (!file.flush()) return fehlschlag(&file);
    // A failed backup is no reason to lose the save itself; the herd file stays the newest.
    if (!options.backupPath.isEmpty()) {
        errno = 0;
        if (!keepBackup(path, options.backupPath) && options.backupFehlgeschlagen)
            options.backupFehlgeschlagen(DateiFehlerGrund(errno, options.backupPath));
    }
    errno = 0;
    if (!file.commit()) return fehlschlag(nullptr);
    return true;
}
