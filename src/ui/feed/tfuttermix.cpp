#include "feed/tfuttermix.h"

#include "controls/enteralstab.h"
#include "controls/fensterschliessen.h"
#include "controls/kindfenster.h"
#include "controls/tnumedit.h"
#include "feed/futterdateien.h"
#include "feed/mischungsbericht.h"
#include "feed/tkomponente.h"
#include "herd/waehrung.h"
#include "platform/csvwriter.h"
#include "platform/messages.h"
#include "programm/appcontext.h"

#include "platform/safewrite.h"
#include "platform/wartecursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

QPushButton* knopf(const char* name, const QString& text, const QString& hinweis = {}) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hinweis);
    b->setAutoDefault(false);
    return b;
}

// Name and the 12 values with their decimals, then the price.
QStringList werteZellen(const QString& name, const std::array<double, kFutterWerte>& w) {
    QStringList z{QString(), QString(), name};
    for (int m = 0; m < kFutterWerte; ++m)
        z << FutterZahl(w[std::size_t(m)], kWertNachkomma[std::size_t(m)]);
    return z;
}

} // namespace

TFuttermix::TFuttermix(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx), mix_(ctx) {
    setObjectName(QStringLiteral("Futtermix"));
    setWindowTitle(QStringLiteral("Futtermischung"));
    setProperty("helpContext", 800);

    auto* nameLabel = new QLabel(QStringLiteral("Mischungsname"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setMinimumWidth(250);
    ComboBox1->lineEdit()->setMaxLength(25);
    nameLabel->setBuddy(ComboBox1);

    kopfModell_ = new QStandardItemModel(0, 16, this);
    HeaderControl1 = new QHeaderView(Qt::Horizontal);
    HeaderControl1->setObjectName(QStringLiteral("HeaderControl1"));
    HeaderControl1->setModel(kopfModell_);
    HeaderControl1->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HeaderControl1->setStretchLastSection(false);
    HeaderControl1->setFixedHeight(HeaderControl1->fontMetrics().height() + 8);

    listenBauen();
    summen_ = new SummenFeld(enden_, this);
    summen_->setFixedHeight(summen_->sizeHint().height());
    ZielInfo = new QLabel;
    ZielInfo->setObjectName(QStringLiteral("ZielInfo"));
    panel_ = knoepfeBauen();

    auto* oben = new QHBoxLayout;
    oben->addWidget(nameLabel);
    oben->addWidget(ComboBox1);
    oben->addStretch();
    auto* unten = new QHBoxLayout;
    unten->setSpacing(0);
    unten->addWidget(panel_, 0, Qt::AlignTop);
    unten->addWidget(ListBox2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addLayout(oben);
    layout->addWidget(HeaderControl1);
    layout->addWidget(ListBox1);
    layout->addWidget(summen_);
    layout->addWidget(ZielInfo);
    layout->addLayout(unten, 1);

    for (const TMischungRec& m : mix_.Mischungen)
        ComboBox1->addItem(m.Name());
    ComboBox1->setCurrentIndex(-1);
    editorenVerstecken();
    komponentenZeigen();
    mischungZeigen();
    verbinden();
    new EnterAlsTab(this);
    resize(1000, 640);
}

void TFuttermix::listenBauen() {
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("Komponenten in der Mischung"));
    ListBox1->setItemDelegate(new ZeilenDelegate(
        enden_, [] { return 0; }, ListBox1));
    ListBox2 = new QListWidget;
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setToolTip(QStringLiteral("Futterkomponenten zur Auswahl"));
    ListBox2->setProperty("enterSelbst", true);
    ListBox2->setItemDelegate(new ZeilenDelegate(
        enden_,
        [this] {
            return ListBox2->viewport()->mapTo(this, QPoint()).x() -
                   ListBox1->viewport()->mapTo(this, QPoint()).x();
        },
        ListBox2));

    CheckBox1 = new QCheckBox(ListBox1->viewport());
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(QStringLiteral("fester Bestandteil"));
    NumEdit1 = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung, ListBox1->viewport());
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setToolTip(QStringLiteral("Mischungsanteil kg/kg"));
    NumEdit1->setPositiveMask(QStringLiteral("0.000"));
    NumEdit1->setAlignment(Qt::AlignRight);
    const int zeile = NumEdit1->sizeHint().height();
    ListBox1->setFixedHeight(zeile * kMischungPosten + 2 * ListBox1->frameWidth());
    ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QWidget* TFuttermix::knoepfeBauen() {
    auto* p = new QWidget;
    p->setObjectName(QStringLiteral("Panel1"));
    auto* l = new QVBoxLayout(p);
    l->setContentsMargins(0, 0, 4, 0);
    HinzufuegenBtn = knopf("HinzufuegenBtn", QStringLiteral("&Hinzufügen"),
                           QStringLiteral("zur Mischung hinzufügen"));
    EntfernenBtn = knopf("EntfernenBtn", QStringLiteral("&Entfernen"),
                         QStringLiteral("aus der Mischung entfernen"));
    ZielBtn =
        knopf("ZielBtn", QStringLiteral("&Ziel"), QStringLiteral("Vorgabewerte für Mischung"));
    OptimierenBtn = knopf("OptimierenBtn", QStringLiteral("&Optimieren"),
                          QStringLiteral("Mischung optimieren"));
    SpeichernBtn = knopf("SpeichernBtn", QStringLiteral("Speichern"));
    QPushButton* druck = knopf("DruckBtn", QStringLiteral("Drucken"));
    QPushButton* vorschau = knopf("VorschauBtn", QStringLiteral("&Vorschau"));
    QPushButton* pdf = knopf("PdfBtn", QStringLiteral("PDF..."));
    QPushButton* csv = knopf("CsvBtn", QStringLiteral("CSV..."));
    for (QPushButton* b : {HinzufuegenBtn, EntfernenBtn, ZielBtn, OptimierenBtn, SpeichernBtn,
                           druck, vorschau, pdf, csv}) {
        l->addWidget(b);
        b->installEventFilter(this);
    }
    l->addStretch();
    connect(druck, &QPushButton::clicked, this, [this] { druckausgabe::drucken(*this, this); });
    connect(vorschau, &QPushButton::clicked, this, [this] { druckausgabe::vorschau(*this, this); });
    connect(pdf, &QPushButton::clicked, this, [this] { druckausgabe::pdfSpeichern(*this, this); });
    connect(csv, &QPushButton::clicked, this, &TFuttermix::CsvBtnClick);
    return p;
}

void TFuttermix::verbinden() {
    connect(HinzufuegenBtn, &QPushButton::clicked, this, &TFuttermix::HinzufuegenBtnClick);
    connect(EntfernenBtn, &QPushButton::clicked, this, &TFuttermix::EntfernenBtnClick);
    connect(ZielBtn, &QPushButton::clicked, this, &TFuttermix::ZielBtnClick);
    connect(OptimierenBtn, &QPushButton::clicked, this, &TFuttermix::OptimierenBtnClick);
    connect(SpeichernBtn, &QPushButton::clicked, this, [this] { SpeichernBtnClick(); });
    connect(ListBox2, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { KomponenteBearbeiten(ListBox2->row(i), false); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFuttermix::editorenZeigen);
    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool an) {
        mix_.FestSetzen(ListBox1->currentRow(), an);
        mischungZeigen();
    });
    connect(NumEdit1, &TNumEdit::verlassen, this, &TFuttermix::NumEdit1Exit);
    connect(ComboBox1, &QComboBox::activated, this, &TFuttermix::ComboBox1Waehlen);
    connect(HeaderControl1, &QHeaderView::sectionResized, this, [this] {
        if (!imLayout_) spaltenAusKopf();
    });
    ListBox1->installEventFilter(this);
    for (QObject* o : {static_cast<QObject*>(ComboBox1), static_cast<QObject*>(ListBox2),
                       static_cast<QObject*>(NumEdit1), static_cast<QObject*>(CheckBox1)})
        o->installEventFilter(this);
}

QString TFuttermix::preisKopf() const {
    const Waehrungstabelle& w = ctx_.einstellungen.waehrung;
    return QStringLiteral(" Preis in ") + w.kuerzelVon(w.anzeige);
}

void TFuttermix::spaltenAnlegen() {
    const QFontMetrics fm = ListBox1->fontMetrics();
    const int versatz = ListBox2->viewport()->mapTo(this, QPoint()).x() -
                        ListBox1->viewport()->mapTo(this, QPoint()).x();
    const auto breiten = Spaltenbreiten(ListBox1->viewport()->width(),
                                        fm.horizontalAdvance(QStringLiteral("Fest")) + 8, versatz,
                                        fm.horizontalAdvance(QStringLiteral("############")));
    QStringList koepfe{QStringLiteral("Fest"), QStringLiteral("Menge"), QStringLiteral("Name")};
    for (const char* k : kWertKopf)
        koepfe << QString::fromUtf8(k);
    koepfe << preisKopf();
    kopfModell_->setHorizontalHeaderLabels(koepfe);
    imLayout_ = true;
    for (int i = 0; i < 16; ++i)
        HeaderControl1->resizeSection(i, breiten[std::size_t(i)]);
    imLayout_ = false;
    enden_ = EndenAusBreiten(breiten);
    ListBox1->viewport()->update();
    ListBox2->viewport()->update();
    summen_->update();
    editorenZeigen(CheckBox1->isVisible() ? ListBox1->currentRow() : -1);
}

void TFuttermix::spaltenAusKopf() {
    std::array<int, 16> breiten{};
    for (int i = 0; i < 16; ++i)
        breiten[std::size_t(i)] = HeaderControl1->sectionSize(i);
    enden_ = EndenAusBreiten(breiten);
    ListBox1->viewport()->update();
    ListBox2->viewport()->update();
    summen_->update();
}

void TFuttermix::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    spaltenAnlegen();
}

