#include "safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
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

bool writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const SafeWriteOptions& options) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    // A failed backup is no reason to lose the save itself; the herd file stays the newest.
    if (!options.backupPath.isEmpty()) keepBackup(path, options.backupPath);
    return file.commit();
}
