#include "herdfile.h"

#include "platform/codepage.h"
#include "platform/messages.h"
#include "saustatus.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace {

const QString kLesefehler = QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!");

// Boar usage keyed by the name's bytes as stored (length byte, then the characters), so that
// a litter costs no text conversion; Windows-1252 decoding is one-to-one, so equal bytes are
// equal names. Names are decoded once each, in the order they were first seen.
class EberNutzung {
public:
    // `feld` is a string[10] field with a length byte other than 0.
    void eintragen(const std::uint8_t* feld, int tage) {
        const std::size_t laenge = std::min<std::size_t>(feld[0], 10);
        Schluessel k{};
        std::copy(feld, feld + 1 + laenge, k.begin());
        k[0] = std::uint8_t(laenge);
        const auto [it, neu] = index_.try_emplace(k, liste_.size());
        if (neu)
            liste_.push_back({k, tage});
        else if (liste_[it->second].tage < tage)
            liste_[it->second].tage = tage;
    }
    std::vector<std::pair<QString, int>> liste() const {
        std::vector<std::pair<QString, int>> out;
        out.reserve(liste_.size());
        for (const Eintrag& e : liste_)
            out.emplace_back(cp1252::decode(e.name.data() + 1, e.name[0]), e.tage);
        return out;
    }

private:
    using Schluessel = std::array<std::uint8_t, 11>;
    struct Hash {
        std::size_t operator()(const Schluessel& k) const {
            return std::hash<std::string_view>()(
                std::string_view(reinterpret_cast<const char*>(k.data()), k.size()));
        }
    };
    struct Eintrag {
        Schluessel name;
        int tage;
    };
    std::unordered_map<Schluessel, std::size_t, Hash> index_;
    std::vector<Eintrag> liste_;
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
    TSauRec::Bytes puffer;
    for (;;) {
        const qint64 vorher = dev.pos();
        const qint64 n = dev.read(reinterpret_cast<char*>(puffer.data()), qint64(puffer.size()));
        if (n == 0) break;
        if (n != qint64(puffer.size())) {
            ++r.lesefehler;
            msg.error(kLesefehler);
            // A device that neither delivers nor moves on has nothing more to give.
            if (n < 0 && dev.pos() == vorher) break;
            if (dev.atEnd()) break;
            continue;
        }
        if (puffer[1] == 0) {
            if (aktuell && wuerfe.empty()) wuerfe.push_back(TWurfRec::leer(1));
            sauAbschliessen();
            aktuell = &r.herde.emplace_back();
            aktuell->rec.bytes() = puffer;
            continue;
        }
        if (!aktuell) continue;
        const TWurfRec& w = wuerfe.emplace_back(puffer);
        if (!w.Belegen(1).vorhanden() && aktuell->rec.Abgang().vorhanden()) {
            wuerfe.pop_back();
            continue;
        }
        for (int k = 1; k <= 3; ++k) {
            const std::uint8_t* name = puffer.data() + wurfofs::Eber + 11 * std::size_t(k - 1);
            if (name[0] != 0) eber.eintragen(name, TageZwischen(w.Belegen(k), heuteK));
        }
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
