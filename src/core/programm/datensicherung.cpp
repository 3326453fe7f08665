#include "programm/datensicherung.h"

#include "herd/herdfile.h"
#include "herd/hilfslisten.h"
#include "platform/codepage.h"
#include "platform/filelookup.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "programm/einstellungenspeicher.h"
#include "stamm/planfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

namespace datensicherung {

bool DatumLesen(const QString& text, QDateTime& out) {
    static const QRegularExpression muster(QStringLiteral(
        "^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})(?:\\s+(\\d{1,2}):(\\d{2}))?\\s*$"));
    const QRegularExpressionMatch m = muster.match(text);
    if (!m.hasMatch()) return false;
    int jahr = m.captured(3).toInt();
    if (m.captured(3).size() == 2) jahr += jahr < 50 ? 2000 : 1900;
    const QDate tag(jahr, m.captured(2).toInt(), m.captured(1).toInt());
    const QTime zeit =
        m.captured(4).isEmpty() ? QTime(0, 0) : QTime(m.captured(4).toInt(), m.captured(5).toInt());
    if (!tag.isValid() || !zeit.isValid()) return false;
    out = QDateTime(tag, zeit);
    return true;
}

QString DatumText(const QDateTime& zeit) {
    return zeit.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

namespace {

QString vierZeichen(const QString& name) {
    const int punkt = name.indexOf(u'.');
    if (punkt < 4) return {};
    return name.mid(punkt - 4, 4);
}

bool istHerde(const QString& name) {
    return name.trimmed().compare(QString::fromLatin1(kHerdeDatei), Qt::CaseInsensitive) == 0;
}

bool enthalten(const std::vector<Eintrag>& liste, const QString& name) {
    for (const Eintrag& e : liste)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void hinzu(std::vector<Eintrag>& liste, const QString& verzeichnis, const QString& name,
           const QString& pfad, bool sicherung) {
    // Only plain names: a list file must not lead the copy out of the directory.
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(u'/') || name.contains(u'\\') || enthalten(liste, name))
        return;
    const QString datei = pfad.isEmpty() ? findFileNoCase(verzeichnis, name) : pfad;
    EintragEinfuegen(liste, Eintrag{name, QFileInfo(datei).lastModified()}, sicherung);
}

} // namespace

bool JahrGestempelt(const QString& name) {
    const QString v = vierZeichen(name);
    return v.size() == 4 && (v[0] == u'1' || v[0] == u'2') && v[3].isDigit();
}

void EintragEinfuegen(std::vector<Eintrag>& liste, const Eintrag& neu, bool sicherung) {
    if (!sicherung || !JahrGestempelt(neu.name) || liste.empty()) {
        liste.push_back(neu);
        return;
    }
    const QString v = vierZeichen(neu.name);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const QString& n = liste[i].name;
        if (i + 1 == liste.size() || !JahrGestempelt(n) || vierZeichen(n) < v) {
            liste.insert(liste.begin() + std::ptrdiff_t(i), neu);
            return;
        }
    }
}

Dateiliste DateienSammeln(const QString& verzeichnis, const QStringList& masken, bool sicherung,
                          const QDateTime& letzteSicherung, const QString& einstellungen) {
    Dateiliste out;
    std::vector<Eintrag>& l = out.eintraege;
    const QString ini = QString::fromLatin1(einstellungen::kStoreName);
    if (masken.contains(ini, Qt::CaseInsensitive)) {
        const QString quelle = Quelle(verzeichnis, ini, sicherung ? einstellungen : QString());
        if (QFileInfo(quelle).isFile()) hinzu(l, verzeichnis, ini, quelle, sicherung);
    }
    if (!sicherung) {
        QFile split(findFileNoCase(verzeichnis, QStringLiteral("Split.txt")));
        if (split.open(QIODevice::ReadOnly)) {
            // The name is the line's first 12 characters as they stand; only blanks after
            // it (and the line end) are not part of it.
            QString zeile = cp1252::decode(split.readLine(4096));
            while (zeile.endsWith(u'\n') || zeile.endsWith(u'\r'))
                zeile.chop(1);
            QString name = zeile.left(12);
            while (name.endsWith(u' '))
                name.chop(1);
            hinzu(l, verzeichnis, name, {}, sicherung);
        }
    }
    // The notes and the journal of the bookings from the barn travel with the data files.
    for (const QString& name : {QStringLiteral("NOTIZ.TXT"), QStringLiteral("STALLBUCH.TXT")}) {
        const QString text = findFileNoCase(verzeichnis, name);
        if (QFileInfo(text).isFile())
            hinzu(l, verzeichnis, QFileInfo(text).fileName(), text, sicherung);
    }
    const QDir d(verzeichnis.isEmpty() ? QDir::currentPath() : verzeichnis);
    const QFileInfoList dat = d.entryInfoList(
        {QStringLiteral("*.DAT")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo& f : dat)
        hinzu(l, verzeichnis, f.fileName(), f.filePath(), sicherung);
    for (std::size_t i = 0; i + 1 < l.size(); ++i)
        if (istHerde(l[i].name)) {
            std::swap(l[i], l.back());
            break;
        }
    out.gewaehlt.assign(l.size(), false);
    if (sicherung)
        for (std::size_t i = 0; i < l.size(); ++i)
            out.gewaehlt[i] = l[i].geaendert > letzteSicherung;
    return out;
}

QString Quelle(const QString& verzeichnis, const QString& name, const QString& einstellungen) {
    if (!einstellungen.isEmpty() &&
        name.compare(QString::fromLatin1(einstellungen::kStoreName), Qt::CaseInsensitive) == 0)
        return einstellungen;
    return findFileNoCase(verzeichnis, name);
}

namespace {

bool pruefsumme(const QString& pfad, QByteArray& summe, qint64& groesse) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f)) return false;
    summe = h.result();
    groesse = f.size();
    return true;
}

} // namespace

