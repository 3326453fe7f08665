// The settings store: any text reads without a fault, the store as read is written and read
// back to the same text, and every setting is taken from it without a fault.

#include "fuzzhilfe.h"
#include "herd/textfunktionen.h"
#include "platform/inidatei.h"
#include "programm/einstellungenspeicher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = eingabe(data, size);
    IniDatei store;
    store.lesen(bytes);
    const QByteArray text = store.text();
    IniDatei zurueck;
    zurueck.lesen(text);
    FUZZ_PRUEFEN(zurueck.text() == text);

    Einstellungen e;
    QString pfad;
    einstellungen::ausStore(store, e, pfad, QStringLiteral("/daten/"));
    const QString getrimmt = LeerzeichenEntfernen(pfad);
    FUZZ_PRUEFEN(getrimmt.isEmpty() || getrimmt.endsWith(u'/') || getrimmt.endsWith(u'\\'));
    FUZZ_PRUEFEN(e.waehrung.anzeige <= 4);
    FUZZ_PRUEFEN(e.waehrung.kuerzel[0].size() <= 2 && e.waehrung.kuerzel[4].size() <= 2);

    // What is written back reads as the same settings.
    IniDatei neu;
    einstellungen::inStore(e, neu);
    IniDatei wieder;
    wieder.lesen(neu.text());
    Einstellungen e2;
    QString pfad2;
    einstellungen::ausStore(wieder, e2, pfad2, QStringLiteral("/daten/"));
    FUZZ_PRUEFEN(e2.anzeige == e.anzeige && e2.sortierung == e.sortierung && e2.index == e.index &&
                 e2.item == e.item && e2.maxEber == e.maxEber && e2.maxGruppe == e.maxGruppe &&
                 e2.waehrung.anzeige == e.waehrung.anzeige && e2.lastBackup == e.lastBackup &&
                 e2.printerFont == e.printerFont);
    return 0;
}
