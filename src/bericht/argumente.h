#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The command line of the report tool, split into options with a value, switches and the
// plain words (the report's name first, then its own arguments).
struct Befehlszeile {
    QHash<QString, QString> werte;
    QSet<QString> schalter;
    QStringList worte;
    bool hilfe = false;

    QString wert(const QString& name) const { return werte.value(name); }
    bool hat(const QString& name) const { return werte.contains(name) || schalter.contains(name); }
};

// Splits `args` (without the program name). False with `fehler` set for an unknown option,
// a missing value or an option given twice.
bool BefehlszeileLesen(const QStringList& args, Befehlszeile& b, QString& fehler);

// The options a report accepts besides the general ones.
QStringList BerichtsOptionen(const QString& bericht);
// The reports the tool knows, in the order of the help text.
QStringList BerichtNamen();

// Checks that every option given belongs to the report, and that exactly one of --pdf and
// --csv is there. False with `fehler` set otherwise.
bool OptionenPruefen(const Befehlszeile& b, QString& fehler);

// "YYYY-MM-DD" for --heute; invalid when it is not such a date.
QDate IsoDatum(const QString& text);

// A whole number of at least `min`; false when the text is none.
bool GanzeZahl(const QString& text, int min, int& zahl);

// The help text of --help.
QString Hilfetext();
