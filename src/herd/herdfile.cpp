#include "herdfile.h"

#include "platform/messages.h"
#include "saustatus.h"

#include <QHash>
#include <QIODevice>
#include <algorithm>

namespace {

const QString kLesefehler = QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!");

class EberNutzung {
public:
    void eintragen(const QString& name, int tage) {
        auto it = index_.constFind(name);
        if (it == index_.constEnd()) {
            index_.insert(name, int(liste_.size()));
            liste_.emplace_back(name, tage);
        } else if (liste_[std::size_t(*it)].second < tage) {
            liste_[std::size_t(*it)].second = tage;
        }
    }
    const std::vector<std::pair<QString, int>>& liste() const { return liste_; }

private:
    QHash<QString, int> index_;
    std::vector<std::pair<QString, int>> liste_;
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
            if (!r.herde.empty() && r.herde.back().wuerfe.empty())
                r.herde.back().wuerfe.push_back(TWurfRec::leer(1));
            r.herde.push_back(Sau{TSauRec(puffer), {}});
            aktuell = &r.herde.back();
            continue;
        }
        if (!aktuell) continue;
        TWurfRec w(puffer);
        if (!w.Belegen(1).vorhanden() && aktuell->rec.Abgang().vorhanden()) continue;
        for (int k = 1; k <= 3; ++k) {
            const QString name = w.Eber(k);
            if (!name.isEmpty()) eber.eintragen(name, TageZwischen(w.Belegen(k), heuteK));
        }
        aktuell->wuerfe.push_back(w);
    }
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
            block.clear();
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
