#include "herd/hilfslisten.h"

#include "platform/codepage.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"

#include <QFile>
#include <algorithm>
#include <array>

namespace {

// One record, however the device hands out its bytes: the bytes read, short only at the end
// or on an error (-1 when nothing could be read).
qint64 satzLesen(QIODevice& dev, std::uint8_t* ziel) {
    qint64 gelesen = 0;
    while (gelesen < qint64(kHilfslistenSatz)) {
        const qint64 n =
            dev.read(reinterpret_cast<char*>(ziel) + gelesen, qint64(kHilfslistenSatz) - gelesen);
        if (n <= 0) return n < 0 && gelesen == 0 ? -1 : gelesen;
        gelesen += n;
    }
    return gelesen;
}

} // namespace

void HilfslistenLesen(QIODevice& dev, THilfslisten& listen, MessageService& msg) {
    std::array<std::uint8_t, kHilfslistenSatz> satz{};
    for (;;) {
        const qint64 n = satzLesen(dev, satz.data());
        if (n == 0) return;
        if (n != kHilfslistenSatz) {
            msg.error(QStringLiteral("Lesefehler in Datei HILFSLST.DAT!"));
            return;
        }
        if (satz[0] > 6) continue;
        const std::size_t laenge = std::min<std::size_t>(satz[1], 15);
        listen[satz[0]].append(cp1252::decode(satz.data() + 2, laenge));
    }
}

bool HilfslistenSchreiben(QIODevice& dev, const THilfslisten& listen) {
    QByteArray out;
    for (std::size_t nr = 0; nr < listen.size(); ++nr) {
        for (const QString& eintrag : listen[nr]) {
            QByteArray satz(kHilfslistenSatz, '\0');
            const QByteArray text = cp1252::encode(eintrag.left(15));
            satz[0] = char(nr);
            satz[1] = char(text.size());
            std::copy(text.begin(), text.end(), satz.begin() + 2);
            out += satz;
        }
    }
    return dev.write(out) == out.size();
}

void HilfslistenLaden(THilfslisten& listen, const QString& verzeichnis, MessageService& msg) {
    for (QStringList& l : listen)
        l.clear();
    QFile f(findFileNoCase(verzeichnis, QString::fromLatin1(kHilfslistenDatei)));
    if (!f.open(QIODevice::ReadOnly)) return;
    HilfslistenLesen(f, listen, msg);
}

bool HilfslistenSpeichern(const THilfslisten& listen, const QString& verzeichnis,
                          MessageService& msg) {
    const QString pfad = findFileNoCase(verzeichnis, QString::fromLatin1(kHilfslistenDatei));
    QString grund;
    if (writeFileSafely(
            pfad, [&](QIODevice& d) { return HilfslistenSchreiben(d, listen); }, {}, &grund))
        return true;
    msg.error(SchreibFehlerText(QString::fromLatin1(kHilfslistenDatei), pfad, grund));
    return false;
}
