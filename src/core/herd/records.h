#pragma once

#include "herd/recordbytes.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

// Currency byte paired with every stored price.
enum TWaehrung : std::uint8_t { Euro = 0, DM = 1, oS = 2, Fr = 3, nw = 4 };

// Sow states in the order of their names.
enum TSauStatus : std::uint8_t {
    stLeer = 0,
    stUmrauschen = 1,
    stBelegt = 2,
    stTragend = 3,
    stSaeugend = 4,
    stVerkauft = 5,
    stLeereJS = 6
};

// Field offsets of the two 512-byte herd records.
namespace sauofs {
constexpr std::size_t Art = 1, SauNr = 6, Stall = 17, Status = 33, Zugang = 34, Herkunft = 38,
                      TVG = 54, Rasse = 70, SauTermin = 86, Abgang = 126, Verkaufsgewicht = 130,
                      Einkaufsgewicht = 132, Verkaufspreis = 134, Einkaufspreis = 140,
                      Abnehmer = 146, VerkaufWaehrung = 162, EinkaufWaehrung = 163, Gruppe = 164,
                      SauNotiz = 169, SauNotizLaenge = 335, Listenverweis = 504;
}
namespace wurfofs {
constexpr std::size_t WurfNr = 1, Belegen = 2, Eber = 14, Mal = 47, Belegnote = 50, TKDatum = 98,
                      TKErgebnis = 106, WurfTermin = 108, Abferkeln = 156, Absetzen = 160,
                      Geborene = 164, Todgeborene = 165, Weibliche = 166, Ausgleich = 167,
                      FerkelnNote = 168, Geburtsgewicht = 184, Absetzgewicht = 186, Futter = 188,
                      Eintrag = 198, Verlusttag = 422, WurfNotiz = 436;
}

constexpr std::size_t kHerdRecordSize = 512;

// Lengths of the text fields (characters) and counts of the repeated fields.
namespace feldgroesse {
constexpr int SauNr = 10, Eber = 10, Text = 15, WurfNotiz = 75;
constexpr int SauTermine = 4, Belegungen = 3, TKs = 2, WurfTermine = 8, Futtertage = 4;
constexpr int Eintraege = 14; // loss and anomaly slots of a litter
} // namespace feldgroesse

// One sow. Array-like fields are indexed from 1 as in the program's vocabulary.
class TSauRec : public ByteRecord<kHerdRecordSize> {
public:
    using ByteRecord::ByteRecord;

