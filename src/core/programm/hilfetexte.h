#pragma once

#include <QList>
#include <QString>

// Which help page belongs to a context number. The pages are HTML in the program's
// resources under ":/hilfe/".
namespace hilfetexte {

inline constexpr int kStart = 100;

// The page of `kontext`; an unknown number gives the start page.
QString Seite(int kontext);
// True when `kontext` has a page of its own in the table.
bool Bekannt(int kontext);
QList<int> Kontexte();

} // namespace hilfetexte