void TFuttermix::komponentenZeigen() {
    const int zeile = ListBox2->currentRow();
    ListBox2->clear();
    const Waehrungstabelle& w = ctx_.einstellungen.waehrung;
    for (const TKomponentenRec& k : mix_.Komponenten) {
        std::array<double, kFutterWerte> werte{};
        for (int m = 0; m < kNaehrwerte; ++m)
            werte[std::size_t(m)] = k.Wert(m);
        werte[fwPreis] = Umrechnen(w, k.Waehrung(), k.Wert(fwPreis));
        auto* item = new QListWidgetItem(k.Name(), ListBox2);
        item->setData(Qt::UserRole, werteZellen(k.Name(), werte));
    }
    auto* neu = new QListWidgetItem(QStringLiteral("> neu"), ListBox2);
    neu->setData(Qt::UserRole, QStringList{QString(), QString(), neu->text()});
    ListBox2->setCurrentRow(zeile >= 0 && zeile < ListBox2->count() ? zeile
                                                                    : ListBox2->count() - 1);
}

void TFuttermix::mischungZeigen() {
    const int zeile = ListBox1->currentRow();
    const QSignalBlocker sperre(ListBox1);
    ListBox1->clear();
    const int hoehe = NumEdit1->sizeHint().height();
    for (int i = 0; i < mix_.Anzahl; ++i) {
        const TMischungsPosten& p = mix_.Posten[std::size_t(i)];
        std::array<double, kFutterWerte> b{};
        for (int m = 0; m < kFutterWerte; ++m)
            b[std::size_t(m)] = p.Beitrag(m);
        QStringList z = werteZellen(p.Name(), b);
        z[0] = p.Fest() ? QStringLiteral("X") : QString();
        z[1] = FutterZahl(p.Anteil(), 3);
        auto* item = new QListWidgetItem(p.Name(), ListBox1);
        item->setData(Qt::UserRole, z);
        item->setSizeHint(QSize(10, hoehe));
    }
    ListBox1->setCurrentRow(std::min(zeile, mix_.Anzahl - 1));
    QStringList summen = werteZellen(QString(), mix_.Summen);
    std::array<double, kFutterWerte> ziele{};
    std::copy(mix_.Ziele.begin(), mix_.Ziele.end(), ziele.begin());
    QStringList zielZellen = werteZellen(QString(), ziele);
    zielZellen.removeLast();
    summen_->setZeilen(summen, zielZellen);
    if (CheckBox1->isVisible()) editorenZeigen(ListBox1->currentRow());
    freigeben();
}

