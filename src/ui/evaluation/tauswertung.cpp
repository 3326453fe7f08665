#include "evaluation/tauswertung.h"

#include "controls/enteralstab.h"
#include "controls/fensterschliessen.h"
#include "controls/kindfenster.h"
#include "entry/tsauauswahl.h"
#include "evaluation/tausfallzeitp.h"
#include "evaluation/tauswertungfilter.h"
#include "platform/fortschrittsbalken.h"
#include "platform/messages.h"
#include "platform/paintercanvas.h"
#include "platform/recordingcanvas.h"
#include "programm/appcontext.h"

#include "platform/safewrite.h"
#include "platform/wartecursor.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

namespace {

const QString kSchrift = QStringLiteral("MS Sans Serif");

// A white pane whose painting is handed to its window.
class Flaeche : public QWidget {
public:
    Flaeche(std::function<void(QPainter&)> malen, QWidget* parent = nullptr)
        : QWidget(parent), malen_(std::move(malen)) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        malen_(p);
    }

private:
    std::function<void(QPainter&)> malen_;
};

QToolButton* detailKnopf(const char* name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("…"));
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

// The working copy walks the whole herd when the herd changed since the last one.
std::shared_ptr<const Auswertungskopie> kopieren(AppContext& ctx) {
    Wartecursor warten;
    return Herdenkopie(ctx);
}

} // namespace

TAuswertungBasis::TAuswertungBasis(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), kopie_(kopieren(ctx)) {}

TAuswertung::TAuswertung(AppContext& ctx, QWidget* parent) : TAuswertungBasis(ctx, parent) {
    setObjectName(QStringLiteral("Auswertung"));
    setWindowTitle(QStringLiteral("Auswertung"));
    setProperty("helpContext", 310);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(kSchrift, 8, QFont::Bold));

    PaintBox1 = new Flaeche([this](QPainter& p) { kopfMalen(p); });
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true); // the pane takes the client area, at least its own size
    PaintBox2 = new Flaeche([this](QPainter& p) { kennzahlenMalen(p); });
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    ScrollBox1->setWidget(PaintBox2);
    BitBtn1 = detailKnopf("BitBtn1", PaintBox2);
    BitBtn2 = detailKnopf("BitBtn2", PaintBox2);
    connect(BitBtn1, &QToolButton::clicked, this, &TAuswertung::BitBtn1Click);
    connect(BitBtn2, &QToolButton::clicked, this, &TAuswertung::BitBtn2Click);
    Button1 = new QPushButton(QStringLiteral("Zeitpunkt"), PaintBox2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    Gauge1 = new QProgressBar;
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: maroon; }"));
    Gauge1->hide();

    auto* knoepfe = new QHBoxLayout;
    const auto knopf = [&](const char* name, const QString& text, auto wenn) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, wenn);
        knoepfe->addWidget(b);
    };
    knopf("DruckBtn", QStringLiteral("&Drucken"), [this] { druckanfrage(); });
    knopf("VorschauBtn", QStringLiteral("&Vorschau"),
          [this] { druckausgabe::vorschau(*this, this); });
    knopf("PdfBtn", QStringLiteral("&PDF..."), [this] { druckausgabe::pdfSpeichern(*this, this); });
    knopf("CsvBtn", QStringLiteral("&CSV..."), [this] {
        const QString datei =
            QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"), QString(),
                                         QStringLiteral("CSV-Dateien (*.csv)"));
        if (!datei.isEmpty()) csvSpeichern(datei);
    });
    knoepfe->addStretch();

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(PaintBox1);
    l->addWidget(ScrollBox1, 1);
    l->addWidget(Gauge1);
    l->addLayout(knoepfe);
    PaintBox1->setFixedHeight(std::max(27, 2 * zeilenhoehe()));
    resize(640, 480);
    new EnterAlsTab(this);
}

int TAuswertung::zeilenhoehe() const {
    const QFontMetrics fm(font());
    return std::max(1, int(std::lround(fm.height() * 1.25)));
}

void TAuswertung::SauWurfAuswerten(int sauIndex, int wurfInListe) {
    SauWurfWaehlen(stand_, kopie(), ctx_.Sauenliste[std::size_t(sauIndex)], sauIndex, wurfInListe);
    setWindowTitle(QStringLiteral("Sau /Wurf"));
    berechnen();
}

void TAuswertung::SauAuswerten(int sauIndex) {
    SauWaehlen(stand_, sauIndex);
    setWindowTitle(QStringLiteral("Sau"));
    berechnen();
}

void TAuswertung::HerdeAuswerten(TAuswertungsModus modus, const TAuswertungsFilter& filter) {
    HerdeWaehlen(stand_, modus, filter);
    setWindowTitle(QStringLiteral("Auswertung  ") + Filterbeschreibung(stand_.filter));
    berechnen();
}

void TAuswertung::berechnen() {
    const bool herde = stand_.Modus == amEber || stand_.Modus == amAuswahl;
    std::optional<Wartecursor> warten;
    if (herde) {
        Gauge1->setRange(0, std::max(0, kopie().sauenAnzahl() - 1));
        Gauge1->show();
        warten.emplace();
    }
    KennzahlenBerechnen(stand_, kopie(), ctx_.einstellungen, Fortschrittsbalken(Gauge1));
    if (herde) Gauge1->hide();
    warten.reset();
    neuLayouten();
}

