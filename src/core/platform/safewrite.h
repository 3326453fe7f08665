#pragma once

#include <QString>
#include <functional>

class QIODevice;

struct SafeWriteOptions {
    // When set and the target exists, the previous contents are kept under this name. The
    // backup is replaced atomically and never touches the target.
    QString backupPath;
    // Told when the backup could not be kept, with the system's reason in German (empty when
    // there is none). The save itself goes on: the target stays the newest.
    std::function<void(const QString& grund)> backupFehlgeschlagen;
};

// Writes `path` through a temporary file and an atomic rename. The previous file stays as it
// was unless everything was written and committed. `write` returns false to abort. On a
// failure `reason`, when given, gets the system's reason in German (empty when the writer
// itself gave up).
bool writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const SafeWriteOptions& options = {}, QString* reason = nullptr);

// The system's reason for a failed operation on the file `pfad` (an errno value), in German;
// empty when there is none.
QString DateiFehlerGrund(int fehlernummer, const QString& pfad = {});

// "Die Datei NAME konnte nicht geschrieben werden!", and on a second line the full path
// with the reason when there is one.
QString SchreibFehlerText(const QString& name, const QString& pfad, const QString& grund);
