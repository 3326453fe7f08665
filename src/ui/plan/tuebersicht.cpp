#include "plan/tuebersicht.h"

#include "controls/herdfolge.h"
#include "entry/tsauwurfeingabe.h"
#include "herd/herdfile.h"
#include "herd/saustatus.h"
#include "platform/csvwriter.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "programm/datensicherung.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

// What an item of the tree stands for.
enum Rolle { rArt = Qt::UserRole, rSau, rWurf, rGruppe, rFaelligkeit };
enum Art { aText, aFaellig, aSau, aOffen, aSicherung };

const char* const kSauFeld[kFaelligkeiten] = {"Abferkeln", "Absetzen", "tkdatum1", "tkdatum1",
                                              "Belegen1"};

QTreeWidgetItem* zeile(QTreeWidgetItem* oben, const QString& text, const QString& wert,
                       int art = aText) {
    auto* it = new QTreeWidgetItem(oben, {text, wert});
    it->setData(0, rArt, art);
    it->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    return it;
}

} // namespace

TUebersicht::TUebersicht(AppContext& ctx, std::optional<Uebersichtsstand> geladen, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("Uebersicht"));
    setWindowTitle(QStringLiteral("Übersicht"));
    setProperty("helpContext", 710);
    Liste = new QTreeWidget;
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setColumnCount(2);
    Liste->setHeaderLabels({QStringLiteral("Punkt"), QStringLiteral("Anzahl / Datum")});
    Liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Liste->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Liste->header()->setStretchLastSection(false);
    Liste->setUniformRowHeights(true);
    Liste->installEventFilter(this);
    connect(Liste, &QTreeWidget::itemExpanded, this, &TUebersicht::sauenEinfuellen);
    connect(Liste, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* it) { oeffnen(it); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(knoepfe());
    layout->addWidget(Liste, 1);
    setFocusProxy(Liste);
    folge_ = new Herdfolge(
        ctx_.meldung, this, [this] { erneuern(); }, true);
    resize(460, 560);
    if (!geladen) {
        erneuern();
        return;
    }
    stand_ = std::move(*geladen);
    bool alle = true;
    folge_->geaenderteSauen(alle); // nothing changed since it was built
    anzeigen();
}

QWidget* TUebersicht::knoepfe() {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    const auto knopf = [&](const char* name, const QString& text, auto wenn) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, wenn);
        l->addWidget(b);
    };
    knopf("DruckBtn", QStringLiteral("&Drucken"), [this] { druckausgabe::drucken(*this, this); });
    knopf("VorschauBtn", QStringLiteral("&Vorschau"),
          [this] { druckausgabe::vorschau(*this, this); });
    knopf("PdfBtn", QStringLiteral("P&DF..."), [this] { druckausgabe::pdfSpeichern(*this, this); });
    knopf("CsvBtn", QStringLiteral("&CSV..."), [this] {
        const QString datei =
            QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"),
                                         QDir::home().filePath(QStringLiteral("Uebersicht.csv")),
                                         QStringLiteral("CSV-Dateien (*.csv)"));
        if (!datei.isEmpty()) csvSchreiben(datei);
    });
    l->addStretch();
    return w;
}

void TUebersicht::erneuern() {
    if (folge_) folge_->erneuert();
    bool alle = true;
    const std::vector<int> sauen = folge_->geaenderteSauen(alle);
    const Uebersichtsrahmen rahmen = UebersichtsrahmenAus(ctx_);
    stand_.erneuern(ctx_.Sauenliste, sauen, alle, rahmen.uebersicht, rahmen.punkte);
    anzeigen();
}

