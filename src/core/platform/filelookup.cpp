#include "platform/filelookup.h"

#include <QDir>
#include <QFileInfo>

QString findFileNoCase(const QString& dir, const QString& name) {
    const QString base = dir.isEmpty() ? QDir::currentPath() + u'/' : dir;
    const QString direct = base + name;
    if (QFileInfo::exists(direct)) return direct;
    const QDir d(base);
    const QStringList entries = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return d.filePath(e);
    return direct;
}
