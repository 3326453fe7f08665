#include "herd/herdfile.h"

#include "platform/codepage.h"
#include "platform/messages.h"
#include "herd/saustatus.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>

namespace {

const QString kLesefehler = QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!");

// Boar usage: each name once, in the order first seen, with its largest day count. Names are
// kept as stored and decoded once each (Windows-1252 decoding is one-to-one).
class EberNutzung {
public:
    void eintragen(std::span<const std::uint8_t> name, int tage) {
        const auto [it, neu] =
            index_.try_emplace(std::string(name.begin(), name.end()), liste_.size());
        if (neu)
            liste_.emplace_back(it->first, tage);
        else if (liste_[it->second].second < tage)
            liste_[it->second].second = tage;
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
    std::unordered_map<std::string, std::size_t> index_;
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

void StatusNeuBerechnen(Herde& herde) {
    for (Sau& sau : herde) {
        const TSauStatus st = SauStatus(sau);
        sau.rec.setStatus(st);
        if (st == stLeereJS)
            sau.rec.setGruppe(-1);
        else if (sau.rec.Gruppe() < 0)
            sau.rec.setGruppe(0);
    }
}

namespace {

// Hands out the device's bytes as 512-byte records, read in large blocks. A record that
// cannot be read whole (cut short at the end, or a failing device) ends the reading and is
// counted, as reading a file record by record gives.
class Satzleser {
public:
    explicit Satzleser(QIODevice& dev) : dev_(dev), puffer_(kBlock) {}

    // The next whole record, or nullptr when there is none.
    const std::uint8_t* naechster() {
        if (fuellung_ - pos_ < kSatz && !nachfuellen()) return nullptr;
        const std::uint8_t* satz = puffer_.data() + pos_;
        pos_ += kSatz;
        return satz;
    }
    // Whether the reading ended with a record that could not be read.
    bool fehler() const { return fehler_; }

private:
    static constexpr std::size_t kSatz = 512;
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

} // namespace

HerdeGelesen HerdeLesen(QIODevice& dev, QDate heute, MessageService& msg) {
    HerdeGelesen r;
    const TKurzDatum heuteK = TKurzDatum::aus(heute);
    EberNutzung eber;
    Sau* aktuell = nullptr;
    // The current sow's litters gather here and move into her list when she is complete, so
    // that every litter list is allocated once and holds no spare room.
    std::vector<TWurfRec> wuerfe;
    const auto sauAbschliessen = [&] {
        if (aktuell) aktuell->wuerfe.assign(wuerfe.begin(), wuerfe.end());
        wuerfe.clear();
    };
    // Room for as many sows as the file has records: only the part that is used is ever
    // touched, so the rest costs address space, not memory, and the list never moves.
    if (!dev.isSequential()) {
        try {
            r.herde.reserve(std::size_t(std::max<qint64>(0, dev.size() - dev.pos()) / 512));
        } catch (const std::bad_alloc&) {
            // Then the list grows as it goes.
        }
    }
    Satzleser leser(dev);
    while (const std::uint8_t* satz = leser.naechster()) {
        if (satz[1] == 0) {
            if (aktuell && wuerfe.empty()) wuerfe.push_back(TWurfRec::leer(1));
            sauAbschliessen();
            aktuell = &r.herde.emplace_back();
            std::copy_n(satz, TSauRec::Size, aktuell->rec.bytes().begin());
            continue;
        }
        if (!aktuell) continue;
        const TWurfRec& w = wuerfe.emplace_back();
        std::copy_n(satz, TWurfRec::Size, wuerfe.back().bytes().begin());
        if (!w.Belegen(1).vorhanden() && aktuell->rec.Abgang().vorhanden()) {
            wuerfe.pop_back();
            continue;
        }
        for (int k = 1; k <= 3; ++k) {
            const auto name = w.EberZeichen(k);
            if (!name.empty()) eber.eintragen(name, TageZwischen(w.Belegen(k), heuteK));
        }
    }
    if (leser.fehler()) {
        ++r.lesefehler;
        msg.error(kLesefehler);
    }
    sauAbschliessen();
    StatusNeuBerechnen(r.herde);
    r.eberliste = EberlisteOrdnen(eber.liste());
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
