#pragma once

#include <QString>
#include <functional>

class QIODevice;

struct SafeWriteOptions {
    // When set and the target exists, the previous contents are kept under this name. The
    // backup is replaced atomically and never touches the target.
    QString backupPath;
};

// Writes `path` through a temporary file and an atomic rename. The previous file stays as it
// was unless everything was written and committed. `write` returns false to abort.
bool writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     const SafeWriteOptions& options = {});