void TFuttermix::editorenZeigen(int zeile) {
    QListWidgetItem* item = ListBox1->item(zeile);
    if (!item || zeile >= mix_.Anzahl) {
        editorenVerstecken();
        return;
    }
    const QRect r = ListBox1->visualItemRect(item);
    const TMischungsPosten& p = mix_.Posten[std::size_t(zeile)];
    CheckBox1->setGeometry(2, r.y(), std::max(16, enden_[0] - 2), r.height());
    CheckBox1->setChecked(p.Fest());
    NumEdit1->setGeometry(enden_[0], r.y(), std::max(40, enden_[1] - enden_[0]), r.height());
    if (!NumEdit1->hasFocus()) NumEdit1->setWert(p.Anteil());
    CheckBox1->show();
    NumEdit1->show();
}

void TFuttermix::editorenVerstecken() {
    CheckBox1->hide();
    NumEdit1->hide();
}

void TFuttermix::freigeben() {
    const bool eintraege = mix_.Anzahl > 0;
    EntfernenBtn->setEnabled(eintraege);
    OptimierenBtn->setEnabled(eintraege);
    SpeichernBtn->setEnabled(eintraege);
}

int TFuttermix::namensIndex() const {
    const QString text = ComboBox1->currentText();
    const int i = ComboBox1->currentIndex();
    if (i >= 0 && ComboBox1->itemText(i) == text) return i;
    return ComboBox1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TFuttermix::namenAbgleichen() {
    const QSignalBlocker sperre(ComboBox1);
    ComboBox1->clear();
    for (const TMischungRec& m : mix_.Mischungen)
        ComboBox1->addItem(m.Name());
    ComboBox1->setCurrentIndex(mix_.Index);
    if (mix_.Index < 0) ComboBox1->setEditText(mix_.Name);
}

void TFuttermix::KomponenteBearbeiten(int zeile, bool einfuegen) {
    const int anzahl = int(mix_.Komponenten.size());
    if (zeile < 0 || zeile > anzahl) return;
    const bool neu = zeile == anzahl || einfuegen;
    TKomponentenRec rec;
    if (neu)
        rec.setWaehrung(ctx_.einstellungen.waehrung.anzeige);
    else
        rec = mix_.Komponenten[std::size_t(zeile)];
    TKomponente dlg(ctx_, rec, TKomponente::Komponente, this);
    if (dlg.exec() != QDialog::Accepted) return;
    if (einfuegen)
        mix_.KomponenteEinfuegen(zeile, dlg.Satz());
    else
        mix_.KomponenteSetzen(zeile, dlg.Satz());
    komponentenZeigen();
    ListBox2->setCurrentRow(zeile);
}

void TFuttermix::HinzufuegenBtnClick() {
    const int slot = mix_.Hinzufuegen(ListBox2->currentRow());
    if (slot < 0) return;
    mischungZeigen();
    ListBox1->setCurrentRow(slot);
}

void TFuttermix::EntfernenBtnClick() {
    const int zeile = mix_.Entfernen(ListBox1->currentRow());
    mischungZeigen();
    ListBox1->setCurrentRow(zeile);
}

void TFuttermix::ZielBtnClick() {
    TKomponentenRec ziel;
    ziel.setName(QStringLiteral("Ziel"));
    for (int m = 0; m < kNaehrwerte; ++m)
        ziel.setWert(m, mix_.Ziele[std::size_t(m)]);
    TKomponente dlg(ctx_, ziel, TKomponente::Ziel, this);
    if (dlg.exec() == QDialog::Accepted) {
        const TKomponentenRec r = dlg.Satz();
        std::array<double, kNaehrwerte> z{};
        for (int m = 0; m < kNaehrwerte; ++m)
            z[std::size_t(m)] = r.Wert(m);
        mix_.ZieleSetzen(z);
    }
    mix_.Geaendert = true;
    mischungZeigen();
}

void TFuttermix::OptimierenBtnClick() {
    const OptimierAusgang aus = [this] {
        Wartecursor warten;
        const OptimierAusgang a = mix_.Optimieren();
        mischungZeigen();
        return a;
    }();
    ZielInfo->clear();
    if (!aus.ok) {
        QString text = QStringLiteral("Es konnte kein Optimum ermittelt werden.\n"
                                      "Bitte überprüfen Sie die Vorgaben.");
        if (!aus.unvereinbar.isEmpty())
            text += QStringLiteral("\nNicht gleichzeitig erreichbar: ") +
                    aus.unvereinbar.join(QStringLiteral(", "));
        if (!aus.verfehlt.isEmpty())
            text += QStringLiteral("\nNicht erreicht: ") + aus.verfehlt.join(QStringLiteral(", "));
        ctx_.messages().error(text);
    } else if (!aus.bindend.isEmpty()) {
        ZielInfo->setText(QStringLiteral("Bindende Vorgaben: ") +
                          aus.bindend.join(QStringLiteral(", ")));
    }
}

bool TFuttermix::SpeichernBtnClick() {
    const bool ok = mix_.SpeicherAbfrage(ComboBox1->currentText(), namensIndex());
    namenAbgleichen();
    mischungZeigen();
    return ok;
}

bool TFuttermix::CsvSpeichern(const QString& datei) {
    QString grund;
    if (MischungAlsCsv(mix_, preisKopf()).speichern(datei, &grund)) return true;
    ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return false;
}

void TFuttermix::CsvBtnClick() {
    const QString name = mix_.Name.trimmed().isEmpty() ? druckTitel() : mix_.Name.trimmed();
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"),
                                     QDir::home().filePath(name + QStringLiteral(".csv")),
                                     QStringLiteral("CSV-Dateien (*.csv)"));
    if (!datei.isEmpty()) CsvSpeichern(datei);
}

