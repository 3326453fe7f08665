#pragma once

#include <QStringList>
#include <array>

class QIODevice;
class MessageService;
class QString;

// Seven short vocabularies: 0 breeds, 1 loss causes, 2 vaccinations and medications,
// 3 origins and buyers, 4 remarks, 5 stalls, 6 unused.
using THilfslisten = std::array<QStringList, 7>;

// The lists by number, as the file keeps them.
enum Hilfsliste : std::size_t {
    hlRassen = 0,
    hlAusfallursachen = 1,
    hlBehandlungen = 2,
    hlHerkunft = 3, // origins and buyers
    hlBemerkungen = 4,
    hlStaelle = 5,
};

inline constexpr const char* kHilfslistenDatei = "HilfsLst.DAT";
inline constexpr int kHilfslistenSatz = 128;

// Reads 128-byte records into `listen` (appending). A record that cannot be read whole ends
// the reading with "Lesefehler in Datei HILFSLST.DAT!"; what was read stays.
void HilfslistenLesen(QIODevice& dev, THilfslisten& listen, MessageService& msg);
bool HilfslistenSchreiben(QIODevice& dev, const THilfslisten& listen);

// The same on the file in `verzeichnis`; a missing file leaves the lists empty.
void HilfslistenLaden(THilfslisten& listen, const QString& verzeichnis, MessageService& msg);
// Writes atomically; tells the user when the file cannot be written.
bool HilfslistenSpeichern(const THilfslisten& listen, const QString& verzeichnis,
                          MessageService& msg);
