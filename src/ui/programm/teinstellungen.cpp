#include "programm/teinstellungen.h"
#include "controls/dialogknoepfe.h"

#include "controls/enteralstab.h"
#include "controls/tnumedit.h"
#include "herd/textfunktionen.h"
#include "platform/messages.h"
#include "programm/appcontext.h"
#include "programm/indexgewichte.h"
#include "programm/pruefungseite.h"
#include "programm/schnellhilfe.h"
#include "programm/seiteauswertung.h"
#include "stall/stallzugangseite.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QStringList kKomponenten = {QStringLiteral("Notizen zur Sau"),
                                  QStringLiteral("Notizen Vorwurf"),
                                  QStringLiteral("aktueller Wurf"), QStringLiteral("großes Datum"),
                                  QStringLiteral("bisherige Würfe")};

QListWidgetItem* komponente(int nr) {
    auto* it = new QListWidgetItem(kKomponenten.value(nr - 1));
    it->setData(Qt::UserRole, nr);
    return it;
}

struct BoxText {
    const char* name;
    const char* text;
};

} // namespace

TEinstellungen::TEinstellungen(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("Einstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setProperty("helpContext", 600);

    seiten_ = new QTabWidget(this);
    seiten_->setObjectName(QStringLiteral("PageControl1"));
    seiten_->setTabPosition(QTabWidget::South);
    seiten_->addTab(seiteGrund(), QStringLiteral("&Grund"));
    seiten_->addTab(seiteEingabe(), QStringLiteral("&Eingabe"));
    seiten_->addTab(seiteIndex(), QStringLiteral("&Index"));
    seiten_->addTab(seiteBestandskarte(), QStringLiteral("&Bestandskarte"));
    seiten_->addTab(seiteDatenverzeichnis(), QStringLiteral("&Datenverzeichnis"));
    seiten_->addTab(seiteWaehrung(), QStringLiteral("&Währung"));
    seiteAuswertung_ = new SeiteAuswertung(ctx_);
    seiten_->addTab(seiteAuswertung_, QStringLiteral("&Auswertung"));
    pruefung_ = new PruefungSeite(ctx_.messages(), ctx_.einstellungen.waehrung);
    seiten_->addTab(pruefung_, QStringLiteral("&Prüfung"));
    stall_ = new StallzugangSeite(ctx_.messages(), ctx_.einstellungen.waehrung);
    seiten_->addTab(stall_, QStringLiteral("S&tallzugang"));
    connect(seiten_, &QTabWidget::currentChanged, this, &TEinstellungen::seiteGewechselt);

    QDialogButtonBox* buttons = DialogKnoepfe(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seiten_);
    layout->addWidget(buttons);

    boxen_.value(QStringLiteral("CheckBox9"))->setVisible(true);
    boxen_.value(QStringLiteral("CheckBox10"))->setVisible(true);
    new EnterAlsTab(this, [this](QWidget* w) {
        if (w != EditOrdner) return false;
        OrdnerAnlegen();
        return true;
    });
}

// The focus still moves while the widgets go; the window no longer listens by then.
TEinstellungen::~TEinstellungen() {
    disconnect(fokusVerbindung_);
}

QCheckBox* TEinstellungen::box(const char* name, const QString& text) {
    auto* b = new QCheckBox(text);
    b->setObjectName(QString::fromLatin1(name));
    boxen_.insert(b->objectName(), b);
    return b;
}

TNumEdit* TEinstellungen::zahl(const char* name, bool ganz) {
    auto* n = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
    n->setObjectName(QString::fromLatin1(name));
    if (ganz) n->setNumericType(TNumEdit::ntInteger);
    n->setMaximumWidth(90);
    return n;
}

QWidget* TEinstellungen::seiteGrund() {
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    QCheckBox* hilfe = box("CheckBox1", QStringLiteral("Schnellhilfe"));
    connect(hilfe, &QCheckBox::clicked, this, [](bool an) { schnellhilfe::setzen(an); });
    l->addWidget(hilfe);
    l->addWidget(box("CheckBox2", QStringLiteral("Einzelspeicherung ")));
    QCheckBox* backup = box("CheckBox3", QStringLiteral("Backupdatei anlegen"));
    backup->setToolTip(QStringLiteral("Kopie der Daten beim Programmstart"));
    l->addWidget(backup);
    l->addWidget(box("CheckBox6", QStringLiteral("Vollbild beim Start")));
    l->addWidget(box("CheckBox8", QStringLiteral("automatisches Neusortieren")));
    auto* plan = new QGroupBox(QStringLiteral("Arbeitsplan mit"));
    auto* pl = new QHBoxLayout(plan);
    pl->addWidget(box("CheckBox7", QStringLiteral("Stall")));
    pl->addWidget(box("CheckBox11", QStringLiteral("Tage")));
    pl->addWidget(box("CheckBox12", QStringLiteral("Wurf")));
    l->addWidget(plan);
    l->addWidget(box("CheckBox14", QStringLiteral("Kommentare im Ausdruck")));
    auto* gruppen = new QHBoxLayout;
    gruppen->addWidget(new QLabel(QStringLiteral("Gruppenanzahl")));
    NumEdit1 = zahl("NumEdit1", true);
    NumEdit1->setWert(6);
    gruppen->addWidget(NumEdit1);
    gruppen->addWidget(new QLabel(QStringLiteral("+ Gruppe 0 = Umrauscher + Gr. JS = Jungsauen")));
    gruppen->addStretch();
    l->addLayout(gruppen);
    l->addStretch();
    return w;
}

QWidget* TEinstellungen::seiteEingabe() {
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    auto* umfang = new QGroupBox(QStringLiteral("Umfang Ferkeldaten"));
    auto* ul = new QVBoxLayout(umfang);
    ul->addWidget(box("CheckBox10", QStringLiteral("Absetzgewicht erfassen")));
    ul->addWidget(box("CheckBox9", QStringLiteral("Geburtsgewicht erfassen")));
    QCheckBox* weibliche = box("CheckBox4", QStringLiteral("weibliche erfassen"));
    ul->addWidget(weibliche);
    ul->addWidget(box("CheckBox5", QStringLiteral("Futtermengen erfassen")));
    l->addWidget(umfang);
    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"));
    auto* el = new QHBoxLayout(eingabe);
    el->addWidget(new QLabel(QStringLiteral("Eber maximal bei Eingabeauswahl")));
    NumEdit13 = zahl("NumEdit13", true);
    el->addWidget(NumEdit13);
    el->addStretch();
    l->addWidget(eingabe);
    l->addStretch();
    return w;
}

QWidget* TEinstellungen::seiteIndex() {
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    auto* gruppe = new QGroupBox(QStringLiteral("Zusammensetzung des Leistungsindexes in %:"));
    auto* form = new QFormLayout(gruppe);
    // INDEX1 weights weaned piglets, INDEX2 born ones.
    static constexpr BoxText kGewichte[7] = {
        {"NumEdit2", "abgesetzte Ferkel"}, {"NumEdit3", "geborene Ferkel"},
        {"NumEdit4", "Umrauscher"},        {"NumEdit5", "Anomalitäten"},
        {"NumEdit6", "Ausfälle"},          {"NumEdit7", "Wurfanzahl"},
        {"NumEdit12", "weibliche Ferkel"}};
    for (int i = 0; i < 7; ++i) {
        TNumEdit* n = zahl(kGewichte[i].name, true);
        n->setPositivOnly(true);
        n->setValidate(true);
        n->setMin(0);
        n->setMax(100);
        index_[i] = n;
        auto* label = new QLabel(QString::fromUtf8(kGewichte[i].text));
        form->addRow(label, n);
        if (i == 6) {
            LabelWeibliche = label;
            label->setObjectName(QStringLiteral("Label12"));
        }
    }
    // The weight of female piglets only counts while they are entered.
    QCheckBox* weibliche = boxen_.value(QStringLiteral("CheckBox4"));
    const auto folgen = [this](bool an) {
        index_[6]->setVisible(an);
        LabelWeibliche->setVisible(an);
    };
    connect(weibliche, &QCheckBox::toggled, this, folgen);
    l->addWidget(gruppe);
    auto* zeiten = new QGroupBox(QStringLiteral("Zeiten zur Zwischenwurfzeit"));
    auto* zl = new QVBoxLayout(zeiten);
    zl->addWidget(box("CheckBox13", QStringLiteral("letzter Wurf bis Verkauf")));
    zl->addWidget(box("CheckBox15", QStringLiteral("Einstallen bis 1.Belegen")));
    l->addWidget(zeiten);
    l->addStretch();
    return w;
}

QWidget* TEinstellungen::seiteBestandskarte() {
    auto* w = new QWidget;
    auto* l = new QGridLayout(w);
    ListKomponenten = new QListWidget;
    ListKomponenten->setObjectName(QStringLiteral("ListKomponenten"));
    ListAusdruck = new QListWidget;
    ListAusdruck->setObjectName(QStringLiteral("ListAusdruck"));
    auto* hin = new QPushButton(QStringLiteral(">"));
    hin->setObjectName(QStringLiteral("BtnHinzu"));
    auto* zurueck = new QPushButton(QStringLiteral("<"));
    zurueck->setObjectName(QStringLiteral("BtnZurueck"));
    connect(hin, &QPushButton::clicked, this, [this] { KomponenteVerschieben(true); });
    connect(zurueck, &QPushButton::clicked, this, [this] { KomponenteVerschieben(false); });
    l->addWidget(new QLabel(QStringLiteral("Komponenten")), 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Ausdruck")), 0, 2);
    l->addWidget(ListKomponenten, 1, 0, 2, 1);
    l->addWidget(hin, 1, 1, Qt::AlignBottom);
    l->addWidget(zurueck, 2, 1, Qt::AlignTop);
    l->addWidget(ListAusdruck, 1, 2, 2, 1);
    return w;
}

QWidget* TEinstellungen::seiteDatenverzeichnis() {
    auto* w = new QWidget;
    auto* l = new QVBoxLayout(w);
    EditPfad = new QLineEdit;
    EditPfad->setObjectName(QStringLiteral("EditPfad"));
    EditPfad->setReadOnly(true);
    l->addWidget(EditPfad);
    DriveComboBox1 = new QComboBox;
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && DriveComboBox1->findText(v.rootPath()) < 0)
            DriveComboBox1->addItem(v.rootPath());
    l->addWidget(DriveComboBox1);
    verzeichnisse_ = new QFileSystemModel(this);
    verzeichnisse_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    verzeichnisse_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView;
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(verzeichnisse_);
    for (int c = 1; c < verzeichnisse_->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    l->addWidget(DirectoryListBox1, 1);
    connect(DriveComboBox1, &QComboBox::textActivated, this, [this](const QString& laufwerk) {
        DirectoryListBox1->setRootIndex(verzeichnisse_->index(laufwerk));
    });
    connect(DirectoryListBox1, &QTreeView::clicked, this, [this](const QModelIndex& i) {
        EditPfad->setText(PfadMitTrenner(verzeichnisse_->filePath(i)));
    });
    connect(EditPfad, &QLineEdit::textChanged, this, &TEinstellungen::pfadZeigen);
    l->addLayout(neuerOrdnerAufbauen());
    return w;
}

// "Neuer Ordner" opens a small panel for the new folder's name; it goes when the focus leaves.
QHBoxLayout* TEinstellungen::neuerOrdnerAufbauen() {
    auto* neu = new QPushButton(QStringLiteral("Neuer Ordner"));
    neu->setObjectName(QStringLiteral("BtnNeuerOrdner"));
    PanelOrdner = new QWidget;
    PanelOrdner->setObjectName(QStringLiteral("PanelOrdner"));
    auto* pl = new QHBoxLayout(PanelOrdner);
    pl->setContentsMargins(0, 0, 0, 0);
    EditOrdner = new QLineEdit;
    EditOrdner->setObjectName(QStringLiteral("EditOrdner"));
    auto* plus = new QPushButton(QStringLiteral("+"));
    plus->setObjectName(QStringLiteral("BtnPlus"));
    pl->addWidget(EditOrdner);
    pl->addWidget(plus);
    PanelOrdner->hide();
    connect(neu, &QPushButton::clicked, this, [this] {
        EditOrdner->clear();
        PanelOrdner->show();
        EditOrdner->setFocus();
    });
    connect(plus, &QPushButton::clicked, this, &TEinstellungen::OrdnerAnlegen);
    // The panel goes away when the focus leaves it.
    // Tied to the panel so that the connection ends with it.
    fokusVerbindung_ =
        connect(qApp, &QApplication::focusChanged, PanelOrdner, [this](QWidget*, QWidget* jetzt) {
            if (PanelOrdner->isVisible() && jetzt && jetzt->window() == this &&
                !PanelOrdner->isAncestorOf(jetzt))
                PanelOrdner->hide();
        });
    auto* unten = new QHBoxLayout;
    unten->addWidget(neu);
    unten->addWidget(PanelOrdner, 1);
    return unten;
}

QWidget* TEinstellungen::seiteWaehrung() {
    auto* w = new QWidget;
    w->setProperty("helpContext", 404);
    auto* l = new QGridLayout(w);
    l->addWidget(new QLabel(QStringLiteral("Standard-Währung")), 0, 0);
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("Euro"), QStringLiteral("DM"), QStringLiteral("öS"),
                         QStringLiteral("Fr"), QStringLiteral("frei definiert")});
    l->addWidget(ComboBox2, 0, 1, 1, 2);
    l->addWidget(new QLabel(QStringLiteral("1 Euro entspricht")), 1, 0);
    static constexpr BoxText kKurse[3] = {
        {"NumEdit8", "DM"}, {"NumEdit9", "öS"}, {"NumEdit10", "Fr"}};
    for (int i = 0; i < 4; ++i) {
        TNumEdit* n = zahl(i < 3 ? kKurse[i].name : "NumEdit11", false);
        n->setPositiveMask(QStringLiteral("#0.0#####"));
        n->setMaximumWidth(110);
        kurse_[i] = n;
        l->addWidget(n, 1 + i, 1);
        if (i < 3) l->addWidget(new QLabel(QString::fromUtf8(kKurse[i].text)), 1 + i, 2);
    }
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(2);
    Edit1->setMaximumWidth(40);
    l->addWidget(Edit1, 4, 2);
    connect(Edit1, &QLineEdit::editingFinished, this,
            [this] { ComboBox2->setItemText(4, Edit1->text()); });
    CheckBoxEuro = new QCheckBox(QStringLiteral("Eurozeichen verwenden"));
    CheckBoxEuro->setObjectName(QStringLiteral("CheckBoxEuro"));
    EuroView = new QLineEdit;
    EuroView->setObjectName(QStringLiteral("EuroView"));
    EuroView->setReadOnly(true);
    EuroView->setMaximumWidth(40);
    connect(CheckBoxEuro, &QCheckBox::toggled, this,
            [this](bool an) { EuroView->setText(an ? QStringLiteral("€") : QString()); });
    l->addWidget(CheckBoxEuro, 5, 0, 1, 2);
    l->addWidget(EuroView, 5, 2);
    l->setRowStretch(6, 1);
    l->setColumnStretch(3, 1);
    return w;
}

