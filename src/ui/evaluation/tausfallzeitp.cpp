#include "evaluation/tausfallzeitp.h"

#include "controls/fensterschliessen.h"
#include "controls/kindfenster.h"
#include "platform/paintercanvas.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class Diagramm : public QWidget {
public:
    Diagramm(const Ausfalltage& tage, QWidget* parent) : QWidget(parent), tage_(tage) {
        setObjectName(QStringLiteral("PaintBox1"));
    }
    // The window opens at a size that shows the whole chart.
    QSize sizeHint() const override { return {640, 400}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        PainterCanvas c(p, width(), height());
        c.setFont(QStringLiteral("System"), 10);
        AusfallzeitpunktZeichnen(c, tage_, width(), height());
    }

private:
    const Ausfalltage& tage_;
};

} // namespace

TAusfallzeitp::TAusfallzeitp(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ausfallzeitp"));
    setWindowTitle(QStringLiteral("Ausfallzeitpunkt"));
    setProperty("helpContext", 360);
    setAttribute(Qt::WA_DeleteOnClose);
    // Keys reach the window itself, so that Escape closes it.
    setFocusPolicy(Qt::StrongFocus);
    PaintBox1 = new Diagramm(Ausfalltage_, this);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->setContentsMargins(4, 4, 4, 4);
    knoepfe->addStretch();
    const auto knopf = [&](const char* name, const QString& text, auto wenn) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, wenn);
        knoepfe->addWidget(b);
        return b;
    };
    DruckBtn = knopf("DruckBtn", QStringLiteral("&Drucken"), [this] { druckanfrage(); });
    VorschauBtn = knopf("VorschauBtn", QStringLiteral("&Vorschau"),
                        [this] { druckausgabe::vorschau(*this, this); });
    PdfBtn = knopf("PdfBtn", QStringLiteral("&PDF..."),
                   [this] { druckausgabe::pdfSpeichern(*this, this); });

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(PaintBox1, 1);
    l->addLayout(knoepfe);
}

void TAusfallzeitp::Zeitpunkte(const std::array<std::int32_t, 76>& verlusttage) {
    for (std::size_t d = 1; d <= 75; ++d)
        Ausfalltage_[d - 1] = verlusttage[d];
    PaintBox1->update();
}

void TAusfallzeitp::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        FensterSchliessen(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void TAusfallzeitp::druckInhalt(Canvas& canvas) {
    // A window not shown yet prints at the size it opens with.
    const QSize s = PaintBox1->isVisible() ? PaintBox1->size() : PaintBox1->sizeHint();
    AusfallzeitpunktDrucken(canvas, Ausfalltage_, s.width(), s.height());
}

TAusfallzeitp* AusfallzeitpunktOeffnen(const std::array<std::int32_t, 76>& verlusttage,
                                       QWidget* neben) {
    auto* chart = new TAusfallzeitp;
    chart->Zeitpunkte(verlusttage);
    auto* sub = neben ? qobject_cast<QMdiSubWindow*>(neben->parentWidget()) : nullptr;
    if (sub && sub->mdiArea()) {
        // Beside a maximised window the chart comes maximised too; otherwise at its size.
        KindfensterZeigen(sub->mdiArea(), chart);
    } else {
        chart->resize(chart->sizeHint());
        chart->show();
    }
    chart->setFocus();
    return chart;
}
