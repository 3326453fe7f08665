#pragma once

#include "herd/records.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// What the losses and anomalies window works on: a copy of the litter's 14 entry slots, the
// mode (0 anomalies from slot 14 down, 1 losses from slot 1 up), the farrowing date the loss
// days count from, and one line per entry with its text and day byte.
// Which entries of the 14 slots a list holds.
enum Eintragsart : int { eaBesonderheiten = 0, eaAusfaelle = 1 };

class AnomalDaten {
public:
    static constexpr int kSlots = feldgroesse::Eintraege;

    // Fills the lines from the block. A mode other than 1 counts as anomalies; the count is
    // kept within 0..14. Nothing is selected afterwards.
    void AnomalOeffnen(const TWurfRec& block, TKurzDatum referenz, int modus, int anzahl);
    // Writes the lines back into the block's slots. Only the 14 texts and 14 day bytes change.
    void AnomalUebernehmen(TWurfRec& block) const;

    int modus() const { return modus_; }
    TKurzDatum referenz() const { return referenz_; }
    int anzahl() const { return anzahl_; }
    int zeilen() const { return int(texte_.size()); }
    QString zeilenText(int zeile) const;
    std::uint8_t zeilenTag(int zeile) const;
    // Reference date + (day - 1) days: the date the line's day stands for.
    TKurzDatum zeilenDatum(int zeile) const;

    // The selected line, -1 for none.
    int auswahl() const { return auswahl_; }
    // Selects the line as a click does: a day 0 becomes 1. Outside the lines: no selection.
    void zeileAnklicken(int zeile);
    // The edited text goes into the selected line.
    void textAendern(const QString& text);
    // The date field was left with `datum`. Within 0..254 days after the reference date the
    // selected line gets that day + 1; otherwise it gets day 1 and the result is false: the
    // field has to show the reference date again.
    bool datumVerlassen(TKurzDatum datum);

    // A line as the list draws it: in loss mode with a day, the date and then the text in
    // the second column; otherwise the text alone, ">" when it is empty.
    struct Anzeige {
        bool mitDatum = false;
        QString datum;
        QString text;
        bool operator==(const Anzeige&) const = default;
    };
    Anzeige zeilenAnzeige(int zeile) const;

private:
    bool gueltig(int zeile) const { return zeile >= 0 && zeile < zeilen(); }

    TWurfRec kopie_; // only the slot bytes are used
    int modus_ = 0;
    TKurzDatum referenz_;
    int anzahl_ = 0;
    QStringList texte_;
    std::array<std::uint8_t, kSlots> tage_{}; // per line; zero until a line sets it
    int auswahl_ = -1;
};
