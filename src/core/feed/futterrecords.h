#pragma once

#include "herd/recordbytes.h"
#include "herd/records.h"

#include <QString>
#include <array>
#include <cstddef>

// The 13 values of a component or mix entry, in this order; the last is the price per dt.
enum TFutterWert : int {
    fwTS = 0,
    fwMJ,
    fwRProt,
    fwLys,
    fwMeth,
    fwStaerk,
    fwRFas,
    fwRFett,
    fwRAsche,
    fwCa,
    fwP,
    fwNa,
    fwPreis
};
constexpr int kFutterWerte = 13;
constexpr int kNaehrwerte = 12;
constexpr int kMischungPosten = 15;

// Labels of the component dialog, the column heads and the decimals shown, by value.
extern const std::array<const char*, kFutterWerte> kWertBezeichnung;
extern const std::array<const char*, kNaehrwerte> kWertKopf;
extern const std::array<int, kFutterWerte> kWertNachkomma;

constexpr std::size_t kKomponenteSize = 100;
constexpr std::size_t kPostenSize = 179;
constexpr std::size_t kMischungSize = 2890;

// One feed component of "KOMPONEN.DAT".
class TKomponentenRec : public ByteRecord<kKomponenteSize> {
public:
    using ByteRecord::ByteRecord;
    static constexpr std::size_t NameOfs = 0, WerteOfs = 21, WaehrungOfs = 99;

    QString Name() const { return str(NameOfs, 20); }
    void setName(const QString& s) { setStr(NameOfs, 20, s); }
    double Wert(int m) const { return real(WerteOfs + 6 * idx(m)); }
    void setWert(int m, double v) { setReal(WerteOfs + 6 * idx(m), v); }
    TWaehrung Waehrung() const { return TWaehrung(u8(WaehrungOfs)); }
    void setWaehrung(TWaehrung w) { setU8(WaehrungOfs, w); }

private:
    // An index outside 0..12 lands past the record, where the bounds check refuses it.
    static std::size_t idx(int m) {
        return m >= 0 && m < kFutterWerte ? std::size_t(m) : std::size_t(1000);
    }
};

// One entry of a mix: fixed flag, share, name, the 13 contents and their contributions.
class TMischungsPosten : public ByteRecord<kPostenSize> {
public:
    using ByteRecord::ByteRecord;
    static constexpr std::size_t FestOfs = 0, AnteilOfs = 1, NameOfs = 7, InhaltOfs = 23,
                                 BeitragOfs = 29;

    bool Fest() const { return u8(FestOfs) != 0; }
    void setFest(bool f) { setU8(FestOfs, f ? 1 : 0); }
    double Anteil() const { return real(AnteilOfs); }
    void setAnteil(double v) { setReal(AnteilOfs, v); }
    QString Name() const { return str(NameOfs, 15); }
    void setName(const QString& s) { setStr(NameOfs, 15, s); }
    double Inhalt(int m) const { return real(InhaltOfs + 12 * idx(m)); }
    void setInhalt(int m, double v) { setReal(InhaltOfs + 12 * idx(m), v); }
    double Beitrag(int m) const { return real(BeitragOfs + 12 * idx(m)); }
    void setBeitrag(int m, double v) { setReal(BeitragOfs + 12 * idx(m), v); }

    bool belegt() const { return !Name().isEmpty(); }
    // The 13 contributions as content x share.
    void beitraegeBerechnen();

private:
    static std::size_t idx(int m) {
        return m >= 0 && m < kFutterWerte ? std::size_t(m) : std::size_t(1000);
    }
};

// One mix of "MISCHUNG.DAT": name and 15 entry slots; the 16th slot is reserved.
class TMischungRec : public ByteRecord<kMischungSize> {
public:
    using ByteRecord::ByteRecord;
    static constexpr std::size_t NameOfs = 0, PostenOfs = 26, ReserveOfs = 2711;

    QString Name() const { return str(NameOfs, 25); }
    void setName(const QString& s) { setStr(NameOfs, 25, s); }
    // Slot i = 0..14.
    TMischungsPosten Posten(int i) const;
    void setPosten(int i, const TMischungsPosten& p);
};