void TFuttermix::druckInhalt(Canvas& canvas) {
    const Waehrungstabelle& w = ctx_.einstellungen.waehrung;
    MischungDrucken(canvas, mix_, ctx_.einstellungen.printerFont, w.kuerzelVon(w.anzeige));
}

void TFuttermix::ComboBox1Enter() {
    mix_.Name = ComboBox1->currentText();
    mix_.Index = namensIndex();
    mix_.NameEingegeben = true;
}

void TFuttermix::ComboBox1Waehlen(int index) {
    if (index < 0 || index >= int(mix_.Mischungen.size()) || index == mix_.Index) return;
    if (mix_.Geaendert && mix_.NameEingegeben) {
        const int vorher = mix_.Index;
        const std::size_t anzahl = mix_.Mischungen.size();
        if (!mix_.SpeicherAbfrage(mix_.Name, mix_.Index)) {
            namenAbgleichen();
            return;
        }
        // A deleted mix before the chosen one moves it up.
        if (mix_.Mischungen.size() < anzahl && vorher < index) --index;
    }
    mix_.Laden(index);
    mix_.Geaendert = false;
    namenAbgleichen();
    editorenVerstecken();
    ZielInfo->clear();
    mischungZeigen();
}

void TFuttermix::ComboBox1Exit() {
    const QString text = ComboBox1->currentText();
    const int i = ComboBox1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0) {
        ComboBox1Waehlen(i);
        return;
    }
    // A new name keeps the current entries as a new mix.
    mix_.Name = text;
    mix_.Index = -1;
}