void TAuswertung::neuLayouten() {
    const bool ausgelassen = stand_.Modus == amSauWurf && stand_.Wurf < 0;
    zeilen_ = ausgelassen ? std::vector<KennzahlZeile>{}
                          : KennzahlZeilen(stand_, ctx_.einstellungen, false);
    const int h = zeilenhoehe();
    RecordingCanvas mass(0, 0);
    const KennzahlPane pane = KennzahlenZeichnen(mass, zeilen_, stand_.Modus, h);
    const auto setzen = [&](QWidget* w, int y, int x) {
        w->setVisible(y >= 0);
        if (y >= 0) w->setGeometry(x, y, w == Button1 ? 80 : h, h);
    };
    setzen(BitBtn1, pane.anomalienY, 200);
    setzen(BitBtn2, stand_.Modus == amEber ? -1 : pane.ausfaelleY, 200);
    // Right of the counts that end at 440, so that it hides neither the label of the row below
    // "Ausfälle" (the replacement rate) nor a loss listed there.
    setzen(Button1, stand_.Modus == amAuswahl ? pane.zeitpunktY : -1, 460);

    int hoehe = 17 * h;
    if (stand_.AnomalienOffen) hoehe += int(stand_.Summe.AnomalieListe.size() + 1) * h;
    if (stand_.AusfaelleOffen) hoehe += int(stand_.Summe.AusfallListe.size() + 1) * h;
    PaintBox2->setMinimumSize(600, std::max(hoehe, pane.hoehe + h));
    PaintBox1->update();
    PaintBox2->update();
}

void TAuswertung::kopfMalen(QPainter& p) {
    PainterCanvas c(p, PaintBox1->width(), PaintBox1->height());
    c.setFont(kSchrift, 8, Canvas::Bold);
    KopfZeichnen(c, stand_, kopie(), zeilenhoehe());
}

void TAuswertung::kennzahlenMalen(QPainter& p) {
    PainterCanvas c(p, PaintBox2->width(), PaintBox2->height());
    c.setFont(kSchrift, 8, Canvas::Bold);
    if (stand_.Modus == amSauWurf && stand_.Wurf < 0) {
        c.drawText(0, 0, QString::fromUtf8(kNichtAusgewertet));
        return;
    }
    KennzahlenZeichnen(c, zeilen_, stand_.Modus, zeilenhoehe());
}

void TAuswertung::BitBtn1Click() {
    stand_.AnomalienOffen = !stand_.AnomalienOffen;
    neuLayouten();
}

void TAuswertung::BitBtn2Click() {
    stand_.AusfaelleOffen = !stand_.AusfaelleOffen;
    neuLayouten();
}

QWidget* TAuswertung::Button1Click() {
    return AusfallzeitpunktOeffnen(stand_.Summe.Verlusttage, this);
}

bool TAuswertung::csvSpeichern(const QString& datei) {
    const QByteArray b = AuswertungCsv(stand_, kopie(), ctx_.einstellungen);
    QString grund;
    if (writeFileSafely(
            datei, [&b](QIODevice& d) { return d.write(b) == b.size(); }, {}, &grund))
        return true;
    ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return false;
}

void TAuswertung::druckInhalt(Canvas& canvas) {
    AuswertungDrucken(canvas, stand_, kopie(), ctx_.einstellungen);
}

void TAuswertung::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        FensterSchliessen(this);
        return;
    }
    TAuswertungBasis::keyPressEvent(e);
}

TAuswertung* AuswertungOeffnen(AppContext& ctx, TAuswertungsModus modus, TSauAuswahl* auswahl,
                               QMdiArea* mdi, QWidget* parent) {
    TAuswertung* w = nullptr;
    if (modus == amSauWurf || modus == amSau) {
        if (!auswahl || ctx.Sauenliste.empty()) return nullptr;
        auswahl->Vorbereiten(ctx.einstellungen.anzeige,
                             modus == amSauWurf ? awSauMitWurf : awEineSau,
                             ctx.einstellungen.sortierung);
        const bool ok = auswahl->exec() == QDialog::Accepted && auswahl->GewaehlteSau() >= 0;
        auswahl->AnzeigeHolen(ctx.einstellungen.anzeige, ctx.einstellungen.sortierung);
        if (!ok) return nullptr;
        w = new TAuswertung(ctx);
        if (modus == amSauWurf)
            w->SauWurfAuswerten(auswahl->GewaehlteSau(), auswahl->GewaehlterWurf());
        else
            w->SauAuswerten(auswahl->GewaehlteSau());
    } else {
        TAuswertungsFilter f;
        {
            TAuswertungFilter dlg(ctx, parent);
            if (modus == amEber) dlg.FilterSichtbarkeit({true, true, true, true, true, true, true});
            dlg.KopieVorbereiten(false);
            if (dlg.exec() != QDialog::Accepted) return nullptr;
            dlg.FilterLesen(f);
        }
        w = new TAuswertung(ctx);
        w->HerdeAuswerten(modus, f);
    }
    if (mdi) {
        KindfensterZeigen(mdi, w, QSize(660, 520));
    } else {
        w->show();
    }
    return w;
}
