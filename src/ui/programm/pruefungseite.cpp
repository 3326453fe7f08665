#include "programm/pruefungseite.h"

#include "controls/tnumedit.h"
#include "herd/einstellungen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

struct Grenze {
    const char* name;
    const char* text;
    int PruefGrenzen::*wert;
};

constexpr Grenze kGrenzen[10] = {
    {"MaxLebend", "lebend geborene höchstens", &PruefGrenzen::maxLebend},
    {"MaxTot", "tot geborene höchstens", &PruefGrenzen::maxTot},
    {"MinTragezeit", "Tragezeit mindestens (Tage)", &PruefGrenzen::minTragezeit},
    {"MaxTragezeit", "Tragezeit höchstens (Tage)", &PruefGrenzen::maxTragezeit},
    {"MinBelegen", "Belegen frühestens nach Absetzen (Tage)",
     &PruefGrenzen::minBelegenNachAbsetzen},
    {"Zukunft", "Datum höchstens nach heute (Tage)", &PruefGrenzen::zukunftTage},
    {"Ueberfaellig", "Abferkeln, Absetzen überfällig nach (Tage)", &PruefGrenzen::ueberfaelligTage},
    {"TKTage", "Trächtigkeitskontrolle spätestens (Tage)", &PruefGrenzen::tkTage},
    {"OhneEreignis", "ohne Eintrag höchstens (Tage)", &PruefGrenzen::ohneEreignisTage},
    {"JSTage", "Jungsauen belegen ab Einstallung (Tage)", &PruefGrenzen::jsTage},
};

} // namespace

PruefungSeite::PruefungSeite(MessageService& msg, const Waehrungstabelle& waehrung, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("SeitePruefung"));
    auto* l = new QVBoxLayout(this);
    auto* gruppe = new QGroupBox(QStringLiteral("Grenzen der Prüfung"));
    auto* form = new QFormLayout(gruppe);
    for (std::size_t i = 0; i < grenzen_.size(); ++i) {
        auto* n = new TNumEdit(msg, waehrung);
        n->setObjectName(QString::fromLatin1(kGrenzen[i].name));
        n->setNumericType(TNumEdit::ntInteger);
        n->setMaximumWidth(90);
        grenzen_[i] = n;
        form->addRow(QString::fromUtf8(kGrenzen[i].text), n);
    }
    l->addWidget(gruppe);
    Warnen = new QCheckBox(QStringLiteral("Warnungen bei der Eingabe"));
    Warnen->setObjectName(QStringLiteral("Warnen"));
    l->addWidget(Warnen);
    UebersichtStart = new QCheckBox(QStringLiteral("Übersicht beim Start"));
    UebersichtStart->setObjectName(QStringLiteral("UebersichtStart"));
    l->addWidget(UebersichtStart);
    l->addStretch();
}

void PruefungSeite::laden(const Einstellungen& e) {
    for (std::size_t i = 0; i < grenzen_.size(); ++i)
        grenzen_[i]->setWert(e.pruefung.*kGrenzen[i].wert);
    Warnen->setChecked(e.pruefung.warnen);
    UebersichtStart->setChecked(e.uebersichtBeimStart);
}

void PruefungSeite::uebernehmen(Einstellungen& e) const {
    for (std::size_t i = 0; i < grenzen_.size(); ++i)
        e.pruefung.*kGrenzen[i].wert = grenzen_[i]->AsInteger();
    e.pruefung.warnen = Warnen->isChecked();
    e.uebersichtBeimStart = UebersichtStart->isChecked();
}