void TEinstellungen::seiteGewechselt(int index) {
    static constexpr int kKontext[6] = {600, 600, 604, 606, 605, 0};
    if (index >= 0 && index < 6 && kKontext[index]) setProperty("helpContext", kKontext[index]);
}

void TEinstellungen::pfadZeigen(const QString& pfad) {
    const QModelIndex i = verzeichnisse_->index(pfad);
    if (!i.isValid()) return;
    DirectoryListBox1->setCurrentIndex(i);
    DirectoryListBox1->scrollTo(i);
}

QString TEinstellungen::gewaehlterPfad() const {
    return EditPfad->text();
}

void TEinstellungen::OrdnerAnlegen() {
    const QString name = LeerzeichenEntfernen(EditOrdner->text());
    if (!name.isEmpty()) {
        const QString neu = PfadMitTrenner(EditPfad->text()) + PfadMitTrenner(name);
        if (QDir().mkpath(neu))
            EditPfad->setText(neu);
        else
            ctx_.messages().error(QStringLiteral("Der Ordner kann nicht angelegt werden."));
    }
    PanelOrdner->hide();
}

void TEinstellungen::KomponenteVerschieben(bool hin) {
    QListWidget* von = hin ? ListKomponenten : ListAusdruck;
    QListWidget* nach = hin ? ListAusdruck : ListKomponenten;
    const int zeile = von->currentRow();
    if (zeile < 0) return;
    nach->addItem(von->takeItem(zeile));
    if (zeile < von->count()) von->setCurrentRow(zeile);
    nach->setCurrentRow(nach->count() - 1);
}

