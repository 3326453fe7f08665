#include "programm/tdatensicherung.h"

#include "controls/enteralstab.h"
#include "herd/hilfslisten.h"
#include "herd/textfunktionen.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"
#include "programm/einstellungenspeicher.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

using namespace datensicherung;

namespace {

QRadioButton* knopf(QButtonGroup* gruppe, QLayout* layout, const QString& name, const QString& text,
                    int id) {
    auto* b = new QRadioButton(text);
    b->setObjectName(name);
    gruppe->addButton(b, id);
    layout->addWidget(b);
    return b;
}

} // namespace

TDatensicherung::TDatensicherung(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), masken_{QStringLiteral("PV.INI"), QStringLiteral("*.DAT"),
                                          QStringLiteral("NOTIZ.TXT")} {
    setObjectName(QStringLiteral("Datensicherung"));
    setWindowTitle(QStringLiteral("Datensicherung"));
    setProperty("helpContext", 601);
    aufbauen();
    new EnterAlsTab(this);
    if (!HilfslistenSpeichern(ctx_.Hilfslisten, ctx_.Datenpfad, ctx_.messages()))
        ctx_.messages().error(QStringLiteral("Die Hilfslisten konnten nicht gespeichert werden!"));
    fuellen();
    ListBox1->setFocus();
}

