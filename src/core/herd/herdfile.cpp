#include "herd/herdfile.h"

#include "herd/saustatus.h"
#include "platform/codepage.h"
#include "platform/messages.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

const QString kLesefehler = QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!");

// Boar usage: each name once, in the order first seen, with its largest day count. Names are
// kept as stored and decoded once each (Windows-1252 decoding is one-to-one).
class EberNutzung {
public:
    void eintragen(std::span<const std::uint8_t> name, int tage) {
        // Looked up by the stored bytes: a name becomes a string only when it is new.
        const std::string_view text(reinterpret_cast<const char*>(name.data()), name.size());
        auto it = index_.find(text);
        if (it == index_.end()) {
            it = index_.emplace(std::string(text), liste_.size()).first;
            liste_.emplace_back(it->first, tage);
        } else if (liste_[it->second].second < tage) {
            liste_[it->second].second = tage;
        }
    }
    std::vector<std::pair<QString, int>> liste() const {
        std::vector<std::pair<QString, int>> out;
        out.reserve(liste_.size());
        for (const auto& [name, tage] : liste_)
            out.emplace_back(
                cp1252::decode(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()),
                tage);
        return out;
    }

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view t) const {
            return std::hash<std::string_view>{}(t);
        }
    };
    std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>> index_;
    std::vector<std::pair<std::string, int>> liste_;
};

} // namespace

QStringList EberlisteOrdnen(const std::vector<std::pair<QString, int>>& nutzung) {
    // The order of the text key "%4d" + name compared without case.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(nutzung.size());
    for (const auto& [name, tage] : nutzung)
        keyed.emplace_back(QStringLiteral("%1").arg(tage, 4) + name, name);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    QStringList out;
    out.reserve(qsizetype(keyed.size()));
    for (const auto& k : keyed)
        out.append(k.second);
    return out;
}

void StatusNeuBerechnen(Sau& sau) {
    const TSauStatus st = SauStatus(sau);
    sau.rec.setStatus(st);
    if (st == stLeereJS)
        sau.rec.setGruppe(-1);
    else if (sau.rec.Gruppe() < 0)
        sau.rec.setGruppe(0);
}

void StatusNeuBerechnen(Herde& herde) {
    for (Sau& sau : herde)
        StatusNeuBerechnen(sau);
}

namespace {

// Hands out the device's bytes as 512-byte records, read in large blocks: a sow record, then
// the litter records that follow it, together in memory. A record that cannot be read whole
// (cut short at the end, or a failing device) ends the reading and is counted, as reading a
// file record by record gives.
class Satzleser {
public:
    static constexpr std::size_t kSatz = 512;

    explicit Satzleser(QIODevice& dev) : dev_(dev), puffer_(kBlock) {}

    // The next whole record, or nullptr when there is none.
    const std::uint8_t* naechster() {
        if (fuellung_ - pos_ < kSatz && !nachfuellen()) return nullptr;
        const std::uint8_t* satz = puffer_.data() + pos_;
        pos_ += kSatz;
        return satz;
    }
    // The litter records (second byte not 0) that follow the record handed out last, whole
    // ones only, one after another in memory; the reading goes on after them. A run longer
    // than the block widens the buffer.
    std::span<const std::uint8_t> wurfLauf() {
        std::size_t ende = pos_;
        for (;;) {
            while (fuellung_ - ende >= kSatz && puffer_[ende + 1] != 0)
                ende += kSatz;
            if (fuellung_ - ende >= kSatz || ende_) break;
            const std::size_t lauf = ende - pos_;
            if (pos_ == 0 && fuellung_ == puffer_.size()) puffer_.resize(puffer_.size() * 2);
            nachfuellen(); // keeps the run: it starts at pos_
            ende = pos_ + lauf;
        }
        const std::span<const std::uint8_t> lauf(puffer_.data() + pos_, ende - pos_);
        pos_ = ende;
        return lauf;
    }
    // Whether the reading ended with a record that could not be read.
    bool fehler() const { return fehler_; }

private:
    static constexpr std::size_t kBlock = kSatz * 128;

    bool nachfuellen() {
        if (ende_) return false;
        const std::size_t rest = fuellung_ - pos_;
        std::memmove(puffer_.data(), puffer_.data() + pos_, rest);
        fuellung_ = rest;
        pos_ = 0;
        while (fuellung_ < puffer_.size()) {
            const qint64 n = dev_.read(reinterpret_cast<char*>(puffer_.data() + fuellung_),
                                       qint64(puffer_.size() - fuellung_));
            if (n <= 0) {
                ende_ = true;
                // A failing device, or bytes of a record that ends with the file.
                fehler_ = n < 0 || fuellung_ % kSatz != 0;
                break;
            }
            fuellung_ += std::size_t(n);
        }
        return fuellung_ >= kSatz;
    }