void TEinstellungen::WerteLaden() {
    const Einstellungen& e = ctx_.einstellungen;
    const auto setze = [this](const char* n, bool v) {
        boxen_.value(QString::fromLatin1(n))->setChecked(v);
    };
    setze("CheckBox1", e.schnellhilfe);
    setze("CheckBox2", e.einzelspeicherung);
    setze("CheckBox3", e.backupdatei);
    setze("CheckBox5", e.futtermengen);
    setze("CheckBox6", e.vollbild);
    setze("CheckBox4", e.weibliche);
    setze("CheckBox8", e.autosort);
    setze("CheckBox7", e.mitStall);
    setze("CheckBox11", e.mitTage);
    setze("CheckBox12", e.mitWurf);
    setze("CheckBox9", e.gebGewicht);
    setze("CheckBox10", e.absGewicht);
    setze("CheckBox14", e.mitKommentar);
    setze("CheckBox15", e.mitEinstall);
    setze("CheckBox13", e.mitVerkauf);
    index_[6]->setVisible(e.weibliche);
    LabelWeibliche->setVisible(e.weibliche);
    NumEdit1->setWert(e.maxGruppe);
    NumEdit13->setWert(e.maxEber);
    for (int i = 0; i < 7; ++i)
        index_[i]->setWert(e.index[std::size_t(i)]);
    const Waehrungstabelle& w = e.waehrung;
    for (int i = 0; i < 4; ++i)
        kurse_[i]->setWert(w.kurs[std::size_t(i + 1)]);
    CheckBoxEuro->setChecked(w.kuerzel[0] == QStringLiteral("€"));
    EuroView->setText(CheckBoxEuro->isChecked() ? QStringLiteral("€") : QString());
    Edit1->setText(w.kuerzel[4]);
    ComboBox2->setItemText(4, w.kuerzel[4]);
    ComboBox2->setCurrentIndex(w.anzeige);

    ListAusdruck->clear();
    ListKomponenten->clear();
    QList<int> gedruckt;
    for (int nr : e.item)
        if (nr >= 1 && nr <= 5 && !gedruckt.contains(nr)) gedruckt << nr;
    for (int nr : gedruckt)
        ListAusdruck->addItem(komponente(nr));
    for (int nr = 1; nr <= 5; ++nr)
        if (!gedruckt.contains(nr)) ListKomponenten->addItem(komponente(nr));

    EditPfad->setText(PfadMitTrenner(ctx_.Datenpfad));
    seiteAuswertung_->laden(e);
    pruefung_->laden(e);
    stall_->laden(e);
}

