#pragma once

#include <QString>

// The path of `name` inside `dir`, matched regardless of letter case when the file system
// is case-sensitive. When no such file exists the path is `dir` + `name` as given.
QString findFileNoCase(const QString& dir, const QString& name);
