#include "entry/anomalien.h"

#include <algorithm>

namespace {

constexpr std::size_t kSlotAnfang = wurfofs::Eintrag;
constexpr std::size_t kSlotEnde = wurfofs::Verlusttag + AnomalDaten::kSlots;

void slotsKopieren(const TWurfRec& von, TWurfRec& nach) {
    std::copy(von.bytes().begin() + kSlotAnfang, von.bytes().begin() + kSlotEnde,
              nach.bytes().begin() + kSlotAnfang);
}

} // namespace

void AnomalDaten::AnomalOeffnen(const TWurfRec& block, TKurzDatum referenz, int modus, int anzahl) {
    kopie_ = TWurfRec();
    slotsKopieren(block, kopie_);
    modus_ = modus == 1 ? 1 : 0;
    referenz_ = referenz;
    anzahl_ = std::clamp(anzahl, 0, kSlots);
    texte_.clear();
    auswahl_ = -1;
    if (modus_ == eaAusfaelle) {
        for (int i = 1; i <= anzahl_; ++i) {
            if (kopie_.Verlusttag(i) == 0) kopie_.setVerlusttag(i, 1);
            texte_.append(kopie_.Eintrag(i));
            tage_[std::size_t(i - 1)] = kopie_.Verlusttag(i);
        }
    } else {
        // Line 0 is slot 14, line 1 slot 13, ...
        for (int i = kSlots; i >= kSlots + 1 - anzahl_; --i) {
            if (kopie_.Eintrag(i).isEmpty()) kopie_.setEintrag(i, QStringLiteral(">"));
            texte_.append(kopie_.Eintrag(i));
        }
    }
}

void AnomalDaten::AnomalUebernehmen(TWurfRec& block) const {
    TWurfRec w = kopie_;
    if (modus_ == eaAusfaelle) {
        for (int i = 1; i <= anzahl_; ++i) {
            w.setEintrag(i, texte_[i - 1].left(15));
            w.setVerlusttag(i, tage_[std::size_t(i - 1)]);
        }
        // Losses beyond the new count go; the anomalies above them stay.
        for (int i = anzahl_ + 1; i <= kSlots && w.Verlusttag(i) != 0; ++i) {
            w.setVerlusttag(i, 0);
            w.setEintrag(i, QString());
        }
    } else {
        for (int i = kSlots; i >= kSlots + 1 - anzahl_; --i)
            w.setEintrag(i, texte_[kSlots - i].left(15));
        // Anomalies beyond the new count go, down to the first loss slot.
        for (int i = kSlots - anzahl_; i >= 1 && w.Verlusttag(i) == 0; --i)
            w.setEintrag(i, QString());
    }
    slotsKopieren(w, block);
}

QString AnomalDaten::zeilenText(int zeile) const {
    return gueltig(zeile) ? texte_[zeile] : QString();
}

std::uint8_t AnomalDaten::zeilenTag(int zeile) const {
    return gueltig(zeile) ? tage_[std::size_t(zeile)] : 0;
}

TKurzDatum AnomalDaten::zeilenDatum(int zeile) const {
    const int tag = zeilenTag(zeile);
    TKurzDatum d = TageAddierenDatum(tag > 0 ? tag - 1 : 0, referenz_);
    if (d.vorhanden()) d.Zusatz = referenz_.Zusatz;
    return d;
}

void AnomalDaten::zeileAnklicken(int zeile) {
    if (!gueltig(zeile)) {
        auswahl_ = -1;
        return;
    }
    auswahl_ = zeile;
    if (tage_[std::size_t(zeile)] == 0) tage_[std::size_t(zeile)] = 1;
}

void AnomalDaten::textAendern(const QString& text) {
    if (gueltig(auswahl_)) texte_[auswahl_] = text;
}

bool AnomalDaten::datumVerlassen(TKurzDatum datum) {
    const int d = TageZwischen(referenz_, datum);
    const bool angenommen = d >= 0 && d < 255;
    if (gueltig(auswahl_)) tage_[std::size_t(auswahl_)] = std::uint8_t(angenommen ? d + 1 : 1);
    return angenommen;
}

AnomalDaten::Anzeige AnomalDaten::zeilenAnzeige(int zeile) const {
    Anzeige a;
    if (!gueltig(zeile)) return a;
    const QString& text = texte_[zeile];
    const int tag = tage_[std::size_t(zeile)];
    if (modus_ == eaAusfaelle && tag != 0) {
        a.mitDatum = true;
        a.datum = TageAddieren(tag - 1, referenz_);
        a.text = text;
    } else {
        a.text = text.isEmpty() ? QStringLiteral(">") : text;
    }
    return a;
}