bool DateiKopieren(const QString& von, const QString& nach, QString& fehler,
                   const std::function<bool(qint64)>& weiter) {
    QFile in(von);
    if (!in.open(QIODevice::ReadOnly)) {
        fehler = QStringLiteral("Die Datei %1 konnte nicht gelesen werden!").arg(von);
        return false;
    }
    QCryptographicHash h(QCryptographicHash::Sha256);
    qint64 kopiert = 0;
    bool gelesen = true, abgebrochen = false;
    QString grund;
    const bool ok = writeFileSafely(
        nach,
        [&](QIODevice& out) {
            QByteArray puffer(1 << 16, Qt::Uninitialized);
            for (;;) {
                const qint64 n = in.read(puffer.data(), puffer.size());
                if (n < 0) return gelesen = false;
                if (n == 0) return true;
                if (out.write(puffer.constData(), n) != n) return false;
                h.addData(QByteArrayView(puffer.constData(), n));
                kopiert += n;
                if (weiter && !weiter(kopiert)) return !(abgebrochen = true);
            }
        },
        {}, &grund);
    if (!ok) {
        if (abgebrochen)
            fehler = QStringLiteral("Das Kopieren von %1 wurde abgebrochen.").arg(von);
        else if (!gelesen)
            fehler = QStringLiteral("Die Datei %1 konnte nicht gelesen werden!").arg(von);
        else
            fehler = SchreibFehlerText(QFileInfo(nach).fileName(), nach, grund);
        return false;
    }
    QByteArray summe;
    qint64 groesse = -1;
    if (!pruefsumme(nach, summe, groesse) || groesse != kopiert || summe != h.result()) {
        fehler = QStringLiteral("Die Kopie %1 stimmt nicht mit dem Original überein!").arg(nach);
        return false;
    }
    return true;
}

QString VorherigeAufheben(const QString& datenpfad, const QStringList& dateien,
                          const QDateTime& jetzt, QString& fehler) {
    const QString name =
        QStringLiteral("Vor Rücksicherung ") + jetzt.toString(QStringLiteral("yyyy-MM-dd hh-mm"));
    QDir d(datenpfad.isEmpty() ? QDir::currentPath() : datenpfad);
    const QString ordner = d.filePath(name);
    if (!d.mkpath(name)) {
        fehler = QStringLiteral("Der Ordner %1 konnte nicht angelegt werden!").arg(ordner);
        return {};
    }
    for (const QString& datei : dateien) {
        if (!QFileInfo(datei).isFile()) continue;
        if (!DateiKopieren(datei, ordner + u'/' + QFileInfo(datei).fileName(), fehler)) return {};
    }
    return ordner + u'/';
}

