#include "evaluation/listenflaeche.h"

#include "controls/fensterschliessen.h"
#include "controls/kindfenster.h"
#include "controls/tnumedit.h"
#include "platform/csvwriter.h"
#include "platform/messages.h"
#include "platform/paintercanvas.h"
#include "programm/appcontext.h"

#include "platform/safewrite.h"
#include "platform/wartecursor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr QRgb kGrau = 0x808080;

// The heads above the lines, on white, moved sideways with the lines below.
class Kopfleiste final : public QWidget {
public:
    Kopfleiste(std::function<void(Canvas&)> zeichnen, Listenflaeche* liste, QWidget* parent)
        : QWidget(parent), zeichnen_(std::move(zeichnen)), liste_(liste) {
        setFixedHeight(20);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(palette().color(QPalette::WindowText));
        p.translate(-liste_->seitlich(), 0);
        PainterCanvas c(p, width(), height());
        c.randMessen();
        zeichnen_(c);
        liste_->breiteMelden(c.rechterRand());
    }

private:
    std::function<void(Canvas&)> zeichnen_;
    Listenflaeche* liste_;
};

} // namespace

Listenflaeche::Listenflaeche(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // No frame, so that the lines stand under their heads.
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setObjectName(QStringLiteral("PaintBox2"));
}

void Listenflaeche::setzen(int zeilen, Zeile zeile, Schluss schluss) {
    zeilen_ = zeilen;
    breite_ = 0;
    zeile_ = std::move(zeile);
    schluss_ = std::move(schluss);
    bereichSetzen();
    viewport()->update();
}

int Listenflaeche::zeilenhoehe() const {
    return std::max(1, QFontMetrics(font()).height());
}

void Listenflaeche::bereichSetzen() {
    const int h = zeilenhoehe();
    // One line more for what follows the last one.
    const qint64 hoehe = qint64(zeilen_ + (schluss_ ? 1 : 0)) * h;
    const int sichtbar = viewport()->height();
    verticalScrollBar()->setRange(0, int(std::clamp<qint64>(hoehe - sichtbar, 0, INT_MAX)));
    verticalScrollBar()->setPageStep(std::max(1, sichtbar));
    verticalScrollBar()->setSingleStep(h);
}

int Listenflaeche::seitlich() const {
    return horizontalScrollBar()->value();
}

void Listenflaeche::breiteMelden(double rechts) {
    const int b = int(std::ceil(rechts)) + 4;
    if (b <= breite_) return;
    breite_ = b;
    seitlichSetzen();
}

void Listenflaeche::seitlichSetzen() {
    const int sichtbar = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, breite_ - sichtbar));
    horizontalScrollBar()->setPageStep(std::max(1, sichtbar));
    horizontalScrollBar()->setSingleStep(std::max(1, zeilenhoehe()));
}

void Listenflaeche::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    bereichSetzen();
    seitlichSetzen();
}

void Listenflaeche::setAktuelle(int n) {
    aktuelle_ = zeilen_ > 0 ? std::clamp(n, 0, zeilen_ - 1) : -1;
    if (aktuelle_ >= 0) {
        // Scroll the line into view.
        const int h = zeilenhoehe();
        QScrollBar* bar = verticalScrollBar();
        if (aktuelle_ * h < bar->value()) bar->setValue(aktuelle_ * h);
        if ((aktuelle_ + 1) * h > bar->value() + viewport()->height())
            bar->setValue((aktuelle_ + 1) * h - viewport()->height());
    }
    viewport()->update();
}

int Listenflaeche::zeileBei(int y) const {
    const int n = (y + verticalScrollBar()->value()) / zeilenhoehe();
    return n >= 0 && n < zeilen_ ? n : -1;
}

void Listenflaeche::mousePressEvent(QMouseEvent* e) {
    if (waehlbar_ && zeileBei(int(e->position().y())) >= 0)
        setAktuelle(zeileBei(int(e->position().y())));
    QAbstractScrollArea::mousePressEvent(e);
}