    std::uint8_t Art() const { return u8(sauofs::Art); }
    QString SauNr() const { return str(sauofs::SauNr, feldgroesse::SauNr); }
    void setSauNr(const QString& s) { setStr(sauofs::SauNr, feldgroesse::SauNr, s); }
    std::span<const std::uint8_t> SauNrZeichen() const {
        return strZeichen(sauofs::SauNr, feldgroesse::SauNr);
    }
    QString Stall() const { return str(sauofs::Stall, feldgroesse::Text); }
    void setStall(const QString& s) { setStr(sauofs::Stall, feldgroesse::Text, s); }
    std::span<const std::uint8_t> StallZeichen() const {
        return strZeichen(sauofs::Stall, feldgroesse::Text);
    }
    std::uint8_t Status() const { return u8(sauofs::Status); }
    void setStatus(std::uint8_t v) { setU8(sauofs::Status, v); }
    TKurzDatum Zugang() const { return datum(sauofs::Zugang); }
    void setZugang(TKurzDatum d) { setDatum(sauofs::Zugang, d); }
    QString Herkunft() const { return str(sauofs::Herkunft, feldgroesse::Text); }
    void setHerkunft(const QString& s) { setStr(sauofs::Herkunft, feldgroesse::Text, s); }
    std::span<const std::uint8_t> HerkunftZeichen() const {
        return strZeichen(sauofs::Herkunft, feldgroesse::Text);
    }
    QString TVG() const { return str(sauofs::TVG, feldgroesse::Text); }
    void setTVG(const QString& s) { setStr(sauofs::TVG, feldgroesse::Text, s); }
    std::span<const std::uint8_t> TVGZeichen() const {
        return strZeichen(sauofs::TVG, feldgroesse::Text);
    }
    QString Rasse() const { return str(sauofs::Rasse, feldgroesse::Text); }
    void setRasse(const QString& s) { setStr(sauofs::Rasse, feldgroesse::Text, s); }
    std::span<const std::uint8_t> RasseZeichen() const {
        return strZeichen(sauofs::Rasse, feldgroesse::Text);
    }
    TKurzDatum SauTermin(int i) const {
        return datum(sauofs::SauTermin + 4 * idx(i, feldgroesse::SauTermine));
    }
    void setSauTermin(int i, TKurzDatum d) {
        setDatum(sauofs::SauTermin + 4 * idx(i, feldgroesse::SauTermine), d);
    }
    TKurzDatum Abgang() const { return datum(sauofs::Abgang); }
    void setAbgang(TKurzDatum d) { setDatum(sauofs::Abgang, d); }
    std::uint16_t Verkaufsgewicht() const { return u16(sauofs::Verkaufsgewicht); }
    void setVerkaufsgewicht(std::uint16_t v) { setU16(sauofs::Verkaufsgewicht, v); }
    std::uint16_t Einkaufsgewicht() const { return u16(sauofs::Einkaufsgewicht); }
    void setEinkaufsgewicht(std::uint16_t v) { setU16(sauofs::Einkaufsgewicht, v); }
    double Verkaufspreis() const { return real(sauofs::Verkaufspreis); }
    void setVerkaufspreis(double v) { setReal(sauofs::Verkaufspreis, v); }
    double Einkaufspreis() const { return real(sauofs::Einkaufspreis); }
    void setEinkaufspreis(double v) { setReal(sauofs::Einkaufspreis, v); }
    QString Abnehmer() const { return str(sauofs::Abnehmer, feldgroesse::Text); }
    void setAbnehmer(const QString& s) { setStr(sauofs::Abnehmer, feldgroesse::Text, s); }
    std::span<const std::uint8_t> AbnehmerZeichen() const {
        return strZeichen(sauofs::Abnehmer, feldgroesse::Text);
    }
    TWaehrung VerkaufWaehrung() const { return TWaehrung(u8(sauofs::VerkaufWaehrung)); }
    void setVerkaufWaehrung(TWaehrung w) { setU8(sauofs::VerkaufWaehrung, w); }
    TWaehrung EinkaufWaehrung() const { return TWaehrung(u8(sauofs::EinkaufWaehrung)); }
    void setEinkaufWaehrung(TWaehrung w) { setU8(sauofs::EinkaufWaehrung, w); }
    std::int8_t Gruppe() const { return i8(sauofs::Gruppe); }
    void setGruppe(std::int8_t g) { setI8(sauofs::Gruppe, g); }
    // Lines separated by LF; ends at the first 0 byte or after 335 bytes.
    QString SauNotiz() const;
    // Stores at most 335 bytes and clears the rest of the field.
    void setSauNotiz(const QString& s);

private:
    // An index outside 1..n lands past the record, where the bounds check refuses it.
    static std::size_t idx(int i, int n) {
        return i >= 1 && i <= n ? std::size_t(i - 1) : std::size_t(1000);
    }
};

// One litter (reproductive cycle) of a sow.
class TWurfRec : public ByteRecord<kHerdRecordSize> {
public:
    using ByteRecord::ByteRecord;
    static TWurfRec leer(std::uint8_t wurfNr) {
        TWurfRec w;
        w.setWurfNr(wurfNr);
        return w;
    }