void TEinstellungen::WerteUebernehmen() {
    Einstellungen& e = ctx_.einstellungen;
    const auto an = [this](const char* n) {
        return boxen_.value(QString::fromLatin1(n))->isChecked();
    };
    e.schnellhilfe = an("CheckBox1");
    e.einzelspeicherung = an("CheckBox2");
    e.backupdatei = an("CheckBox3");
    e.futtermengen = an("CheckBox5");
    e.vollbild = an("CheckBox6");
    e.weibliche = an("CheckBox4");
    e.autosort = an("CheckBox8");
    e.mitStall = an("CheckBox7");
    e.mitTage = an("CheckBox11");
    e.mitWurf = an("CheckBox12");
    e.gebGewicht = an("CheckBox9");
    e.absGewicht = an("CheckBox10");
    e.mitKommentar = an("CheckBox14");
    e.mitEinstall = an("CheckBox15");
    e.mitVerkauf = an("CheckBox13");
    e.maxEber = NumEdit13->text().trimmed().isEmpty() ? -1 : int(std::nearbyint(NumEdit13->Wert()));
    e.maxGruppe = NumEdit1->AsInteger();
    for (int i = 0; i < 7; ++i)
        e.index[std::size_t(i)] = index_[i]->AsInteger();
    IndexGewichteNormieren(e.index, e.weibliche);

    Waehrungstabelle& w = e.waehrung;
    w.anzeige = TWaehrung(std::max(0, ComboBox2->currentIndex()));
    for (int i = 0; i < 4; ++i)
        w.kurs[std::size_t(i + 1)] = kurse_[i]->Wert();
    w.kuerzel[4] = Edit1->text().left(2);
    w.kuerzel[0] = CheckBoxEuro->isChecked() ? QStringLiteral("€") : QStringLiteral("E");

    for (std::size_t i = 0; i < e.item.size(); ++i)
        e.item[i] = int(i) < ListAusdruck->count()
                        ? ListAusdruck->item(int(i))->data(Qt::UserRole).toInt()
                        : 0;
    EditPfad->setText(PfadMitTrenner(EditPfad->text()));
    seiteAuswertung_->uebernehmen(e);
    pruefung_->uebernehmen(e);
    stall_->uebernehmen(e);
}