    QIODevice& dev_;
    std::vector<std::uint8_t> puffer_;
    std::size_t fuellung_ = 0;
    std::size_t pos_ = 0;
    bool ende_ = false;
    bool fehler_ = false;
};

// A departed sow keeps no litter without a first mating.
bool wurfBleibt(const std::uint8_t* satz, bool abgegangen) {
    return !abgegangen || recordbytes::datum(satz, Satzleser::kSatz, wurfofs::Belegen).vorhanden();
}

// The sow's litters straight from the file's run into her list, allocated once at its size;
// their boars counted.
void wuerfeUebernehmen(Sau& sau, std::span<const std::uint8_t> lauf, TKurzDatum heute,
                       EberNutzung& eber) {
    const bool abgegangen = sau.rec.Abgang().vorhanden();
    const std::size_t saetze = lauf.size() / Satzleser::kSatz;
    std::size_t bleiben = 0;
    for (std::size_t i = 0; i < saetze; ++i)
        bleiben += wurfBleibt(lauf.data() + i * Satzleser::kSatz, abgegangen) ? 1 : 0;
    sau.wuerfe.reserve(bleiben);
    for (std::size_t i = 0; i < saetze; ++i) {
        const auto satz = lauf.subspan(i * Satzleser::kSatz).first<TWurfRec::Size>();
        if (!wurfBleibt(satz.data(), abgegangen)) continue;
        const TWurfRec& w = sau.wuerfe.emplace_back(satz);
        for (int k = 1; k <= 3; ++k) {
            const auto name = w.EberZeichen(k);
            if (!name.empty()) eber.eintragen(name, TageZwischen(w.Belegen(k), heute));
        }
    }
}

void herdeLesen(HerdeGelesen& r, QIODevice& dev, QDate heute, MessageService& msg,
                const SauGelesen& gelesen) {
    const TKurzDatum heuteK = TKurzDatum::aus(heute);
    EberNutzung eber;
    Satzleser leser(dev);
    while (const std::uint8_t* satz = leser.naechster()) {
        if (satz[1] != 0) continue; // litters before the first sow belong to none
        if (!r.herde.empty()) {
            // A sow followed by another one has at least a blank litter. Her state is worked
            // out now, while her records are at hand.
            Sau& vorige = r.herde.back();
            if (vorige.wuerfe.empty()) vorige.wuerfe.push_back(TWurfRec::leer(1));
            StatusNeuBerechnen(vorige);
            if (gelesen.sau) gelesen.sau(vorige, int(r.herde.size() - 1));
        }
        if (r.herde.size() == r.herde.capacity() && gelesen.vorVerschieben)
            gelesen.vorVerschieben();
        Sau& sau = r.herde.emplace_back(
            Sau{TSauRec(std::span<const std::uint8_t, TSauRec::Size>(satz, TSauRec::Size)), {}});
        wuerfeUebernehmen(sau, leser.wurfLauf(), heuteK, eber);
    }
    if (leser.fehler()) {
        ++r.lesefehler;
        msg.error(kLesefehler);
    }
    if (!r.herde.empty()) {
        StatusNeuBerechnen(r.herde.back());
        if (gelesen.sau) gelesen.sau(r.herde.back(), int(r.herde.size() - 1));
    }
    r.eberliste = EberlisteOrdnen(eber.liste());
}

} // namespace

HerdeGelesen HerdeLesen(QIODevice& dev, QDate heute, MessageService& msg,
                        const SauGelesen& gelesen) {
    HerdeGelesen r;
    // Room for as many sows as the file has records: only the part that is used is ever
    // touched, so the rest costs address space, not memory, and the list never moves.
    if (!dev.isSequential()) {
        try {
            r.herde.reserve(std::size_t(std::max<qint64>(0, dev.size() - dev.pos()) / 512));
        } catch (const std::bad_alloc&) {
            // Then the list grows as it goes.
        }
    }
    try {
        herdeLesen(r, dev, heute, msg, gelesen);
    } catch (...) {
        // The sows given go with the list: the work on them ends first.
        if (gelesen.vorVerschieben) gelesen.vorVerschieben();
        throw;
    }
    return r;
}

bool HerdeSchreiben(QIODevice& dev, const Herde& herde) {
    // Buffered in blocks so that a large herd goes out in few system calls.
    QByteArray block;
    constexpr qsizetype kBlock = 512 * 256;
    block.reserve(kBlock + 512);
    const auto anhaengen = [&](const auto& bytes) {
        block.append(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        if (block.size() >= kBlock) {
            if (dev.write(block) != block.size()) return false;
            block.resize(0); // keeps the buffer for the next block
        }
        return true;
    };
    for (const Sau& sau : herde) {
        TSauRec::Bytes s = sau.rec.bytes();
        std::fill(s.begin() + sauofs::Listenverweis, s.begin() + sauofs::Listenverweis + 4, 0);
        if (!anhaengen(s)) return false;
        for (const TWurfRec& w : sau.wuerfe)
            if (!anhaengen(w.bytes())) return false;
    }
    return block.isEmpty() || dev.write(block) == block.size();
}