void TFuttermix::NumEdit1Exit() {
    const int zeile = ListBox1->currentRow();
    if (zeile < 0 || zeile >= mix_.Anzahl) return;
    mix_.AnteilSetzen(zeile, NumEdit1->Wert());
    mischungZeigen();
}

bool TFuttermix::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Resize && (o == ListBox1 || o == ListBox2)) {
        spaltenAnlegen(); // the lists have their new size only after the window's
    } else if (e->type() == QEvent::FocusIn) {
        const auto grund = static_cast<QFocusEvent*>(e)->reason();
        if (o == ComboBox1 && grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason)
            ComboBox1Enter();
        else if (o == ListBox2 || qobject_cast<QPushButton*>(o))
            editorenVerstecken();
    } else if (e->type() == QEvent::FocusOut && o == ComboBox1) {
        const auto grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason) ComboBox1Exit();
    } else if (e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (o == ListBox2) {
            const int zeile = ListBox2->currentRow();
            const bool komponente = zeile >= 0 && zeile < int(mix_.Komponenten.size());
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                KomponenteBearbeiten(zeile, false);
                return true;
            }
            if (taste == Qt::Key_Insert && komponente) {
                KomponenteBearbeiten(zeile, true);
                return true;
            }
            if (taste == Qt::Key_Delete && komponente) {
                mix_.KomponenteLoeschen(zeile);
                komponentenZeigen();
                ListBox2->setCurrentRow(0);
                return true;
            }
        } else if ((o == NumEdit1 || o == CheckBox1) &&
                   (taste == Qt::Key_Up || taste == Qt::Key_Down)) {
            const int zeile = ListBox1->currentRow() + (taste == Qt::Key_Up ? -1 : 1);
            if (zeile < 0 || zeile >= std::min(mix_.Anzahl, kMischungPosten)) return true;
            auto* editor = static_cast<QWidget*>(o);
            ListBox1->setFocus(); // leaving the share field stores it
            ListBox1->setCurrentRow(zeile);
            editorenZeigen(zeile);
            editor->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TFuttermix::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        FensterSchliessen(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void TFuttermix::closeEvent(QCloseEvent* e) {
    // A name still being typed counts as entered, as if the box had been left.
    if (ComboBox1->hasFocus()) ComboBox1Exit();
    if (SpeichernBtnClick())
        e->accept();
    else
        e->ignore();
}

TFuttermix* FuttermixOeffnen(AppContext& ctx, QMdiArea* mdi) {
    auto* w = new TFuttermix(ctx);
    KindfensterZeigen(mdi, w, QSize(1040, 680));
    return w;
}