    std::uint8_t WurfNr() const { return u8(wurfofs::WurfNr); }
    void setWurfNr(std::uint8_t n) { setU8(wurfofs::WurfNr, n); }
    TKurzDatum Belegen(int i) const {
        return datum(wurfofs::Belegen + 4 * idx(i, feldgroesse::Belegungen));
    }
    void setBelegen(int i, TKurzDatum d) {
        setDatum(wurfofs::Belegen + 4 * idx(i, feldgroesse::Belegungen), d);
    }
    QString Eber(int i) const {
        return str(wurfofs::Eber + 11 * idx(i, feldgroesse::Belegungen), feldgroesse::Eber);
    }
    void setEber(int i, const QString& s) {
        setStr(wurfofs::Eber + 11 * idx(i, feldgroesse::Belegungen), feldgroesse::Eber, s);
    }
    std::span<const std::uint8_t> EberZeichen(int i) const {
        return strZeichen(wurfofs::Eber + 11 * idx(i, feldgroesse::Belegungen), feldgroesse::Eber);
    }
    std::uint8_t Mal(int i) const { return u8(wurfofs::Mal + idx(i, feldgroesse::Belegungen)); }
    void setMal(int i, std::uint8_t v) { setU8(wurfofs::Mal + idx(i, feldgroesse::Belegungen), v); }
    QString Belegnote(int i) const {
        return str(wurfofs::Belegnote + 16 * idx(i, feldgroesse::Belegungen), feldgroesse::Text);
    }
    void setBelegnote(int i, const QString& s) {
        setStr(wurfofs::Belegnote + 16 * idx(i, feldgroesse::Belegungen), feldgroesse::Text, s);
    }
    TKurzDatum TKDatum(int i) const {
        return datum(wurfofs::TKDatum + 4 * idx(i, feldgroesse::TKs));
    }
    void setTKDatum(int i, TKurzDatum d) {
        setDatum(wurfofs::TKDatum + 4 * idx(i, feldgroesse::TKs), d);
    }
    std::uint8_t TKErgebnis(int i) const {
        return u8(wurfofs::TKErgebnis + idx(i, feldgroesse::TKs));
    }
    void setTKErgebnis(int i, std::uint8_t v) {
        setU8(wurfofs::TKErgebnis + idx(i, feldgroesse::TKs), v);
    }
    TKurzDatum WurfTermin(int i) const {
        return datum(wurfofs::WurfTermin + 4 * idx(i, feldgroesse::WurfTermine));
    }
    void setWurfTermin(int i, TKurzDatum d) {
        setDatum(wurfofs::WurfTermin + 4 * idx(i, feldgroesse::WurfTermine), d);
    }
    TKurzDatum Abferkeln() const { return datum(wurfofs::Abferkeln); }
    void setAbferkeln(TKurzDatum d) { setDatum(wurfofs::Abferkeln, d); }
    TKurzDatum Absetzen() const { return datum(wurfofs::Absetzen); }
    void setAbsetzen(TKurzDatum d) { setDatum(wurfofs::Absetzen, d); }
    std::uint8_t Geborene() const { return u8(wurfofs::Geborene); }
    void setGeborene(std::uint8_t v) { setU8(wurfofs::Geborene, v); }
    std::uint8_t Todgeborene() const { return u8(wurfofs::Todgeborene); }
    void setTodgeborene(std::uint8_t v) { setU8(wurfofs::Todgeborene, v); }
    std::uint8_t Weibliche() const { return u8(wurfofs::Weibliche); }
    void setWeibliche(std::uint8_t v) { setU8(wurfofs::Weibliche, v); }
    std::int8_t Ausgleich() const { return i8(wurfofs::Ausgleich); }
    void setAusgleich(std::int8_t v) { setI8(wurfofs::Ausgleich, v); }
    QString FerkelnNote() const { return str(wurfofs::FerkelnNote, feldgroesse::Text); }
    void setFerkelnNote(const QString& s) { setStr(wurfofs::FerkelnNote, feldgroesse::Text, s); }
    std::uint16_t Geburtsgewicht() const { return u16(wurfofs::Geburtsgewicht); }
    void setGeburtsgewicht(std::uint16_t v) { setU16(wurfofs::Geburtsgewicht, v); }
    std::uint16_t Absetzgewicht() const { return u16(wurfofs::Absetzgewicht); }
    void setAbsetzgewicht(std::uint16_t v) { setU16(wurfofs::Absetzgewicht, v); }
    // The weaning weight typed in kg, stored in whole grams as far as the field reaches.
    void setAbsetzgewichtKg(double kg) {
        setAbsetzgewicht(std::uint16_t(std::clamp(std::lround(kg * 1000.0), 0L, 65535L)));
    }
    std::uint16_t Futter(int i) const {
        return u16(wurfofs::Futter + 2 * idx(i, feldgroesse::Futtertage));
    }
    void setFutter(int i, std::uint16_t v) {
        setU16(wurfofs::Futter + 2 * idx(i, feldgroesse::Futtertage), v);
    }
    QString Eintrag(int i) const {
        return str(wurfofs::Eintrag + 16 * idx(i, feldgroesse::Eintraege), feldgroesse::Text);
    }
    void setEintrag(int i, const QString& s) {
        setStr(wurfofs::Eintrag + 16 * idx(i, feldgroesse::Eintraege), feldgroesse::Text, s);
    }
    std::span<const std::uint8_t> EintragZeichen(int i) const {
        return strZeichen(wurfofs::Eintrag + 16 * idx(i, feldgroesse::Eintraege),
                          feldgroesse::Text);
    }
    std::uint8_t Verlusttag(int i) const {
        return u8(wurfofs::Verlusttag + idx(i, feldgroesse::Eintraege));
    }
    void setVerlusttag(int i, std::uint8_t v) {
        setU8(wurfofs::Verlusttag + idx(i, feldgroesse::Eintraege), v);
    }
    QString WurfNotiz() const { return str(wurfofs::WurfNotiz, feldgroesse::WurfNotiz); }
    void setWurfNotiz(const QString& s) { setStr(wurfofs::WurfNotiz, feldgroesse::WurfNotiz, s); }

private:
    // An index outside 1..n lands past the field array, where the bounds check refuses it.
    static std::size_t idx(int i, int n) {
        return i >= 1 && i <= n ? std::size_t(i - 1) : std::size_t(1000);
    }
};