void TDatensicherung::aufbauen() {
    auto* haupt = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    auto* Label4 = new QLabel(QStringLiteral("letzte Sicherung:"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::NoFocus);
    oben->addWidget(Label4);
    oben->addWidget(Edit2, 1);
    haupt->addLayout(oben);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(dateilisteAufbauen(), 1);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(zielGruppeAufbauen());

    rechts->addWidget(richtungAufbauen());
    rechts->addWidget(ordnerPanelAufbauen());
    rechts->addStretch();
    mitte->addLayout(rechts, 1);
    haupt->addLayout(mitte, 1);

    fortschrittPanel_ = new QWidget;
    fortschrittPanel_->setObjectName(QStringLiteral("Panel1"));
    auto* fl = new QHBoxLayout(fortschrittPanel_);
    fl->setContentsMargins(0, 0, 0, 0);
    Gauge1 = new QProgressBar;
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    fl->addWidget(Gauge1);
    fortschrittPanel_->hide();
    haupt->addWidget(fortschrittPanel_);

    haupt->addLayout(knoepfeAufbauen());

    for (QWidget* w : findChildren<QWidget*>())
        if (w != ordnerPanel_) w->setProperty("helpContext", 403);

    verbinden();
}

QLayout* TDatensicherung::dateilisteAufbauen() {
    auto* links = new QVBoxLayout;
    auto* Label1 = new QLabel(QStringLiteral("Dateien"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    ListBox1->setMinimumHeight(220);
    Label1->setBuddy(ListBox1);
    links->addWidget(Label1);
    links->addWidget(ListBox1);
    return links;
}

QWidget* TDatensicherung::richtungAufbauen() {
    auto* richtung = new QGroupBox(QStringLiteral("Richtung"));
    richtung->setObjectName(QStringLiteral("Richtung"));
    auto* rl = new QVBoxLayout(richtung);
    Richtung = new QButtonGroup(this);
    knopf(Richtung, rl, QStringLiteral("Richtung_0"), QStringLiteral("&Sicherung"), 0)
        ->setChecked(true);
    knopf(Richtung, rl, QStringLiteral("Richtung_1"), QStringLiteral("&Rücksicherung"), 1);
    return richtung;
}

QHBoxLayout* TDatensicherung::knoepfeAufbauen() {
    auto* knoepfe = new QHBoxLayout;
    StartBtn = new QPushButton(QStringLiteral("Start"));
    StartBtn->setObjectName(QStringLiteral("StartBtn"));
    auto* Abbruch = new QPushButton(QStringLiteral("Abbruch"));
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    auto* BitBtn3 = new QPushButton(QStringLiteral("Hilfe"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton* b : {StartBtn, Abbruch, BitBtn3}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch();
    connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
    return knoepfe;
}

QWidget* TDatensicherung::zielGruppeAufbauen() {
    auto* sich = new QGroupBox(QStringLiteral("Sicherung"));
    sich->setObjectName(QStringLiteral("RadioGroup3"));
    auto* sl = new QVBoxLayout(sich);
    RadioGroup3 = new QButtonGroup(this);
    laufwerk_[0] = knopf(RadioGroup3, sl, QStringLiteral("RadioGroup3_0"), {}, 0);
    laufwerk_[1] = knopf(RadioGroup3, sl, QStringLiteral("RadioGroup3_1"), {}, 1);
    auto* pfadZeile = new QHBoxLayout;
    laufwerk_[2] = new QRadioButton;
    laufwerk_[2]->setObjectName(QStringLiteral("RadioGroup3_2"));
    laufwerk_[2]->setAccessibleName(QStringLiteral("Ordner"));
    RadioGroup3->addButton(laufwerk_[2], 2);
    EditPfad = new QLineEdit;
    EditPfad->setObjectName(QStringLiteral("EditPfad"));
    EditPfad->setMinimumWidth(220);
    EditPfad->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("..."));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setFixedWidth(32);
    pfadZeile->addWidget(laufwerk_[2]);
    pfadZeile->addWidget(EditPfad, 1);
    pfadZeile->addWidget(Button1);
    sl->addLayout(pfadZeile);
    medienBeschriften();
    return sich;
}

void TDatensicherung::verbinden() {
    connect(RadioGroup3, &QButtonGroup::idClicked, this, [this](int id) {
        EditPfad->setFocusPolicy(id == 2 ? Qt::StrongFocus : Qt::NoFocus);
        fuellen();
    });
    connect(Richtung, &QButtonGroup::idClicked, this, [this] { fuellen(); });
    connect(Button1, &QPushButton::clicked, this, [this] {
        ordnerPanel_->setVisible(!ordnerPanel_->isVisible());
        if (ordnerPanel_->isVisible()) DirectoryListBox1->setFocus();
    });
    connect(StartBtn, &QPushButton::clicked, this, &TDatensicherung::starten);
}

QWidget* TDatensicherung::ordnerPanelAufbauen() {
    ordnerPanel_ = new QWidget;
    ordnerPanel_->setObjectName(QStringLiteral("OrdnerPanel"));
    auto* l = new QVBoxLayout(ordnerPanel_);
    l->setContentsMargins(0, 0, 0, 0);
    DriveComboBox1 = new QComboBox;
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->addItem(QDir::homePath());
    for (const QString& m : Wechselmedien())
        DriveComboBox1->addItem(m);
    DriveComboBox1->addItem(QStringLiteral("/"));
    ordnerModell_ = new QFileSystemModel(this);
    ordnerModell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    ordnerModell_->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView;
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(ordnerModell_);
    for (int c = 1; c < ordnerModell_->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setRootIndex(ordnerModell_->index(QDir::homePath()));
    DirectoryListBox1->setMinimumHeight(160);
    auto* Button2 = new QPushButton(QStringLiteral("Ordner &übernehmen"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    l->addWidget(DriveComboBox1);
    l->addWidget(DirectoryListBox1);
    l->addWidget(Button2);
    ordnerPanel_->hide();
    connect(DriveComboBox1, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { DirectoryListBox1->setRootIndex(ordnerModell_->index(t)); });
    connect(Button2, &QPushButton::clicked, this, &TDatensicherung::ordnerUebernehmen);
    return ordnerPanel_;
}

void TDatensicherung::medienBeschriften() {
    medien_ = Wechselmedien();
    for (int i = 0; i < 2; ++i) {
        QString text = i == 0 ? QStringLiteral("Laufwerk &A:") : QStringLiteral("Laufwerk &B:");
        const bool da = i < medien_.size();
        if (da) text += QStringLiteral(" (%1)").arg(QDir(medien_[i]).dirName());
        laufwerk_[i]->setText(text);
        laufwerk_[i]->setEnabled(da);
        laufwerk_[i]->setToolTip(da ? medien_[i]
                                    : QStringLiteral("Kein Wechseldatenträger eingesteckt"));
    }
}

void TDatensicherung::ordnerUebernehmen() {
    const QModelIndex i = DirectoryListBox1->currentIndex();
    if (i.isValid()) EditPfad->setText(PfadMitTrenner(ordnerModell_->filePath(i)));
    ordnerPanel_->hide();
    laufwerk_[2]->setChecked(true);
    EditPfad->setFocusPolicy(Qt::StrongFocus);
    fuellen();
}

void TDatensicherung::EditPfadExit() {
    const QString p = PfadMitTrenner(EditPfad->text());
    if (p != EditPfad->text()) EditPfad->setText(p);
    // Restoring from the folder: the list follows a folder typed anew.
    if (!sicherung() && laufwerk_[2]->isChecked() && zielVerzeichnis() != gefuellt_) fuellen();
}

bool TDatensicherung::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the folder field, however it is left, gives its text the separator.
    if (watched == EditPfad && event->type() == QEvent::FocusOut) EditPfadExit();
    if (watched == EditPfad && event->type() == QEvent::MouseButtonPress &&
        !laufwerk_[2]->isChecked()) {
        laufwerk_[2]->setChecked(true);
        EditPfad->setFocusPolicy(Qt::StrongFocus);
        fuellen();
    }
    return QDialog::eventFilter(watched, event);
}

void TDatensicherung::SicherungOeffnen(const QString& ziel, const QStringList& masken) {
    masken_ = masken;
    // The last target that worked; a folder when that was a medium no longer inserted.
    const Zielwahl wahl = ZielVorschlagen(ziel, int(medien_.size()), StandardOrdner());
    laufwerk_[wahl.item]->setChecked(true);
    if (wahl.item == 2) EditPfad->setText(wahl.ordner);
    EditPfad->setFocusPolicy(laufwerk_[2]->isChecked() ? Qt::StrongFocus : Qt::NoFocus);
    fuellen();
}

void TDatensicherung::ZielHolen(QString& ziel) const {
    switch (RadioGroup3->checkedId()) {
    case 0:
        ziel = QStringLiteral("A:");
        break;
    case 1:
        ziel = QStringLiteral("B:");
        break;
    default:
        ziel = PfadMitTrenner(EditPfad->text());
    }
}

bool TDatensicherung::sicherung() const {
    return Richtung->checkedId() != 1;
}

QString TDatensicherung::zielVerzeichnis() const {
    const int id = RadioGroup3->checkedId();
    if (id == 0 || id == 1) return id < medien_.size() ? medien_[id] : QString();
    if (id == 2) return PfadMitTrenner(EditPfad->text().trimmed());
    return {};
}

void TDatensicherung::fuellen() {
    QDateTime letzte;
    if (!DatumLesen(ctx_.einstellungen.lastBackup, letzte)) {
        ctx_.messages().error(ctx_.einstellungen.lastBackup +
                              QStringLiteral(" ist kein gültiges Datum"));
        ctx_.einstellungen.lastBackup = QString::fromLatin1(kStandardDatum);
        DatumLesen(ctx_.einstellungen.lastBackup, letzte);
    }
    Edit2->setText(LetzteSicherungText(ctx_.einstellungen.lastBackup));
    const QString quelle = sicherung() ? ctx_.Datenpfad : zielVerzeichnis();
    gefuellt_ = sicherung() ? QString() : quelle;
    liste_ = {};
    if (sicherung() || !quelle.isEmpty())
        liste_ = DateienSammeln(quelle, masken_, sicherung(), letzte,
                                sicherung() ? ctx_.einstellungsDatei : QString());
    ListBox1->clear();
    for (std::size_t i = 0; i < liste_.eintraege.size(); ++i) {
        ListBox1->addItem(liste_.eintraege[i].name);
        ListBox1->item(int(i))->setSelected(liste_.gewaehlt[i]);
    }
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void TDatensicherung::starten() {
    QStringList namen;
    for (int i = 0; i < ListBox1->count(); ++i)
        if (ListBox1->item(i)->isSelected()) namen << ListBox1->item(i)->text();
    if (namen.isEmpty()) {
        ctx_.messages().information(QStringLiteral("Es ist keine Datei ausgewählt."));
        return;
    }
    const QString ziel = zielVerzeichnis();
    if (ziel.isEmpty()) {
        ctx_.messages().error(
            RadioGroup3->checkedId() == 2
                ? QStringLiteral("Bitte einen Ordner für die Sicherung angeben.")
                : QStringLiteral("Für dieses Laufwerk ist kein Datenträger eingelegt."));
        return;
    }
    if (sicherung())
        sichern(namen, ziel);
    else
        zuruecksichern(namen, ziel);
}

// Copies the chosen files to `ziel` and notes the day of the backup.
void TDatensicherung::sichern(const QStringList& namen, const QString& ziel) {
    const Ergebnis e = mitFortschritt([&](const Fortschritt& f) {
        return Sichern(ctx_.Datenpfad, ctx_.einstellungsDatei, namen, ziel, f);
    });
    if (!e.ok) {
        ctx_.messages().error(e.meldung);
        return;
    }
    ctx_.einstellungen.lastBackup = DatumText(QDateTime::currentDateTime());
    Edit2->setText(ctx_.einstellungen.lastBackup);
    if (!EinstellungenSchreiben(ctx_.einstellungsDatei, ctx_.einstellungen))
        ctx_.messages().error(QStringLiteral("Die Einstellungen konnten nicht in %1 "
                                             "gespeichert werden!")
                                  .arg(ctx_.einstellungsDatei));
    ctx_.messages().information(e.meldung);
    accept();
}

// After the farmer's word, keeps the present files aside, copies the chosen ones back from
// `ziel` and reads everything anew.
void TDatensicherung::zuruecksichern(const QStringList& namen, const QString& ziel) {
    if (ctx_.messages().question(
            QStringLiteral("Die Rücksicherung ersetzt diese Dateien im Datenverzeichnis:\n%1\n\n"
                           "Der bisherige Stand wird vorher aufgehoben. Fortfahren?")
                .arg(namen.join(QStringLiteral(", "))),
            MessageService::Buttons::YesNoDefaultNo) != MessageService::Answer::Yes)
        return;
    const Ergebnis e = mitFortschritt([&](const Fortschritt& f) {
        return Zuruecksichern(ctx_.Datenpfad, ctx_.einstellungsDatei, namen, ziel,
                              QDateTime::currentDateTime(), f);
    });
    if (e.aufgehoben.isEmpty()) {
        ctx_.messages().error(e.meldung);
        return;
    }
    // Whatever arrived is what the program works with from now on.
    zurueckgesichert_ = true;
    {
        Wartecursor warten;
        NeuLaden(ctx_);
    }
    if (!e.ok) {
        ctx_.messages().error(e.meldung);
        return;
    }
    ctx_.messages().information(e.meldung);
    accept();
}

Ergebnis
TDatensicherung::mitFortschritt(const std::function<Ergebnis(const Fortschritt&)>& ablauf) {
    Gauge1->setRange(0, 1000);
    Gauge1->setValue(0);
    fortschrittPanel_->show();
    setEnabled(false);
    // The progress lets events through: the whole herd is held, so that no booking from the
    // barn changes it under the copy or saves it over restored files.
    const OffenMarke halten(ctx_.geoeffnet, -1, true);
    const Ergebnis e = ablauf([this](qint64 fertig, qint64 gesamt) {
        if (gesamt > 0) Gauge1->setValue(int(fertig * 1000 / gesamt));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    });
    setEnabled(true);
    fortschrittPanel_->hide();
    return e;
}