void Listenflaeche::mouseDoubleClickEvent(QMouseEvent* e) {
    const int n = zeileBei(int(e->position().y()));
    if (waehlbar_ && n >= 0) {
        setAktuelle(n);
        emit geoeffnet(n);
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(e);
}

void Listenflaeche::keyPressEvent(QKeyEvent* e) {
    QScrollBar* bar = verticalScrollBar();
    if (waehlbar_ && zeilen_ > 0) {
        switch (e->key()) {
        case Qt::Key_Up:
            setAktuelle(aktuelle_ - 1);
            return;
        case Qt::Key_Down:
            setAktuelle(aktuelle_ + 1);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (aktuelle_ < 0) setAktuelle(0);
            emit geoeffnet(aktuelle_);
            return;
        default:
            break;
        }
    }
    if (e->key() == Qt::Key_Home)
        bar->setValue(bar->minimum());
    else if (e->key() == Qt::Key_End)
        bar->setValue(bar->maximum());
    else
        QAbstractScrollArea::keyPressEvent(e);
}

void Listenflaeche::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), Qt::white);
    const QColor text = palette().color(QPalette::WindowText);
    p.setPen(text);
    p.translate(-seitlich(), 0);
    PainterCanvas c(p, viewport()->width(), viewport()->height());
    c.randMessen();
    const int h = zeilenhoehe();
    const int oben = verticalScrollBar()->value();
    const int erste = oben / h;
    const int letzte = std::min(zeilen_ - 1, (oben + viewport()->height()) / h);
    auto grau = [&p, &text](bool an) { p.setPen(an ? QColor(kGrau) : text); };
    ersteGemalt_ = erste <= letzte ? erste : -1;
    letzteGemalt_ = erste <= letzte ? letzte : -1;
    if (waehlbar_ && aktuelle_ >= erste && aktuelle_ <= letzte)
        p.fillRect(seitlich(), aktuelle_ * h - oben, viewport()->width(), h,
                   palette().color(hasFocus() ? QPalette::Highlight : QPalette::Midlight));
    for (int n = erste; n <= letzte && zeile_; ++n)
        zeile_(c, n, double(n) * h - oben, grau);
    if (schluss_) schluss_(c, double(zeilen_) * h - oben);
    breiteMelden(c.rechterRand());
}

Listenfenster::Listenfenster(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {}

void Listenfenster::aufbauen(const QString& vonText, const QString& bisText) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ScrollBox1 = new Listenflaeche(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    PaintBox1 = new Kopfleiste([this](Canvas& c) { kopfZeichnen(c); }, ScrollBox1, this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    connect(ScrollBox1->horizontalScrollBar(), &QScrollBar::valueChanged, PaintBox1,
            qOverload<>(&QWidget::update));
    layout->addWidget(PaintBox1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(knoepfeBauen());
    panelBauen(vonText, bisText);
    setFocusProxy(ScrollBox1);
}

QWidget* Listenfenster::knoepfeBauen() {
    auto* leiste = new QWidget(this);
    auto* l = new QHBoxLayout(leiste);
    l->setContentsMargins(4, 4, 4, 4);
    DruckBtn = new QPushButton(QStringLiteral("&Drucken"), leiste);
    DruckBtn->setObjectName(QStringLiteral("DruckBtn"));
    CsvBtn = new QPushButton(QStringLiteral("CSV..."), leiste);
    CsvBtn->setObjectName(QStringLiteral("CsvBtn"));
    l->addStretch(1);
    l->addWidget(DruckBtn);
    l->addWidget(CsvBtn);
    connect(DruckBtn, &QPushButton::clicked, this, &Listenfenster::druckanfrage);
    connect(CsvBtn, &QPushButton::clicked, this, &Listenfenster::CsvBtnClick);
    return leiste;
}

void Listenfenster::panelBauen(const QString& vonText, const QString& bisText) {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    auto feld = [this](const char* name) {
        auto* n = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung, Panel1);
        n->setObjectName(QString::fromLatin1(name));
        n->setNumericType(TNumEdit::ntInteger);
        n->setPositiveMask(QStringLiteral("###0"));
        n->setMaximumWidth(70);
        return n;
    };
    NumEdit1 = feld("NumEdit1");
    NumEdit2 = feld("NumEdit2");
    auto knopf = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    OKBtn = knopf("OKBtn", QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = knopf("CancelBtn", QStringLiteral("Abbrechen"));
    VorschauBtn = knopf("VorschauBtn", QStringLiteral("&Vorschau"));
    PdfBtn = knopf("PdfBtn", QStringLiteral("PDF..."));
    auto* l = new QHBoxLayout(Panel1);
    l->addWidget(new QLabel(vonText, Panel1));
    l->addWidget(NumEdit1);
    l->addWidget(new QLabel(bisText, Panel1));
    l->addWidget(NumEdit2);
    for (QPushButton* b : {OKBtn, CancelBtn, VorschauBtn, PdfBtn})
        l->addWidget(b);
    connect(OKBtn, &QPushButton::clicked, this, &Listenfenster::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Listenfenster::CancelBtnClick);
    connect(VorschauBtn, &QPushButton::clicked, this, [this] {
        BereichUebernehmen();
        druckausgabe::vorschau(*this, this);
    });
    connect(PdfBtn, &QPushButton::clicked, this, &Listenfenster::PdfBtnClick);
    for (QWidget* w : {static_cast<QWidget*>(NumEdit1), static_cast<QWidget*>(NumEdit2),
                       static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(CancelBtn),
                       static_cast<QWidget*>(VorschauBtn), static_cast<QWidget*>(PdfBtn)})
        w->installEventFilter(this);
    Panel1->hide();
}

bool Listenfenster::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(o, e);
    const int taste = static_cast<QKeyEvent*>(e)->key();
    if (taste != Qt::Key_Return && taste != Qt::Key_Enter) return QWidget::eventFilter(o, e);
    // Enter goes from the first field to the second; from there OK, the default, prints.
    if (o == NumEdit1)
        NumEdit2->setFocus();
    else if (auto* b = qobject_cast<QPushButton*>(o); b && b != OKBtn)
        b->click();
    else
        OKBtnClick();
    return true;
}

void Listenfenster::panelPlatzieren() {
    Panel1->adjustSize();
    Panel1->move(std::max(0, (width() - Panel1->width()) / 2),
                 std::max(0, (height() - Panel1->height()) / 3));
    Panel1->raise();
}

void Listenfenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (gebaut_) return;
    gebaut_ = true;
    Wartecursor warten;
    bilden();
    // The heads follow the lines' columns.
    PaintBox1->update();
}

void Listenfenster::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (Panel1 && Panel1->isVisible()) panelPlatzieren();
}

void Listenfenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        if (Panel1->isVisible())
            CancelBtnClick();
        else
            FensterSchliessen(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void Listenfenster::druckanfrage() {
    NumEdit1->setWert(1);
    NumEdit2->setWert(anzahl());
    panelPlatzieren();
    Panel1->show();
    NumEdit1->setFocus();
    NumEdit1->selectAll();
}

void Listenfenster::BereichUebernehmen() {
    // A field still being edited takes its text first.
    if (QWidget* f = QApplication::focusWidget(); f == NumEdit1 || f == NumEdit2) f->clearFocus();
    von_ = NumEdit1->AsInteger();
    bis_ = NumEdit2->AsInteger();
}

void Listenfenster::OKBtnClick() {
    BereichUebernehmen();
    Panel1->hide();
    ScrollBox1->setFocus();
    druckausgabe::drucken(*this, this);
}

void Listenfenster::CancelBtnClick() {
    Panel1->hide();
    ScrollBox1->setFocus();
}

void Listenfenster::druckInhalt(Canvas& canvas) {
    const Druckbereich b = Druckbereich::geklemmt(von_, bis_, anzahl());
    abgebrochen_ = false;
    std::unique_ptr<QProgressDialog> fortschritt;
    // Long printouts show how far they are and can be cancelled.
    if (b.bis - b.von >= 500) {
        fortschritt = std::make_unique<QProgressDialog>(
            QStringLiteral("Drucken ..."), QStringLiteral("Abbrechen"), 0, b.bis - b.von + 1, this);
        fortschritt->setObjectName(QStringLiteral("Fortschritt"));
        // Nothing but the progress window takes input while the pages are made.
        fortschritt->setWindowModality(Qt::ApplicationModal);
        fortschritt->setMinimumDuration(0);
    }
    // The progress lets events through: the whole herd is held against barn bookings while
    // the lines are printed.
    std::optional<OffenMarke> halten;
    if (fortschritt) halten.emplace(ctx_.geoeffnet, -1, true);
    Druckfortschritt f;
    if (fortschritt)
        f = [&](int erledigt, int) {
            fortschritt->setValue(erledigt);
            QApplication::processEvents();
            return !fortschritt->wasCanceled();
        };
    abgebrochen_ = !seitenDrucken(canvas, von_, bis_, f);
}

MessageService* Listenfenster::druckMeldungen() const {
    return &ctx_.messages();
}

bool Listenfenster::PdfSpeichern(const QString& datei) {
    QString grund;
    const bool ok = druckausgabe::alsPdf(*this, datei, &grund);
    // A cancelled printout leaves no half file behind.
    if (abgebrochen_) {
        QFile::remove(datei);
        return false;
    }
    if (!ok) ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return ok;
}

void Listenfenster::PdfBtnClick() {
    BereichUebernehmen();
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"),
                                     QDir::home().filePath(druckTitel() + QStringLiteral(".pdf")),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return;
    Panel1->hide();
    PdfSpeichern(datei);
}

bool Listenfenster::CsvSpeichern(const QString& datei) {
    QString grund;
    if (tabelle().speichern(datei, &grund)) return true;
    ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return false;
}

void Listenfenster::CsvBtnClick() {
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"),
                                     QDir::home().filePath(druckTitel() + QStringLiteral(".csv")),
                                     QStringLiteral("CSV-Dateien (*.csv)"));
    if (!datei.isEmpty()) CsvSpeichern(datei);
}

void ListenfensterZeigen(Listenfenster* w, QMdiArea* mdi) {
    KindfensterZeigen(mdi, w, QSize(640, 520));
    w->setFocus();
}