void TUebersicht::anzeigen() {
    const QDate heute = ctx_.heute();
    const HerdUebersicht& u = stand_.uebersicht();
    const QString datei = findFileNoCase(ctx_.Datenpfad, QString::fromLatin1(kHerdeDatei));
    const auto hinweis = datensicherung::SicherungsHinweis(ctx_.einstellungen.lastBackup, heute);
    haushalt_ = {datei.isEmpty() ? QDateTime() : QFileInfo(datei).lastModified(), hinweis.text,
                 hinweis.warnen, int(stand_.offenePunkte())};

    // The lists the farmer had open stay open.
    QList<int> offen;
    for (QTreeWidgetItemIterator it(Liste); *it; ++it)
        if ((*it)->data(0, rArt).toInt() == aFaellig && (*it)->isExpanded())
            offen << (*it)->data(0, rGruppe).toInt() * kFaelligkeiten +
                         (*it)->data(0, rFaelligkeit).toInt();
    Liste->clear();
    auto* bestand = zeile(nullptr, QStringLiteral("Bestand"), QString::number(u.bestand));
    Liste->addTopLevelItem(bestand);
    for (const UebersichtZeile& z : BestandAbschnitt(u).zeilen)
        zeile(bestand, z.text, z.wert);
    for (int gruppe = 0; gruppe < 2; ++gruppe) {
        auto* a = zeile(
            nullptr, gruppe == 0 ? WochenText(u.wochenanfang) : QStringLiteral("Überfällig"), {});
        Liste->addTopLevelItem(a);
        faelligeEintragen(a, gruppe);
    }
    auto* haus = zeile(nullptr, QStringLiteral("Haushalt"), {});
    Liste->addTopLevelItem(haus);
    zeile(haus, QStringLiteral("Zuletzt gespeichert"), GespeichertText(haushalt_.gespeichert));
    auto* sicherung =
        zeile(haus, QStringLiteral("Datensicherung"), haushalt_.sicherung, aSicherung);
    if (haushalt_.sicherungWarnen) sicherung->setForeground(1, QColor(0xb7, 0x1c, 0x1c));
    zeile(haus, QStringLiteral("Offene Punkte"), QString::number(haushalt_.offenePunkte), aOffen);
    for (QTreeWidgetItem* top : {bestand, Liste->topLevelItem(1), Liste->topLevelItem(2), haus})
        top->setExpanded(true);
    for (int k : offen)
        Liste->topLevelItem(1 + k / kFaelligkeiten)->child(k % kFaelligkeiten)->setExpanded(true);
    Liste->setCurrentItem(Liste->topLevelItem(1));
}

void TUebersicht::faelligeEintragen(QTreeWidgetItem* abschnitt, int gruppe) {
    const HerdUebersicht& u = stand_.uebersicht();
    const auto& listen = gruppe == 0 ? u.woche : u.ueberfaellig;
    for (int f = 0; f < kFaelligkeiten; ++f) {
        const auto n = listen[std::size_t(f)].size();
        auto* it = zeile(abschnitt, FaelligkeitText(f), QString::number(n), aFaellig);
        it->setData(0, rGruppe, gruppe);
        it->setData(0, rFaelligkeit, f);
        // The sows come when the line is opened.
        if (n > 0) it->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

void TUebersicht::sauenEinfuellen(QTreeWidgetItem* item) {
    if (item->data(0, rArt).toInt() != aFaellig || item->childCount() > 0) return;
    const int f = item->data(0, rFaelligkeit).toInt();
    const auto& liste =
        (item->data(0, rGruppe).toInt() == 0 ? stand_.uebersicht().woche
                                             : stand_.uebersicht().ueberfaellig)[std::size_t(f)];
    QList<QTreeWidgetItem*> kinder;
    kinder.reserve(qsizetype(liste.size()));
    for (const FaelligeSau& s : liste) {
        const Sau& sau = ctx_.Sauenliste[std::size_t(s.sau)];
        QString text = sau.rec.SauNr();
        if (s.wurf >= 0)
            text += QStringLiteral(", Wurf ") +
                    QString::number(sau.wuerfe[std::size_t(s.wurf)].WurfNr());
        auto* kind = zeile(nullptr, text, KurzDatumText(s.datum), aSau);
        kind->setData(0, rSau, s.sau);
        kind->setData(0, rWurf, s.wurf);
        kind->setData(0, rFaelligkeit, f);
        kinder.push_back(kind);
    }
    item->addChildren(kinder);
}

void TUebersicht::oeffnen(QTreeWidgetItem* item) {
    if (!item) return;
    switch (item->data(0, rArt).toInt()) {
    case aSau: {
        const int f = item->data(0, rFaelligkeit).toInt();
        KarteAmFeldOeffnen(ctx_, this, item->data(0, rSau).toInt(), item->data(0, rWurf).toInt(),
                           QString::fromLatin1(kSauFeld[f]));
        break;
    }
    case aOffen:
        emit offenePunkteGewuenscht();
        break;
    case aSicherung:
        emit sicherungGewuenscht();
        break;
    default:
        item->setExpanded(!item->isExpanded());
    }
}

bool TUebersicht::eventFilter(QObject* o, QEvent* e) {
    if (o == Liste && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            oeffnen(Liste->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TUebersicht::druckInhalt(Canvas& canvas) {
    UebersichtDrucken(canvas, UebersichtAbschnitte(stand_.uebersicht(), ctx_.Sauenliste, haushalt_),
                      ctx_.einstellungen.printerFont);
}

MessageService* TUebersicht::druckMeldungen() const {
    return &ctx_.messages();
}

bool TUebersicht::csvSchreiben(const QString& datei) {
    QString grund;
    if (UebersichtAlsCsv(stand_.uebersicht(), ctx_.Sauenliste, haushalt_).speichern(datei, &grund))
        return true;
    ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return false;
}
