#pragma once

#include "herd/recordbytes.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// Field offsets of the plan records.
namespace planofs {
// TPlanTermin
constexpr std::size_t Name = 0, ErsterTag = 16, LetzterTag = 18, Kuerzel = 20;
// TPlanTyp, and the older 251-byte plan type record
constexpr std::size_t TypName = 0, StatusFlags = 16, SeitenFlags = 23, Staelle = 28, Gruppe = 348,
                      AlleAuflisten = 350;
constexpr std::size_t AltStaelle = 28, AltGruppe = 248, AltAlleAuflisten = 250;
} // namespace planofs

constexpr std::size_t kPlanTerminSize = 26;
constexpr int kPlanSeiten = 5;
constexpr int kPlanZeilen = 15;
constexpr std::size_t kPlanZeitenSize = kPlanTerminSize * kPlanSeiten * kPlanZeilen; // 1950
constexpr std::size_t kPlanTypSize = 351;
constexpr std::size_t kPlanTypAltSize = 251;
constexpr int kPlanTypStaelle = 20;

// One task: its name, the window of days after the page's base event, and the abbreviation
// the work plan prints (an entry without one never shows in a plan). Byte 25 is padding.
class TPlanTermin : public ByteRecord<kPlanTerminSize> {
public:
    using ByteRecord::ByteRecord;

    static TPlanTermin mit(const QString& name, int ersterTag, int letzterTag,
                           const QString& kuerzel) {
        TPlanTermin t;
        t.setName(name);
        t.setErsterTag(std::int16_t(ersterTag));
        t.setLetzterTag(std::int16_t(letzterTag));
        t.setKuerzel(kuerzel);
        return t;
    }

    QString Name() const { return str(planofs::Name, 15); }
    void setName(const QString& s) { setStr(planofs::Name, 15, s); }
    std::int16_t ErsterTag() const { return i16(planofs::ErsterTag); }
    void setErsterTag(std::int16_t v) { setI16(planofs::ErsterTag, v); }
    std::int16_t LetzterTag() const { return i16(planofs::LetzterTag); }
    void setLetzterTag(std::int16_t v) { setI16(planofs::LetzterTag, v); }
    QString Kuerzel() const { return str(planofs::Kuerzel, 4); }
    void setKuerzel(const QString& s) { setStr(planofs::Kuerzel, 4, s); }
};

// The pages of the plan times, by the event their days count from.
enum TPlanSeite : int {
    psBelegen = 0,
    psAbferkeln = 1,
    psAbsetzen = 2,
    psWurfunabhaengig = 3,
    psEinstallen = 4
};

// The whole plan-times definition: 5 pages of 15 tasks, page after page.
class TPlanZeiten : public ByteRecord<kPlanZeitenSize> {
public:
    using ByteRecord::ByteRecord;

    // page 0..4, row 0..14; anything else is refused by the bounds check.
    TPlanTermin entry(int page, int row) const;
    void setEntry(int page, int row, const TPlanTermin& t);

    static std::size_t offset(int page, int row);
};

// The plan times used while there is no "PLANZEIT.DAT": farrowing 113..115 "Abf.", the
// pregnancy check without abbreviation, weaning 28..30 "Abs", new mating 4..9 "Neub".
TPlanZeiten PlanZeitenStandard();

// One plan type: which sows (by state and by stalls or group) and which pages a plan covers.
// State flags are indexed by the state code 0..6, page flags by the page 0..4, stall slots
// 0..19; 1 means yes.
class TPlanTyp : public ByteRecord<kPlanTypSize> {
public:
    using ByteRecord::ByteRecord;

    // Group values besides the group numbers 0 and up.
    static constexpr std::int16_t NachStaellen = -2;
    static constexpr std::int16_t Jungsauen = -1;

    QString Name() const { return str(planofs::TypName, 15); }
    void setName(const QString& s) { setStr(planofs::TypName, 15, s); }
    std::uint8_t StatusFlag(int status) const { return u8(planofs::StatusFlags + idx(status, 7)); }
    void setStatusFlag(int status, std::uint8_t v) {
        setU8(planofs::StatusFlags + idx(status, 7), v);
    }
    std::uint8_t SeitenFlag(int seite) const { return u8(planofs::SeitenFlags + idx(seite, 5)); }
    void setSeitenFlag(int seite, std::uint8_t v) {
        setU8(planofs::SeitenFlags + idx(seite, 5), v);
    }
    QString Stall(int i) const { return str(planofs::Staelle + 16 * idx(i, kPlanTypStaelle), 15); }
    std::span<const std::uint8_t> StallZeichen(int i) const {
        return strZeichen(planofs::Staelle + 16 * idx(i, kPlanTypStaelle), 15);
    }
    void setStall(int i, const QString& s) {
        setStr(planofs::Staelle + 16 * idx(i, kPlanTypStaelle), 15, s);
    }
    std::int16_t Gruppe() const { return i16(planofs::Gruppe); }
    void setGruppe(std::int16_t g) { setI16(planofs::Gruppe, g); }
    std::uint8_t AlleAuflisten() const { return u8(planofs::AlleAuflisten); }
    void setAlleAuflisten(std::uint8_t v) { setU8(planofs::AlleAuflisten, v); }

    // Clears all 20 stall slots (length byte and text).
    void staelleLeeren();

    // The older 251-byte record: the same fields, stall names of at most 10 characters.
    using AltBytes = std::array<std::uint8_t, kPlanTypAltSize>;
    static TPlanTyp ausAltemSatz(const AltBytes& alt);

private:
    // An index outside 0..n-1 lands past the record, where the bounds check refuses it.
    static std::size_t idx(int i, int n) {
        return i >= 0 && i < n ? std::size_t(i) : std::size_t(1000);
    }
};

// A window of days after a base event, from the plan times.
struct PlanFenster {
    int von = 0;
    int bis = 0;
};
// Farrowing (page 0 row 0), weaning (page 1 row 0) and the pregnancy check (page 0 row 1);
// a check row without days (as in the plan times' defaults) counts 21 to 35 days.
PlanFenster AbferkelFenster(const TPlanZeiten& z);
PlanFenster AbsetzFenster(const TPlanZeiten& z);
PlanFenster TKFenster(const TPlanZeiten& z);