QStringList Wechselmedien(const QStringList& wurzeln) {
    QStringList orte = wurzeln;
    if (orte.isEmpty()) {
        QString benutzer = qEnvironmentVariable("USER");
        if (benutzer.isEmpty()) benutzer = QDir::home().dirName();
        orte << QStringLiteral("/media/") + benutzer << QStringLiteral("/run/media/") + benutzer;
    }
    QStringList out;
    for (const QString& w : orte) {
        const QDir d(w);
        for (const QFileInfo& f : d.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            out << f.filePath() + u'/';
    }
    return out;
}

bool NieGesichert(const QString& letzteSicherung) {
    const QString t = letzteSicherung.trimmed();
    return t.isEmpty() || t == QLatin1String(kStandardDatum) || t == QLatin1String(kStoreDatum);
}

QString LetzteSicherungText(const QString& letzteSicherung) {
    return NieGesichert(letzteSicherung) ? QStringLiteral("noch nie gesichert") : letzteSicherung;
}

Hinweis SicherungsHinweis(const QString& letzteSicherung, const QDate& heute) {
    QDateTime zeit;
    if (NieGesichert(letzteSicherung) || !DatumLesen(letzteSicherung, zeit))
        return {QStringLiteral("Daten noch nie gesichert"), true};
    const qint64 tage = zeit.date().daysTo(heute);
    QString text;
    if (tage <= 0)
        text = QStringLiteral("Letzte Datensicherung: heute");
    else if (tage == 1)
        text = QStringLiteral("Letzte Datensicherung: gestern");
    else
        text = QStringLiteral("Letzte Datensicherung vor %1 Tagen").arg(tage);
    return {text, tage > 7};
}

Zielwahl ZielVorschlagen(const QString& ziel, int medien, const QString& standardOrdner) {
    const QString t = ziel.trimmed();
    if (t.compare(QStringLiteral("A:"), Qt::CaseInsensitive) == 0 && medien > 0) return {0, {}};
    if (t.compare(QStringLiteral("B:"), Qt::CaseInsensitive) == 0 && medien > 1) return {1, {}};
    const bool laufwerk = t.size() == 2 && t[1] == u':';
    if (t.isEmpty() || laufwerk) return {2, standardOrdner};
    return {2, t};
}

QString StandardOrdner() {
    return QDir::homePath() + QStringLiteral("/Porvanta-Sicherung/");
}

namespace {

QString dateienText(int n) {
    return n == 1 ? QStringLiteral("1 Datei") : QStringLiteral("%1 Dateien").arg(n);
}

// Copies each name from `von` to `nach`; `quelleIni` and `zielIni` stand for "PV.INI" on
// the side that has it.
Ergebnis alleKopieren(const QStringList& namen, const QString& von, const QString& quelleIni,
                      const QString& nach, const QString& zielIni, const Fortschritt& weiter) {
    qint64 gesamt = 0;
    for (const QString& n : namen)
        gesamt += QFileInfo(Quelle(von, n, quelleIni)).size();
    Ergebnis e;
    qint64 fertig = 0;
    for (const QString& n : namen) {
        const QString q = Quelle(von, n, quelleIni);
        QString ziel = Quelle(nach, n, zielIni);
        if (!QFileInfo(ziel).isAbsolute()) ziel = QDir(nach).filePath(n);
        const qint64 basis = fertig;
        QString fehler;
        const bool ok = DateiKopieren(q, ziel, fehler, [&](qint64 bisher) {
            return !weiter || weiter(basis + bisher, gesamt);
        });
        if (!ok) {
            e.meldung = fehler;
            return e;
        }
        ++e.dateien;
        fertig += QFileInfo(q).size();
    }
    e.ok = true;
    return e;
}

} // namespace

Ergebnis Sichern(const QString& datenpfad, const QString& einstellungen, const QStringList& namen,
                 const QString& ziel, const Fortschritt& weiter) {
    if (!QDir().mkpath(ziel)) {
        Ergebnis e;
        e.meldung = QStringLiteral("Der Ordner %1 konnte nicht angelegt werden!")
                        .arg(QDir::toNativeSeparators(ziel));
        return e;
    }
    Ergebnis e = alleKopieren(namen, datenpfad, einstellungen, ziel, {}, weiter);
    const QString wohin = QDir::toNativeSeparators(ziel);
    if (e.ok)
        e.meldung = QStringLiteral("%1 nach %2 gesichert.").arg(dateienText(e.dateien), wohin);
    else
        e.meldung += QStringLiteral("\n%1 nach %2 gesichert, dann wurde das Kopieren angehalten.")
                         .arg(dateienText(e.dateien), wohin);
    return e;
}

Ergebnis Zuruecksichern(const QString& datenpfad, const QString& einstellungen,
                        const QStringList& namen, const QString& quelle, const QDateTime& jetzt,
                        const Fortschritt& weiter) {
    QStringList bisher;
    for (const QString& n : namen)
        bisher << Quelle(datenpfad, n, einstellungen);
    QString fehler;
    const QString ordner = VorherigeAufheben(datenpfad, bisher, jetzt, fehler);
    if (ordner.isEmpty()) {
        Ergebnis e;
        e.meldung = fehler + QStringLiteral("\nEs wurde nichts zurückgesichert.");
        return e;
    }
    Ergebnis e = alleKopieren(namen, quelle, {}, datenpfad, einstellungen, weiter);
    e.aufgehoben = ordner;
    const QString woher = QDir::toNativeSeparators(quelle);
    const QString vorher =
        QStringLiteral("Der bisherige Stand liegt in %1.").arg(QDir::toNativeSeparators(ordner));
    if (e.ok)
        e.meldung = QStringLiteral("%1 aus %2 zurückgesichert.\n%3")
                        .arg(dateienText(e.dateien), woher, vorher);
    else
        e.meldung += QStringLiteral("\n%1 aus %2 zurückgesichert, dann wurde das Kopieren "
                                    "angehalten.\n%3")
                         .arg(dateienText(e.dateien), woher, vorher);
    return e;
}

void NeuLaden(AppContext& ctx) {
    QString pfad; // the data directory stays the one in use
    EinstellungenLesen(ctx.einstellungsDatei, ctx.alteEinstellungsDatei, ctx.einstellungen, pfad,
                       ctx.standardDatenpfad);
    DatenLaden(ctx);
}

bool TagesKopie(const QString& datenpfad, const QDate& heute, int behalten) {
    const QString herde = findFileNoCase(datenpfad, QString::fromLatin1(kHerdeDatei));
    if (!QFileInfo(herde).isFile()) return true;
    QDir d(datenpfad.isEmpty() ? QDir::currentPath() : datenpfad);
    const QString sub = QStringLiteral("Sicherungen");
    const QString ziel = d.filePath(sub) + QStringLiteral("/SAUWURF-") +
                         heute.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".DAT");
    if (QFileInfo::exists(ziel)) return true;
    if (!d.mkpath(sub)) return false;
    // A second name for the file as it is: every save writes a new file and renames it over
    // the herd file, so the day's copy keeps this morning's bytes without copying them. Where
    // the medium has no links (a FAT stick), a real copy.
    if (::link(QFile::encodeName(herde).constData(), QFile::encodeName(ziel).constData()) != 0) {
        QString fehler;
        if (!DateiKopieren(herde, ziel, fehler)) return false;
    }
    QDir s(d.filePath(sub));
    const QStringList alle = s.entryList({QStringLiteral("SAUWURF-\?\?\?\?-\?\?-\?\?.DAT")},
                                         QDir::Files, QDir::Name | QDir::Reversed);
    for (int i = behalten; i < alle.size(); ++i)
        s.remove(alle[i]);
    return true;
}

} // namespace datensicherung
