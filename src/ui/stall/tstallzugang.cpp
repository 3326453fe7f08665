#include "stall/tstallzugang.h"

#include "platform/messages.h"
#include "programm/appcontext.h"
#include "stall/qrbild.h"
#include "stall/stalljournal.h"
#include "stall/stallsteuerung.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QString zeit(const QDateTime& t) {
    return t.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
} // namespace

TStallzugang::TStallzugang(AppContext& ctx, StallSteuerung& stall, QWidget* parent)
    : QDialog(parent), ctx_(ctx), stall_(stall) {
    setObjectName(QStringLiteral("Stallzugang"));
    setWindowTitle(QStringLiteral("Stallzugang"));
    setProperty("helpContext", 730);
    aufbauen();
    if (stall_.laeuft() && stall_.zugang().code().isEmpty()) stall_.zugang().neuerCode();
    aktualisieren();
    connect(&stall_, &StallSteuerung::gebucht, this, &TStallzugang::aktualisieren);
    // An expired code is no longer shown as valid.
    auto* uhr = new QTimer(this);
    connect(uhr, &QTimer::timeout, this, &TStallzugang::codeZeigen);
    uhr->start(10000);
}

void TStallzugang::aufbauen() {
    auto* l = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    QRCode = new QLabel;
    QRCode->setObjectName(QStringLiteral("QRCode"));
    oben->addWidget(QRCode);
    auto* rechts = new QVBoxLayout;
    Adresse = new QLabel;
    Adresse->setObjectName(QStringLiteral("Adresse"));
    Adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Adresse->setWordWrap(true);
    Code = new QLabel;
    Code->setObjectName(QStringLiteral("Code"));
    NeuerCode = new QPushButton(QStringLiteral("&Neuer Code"));
    NeuerCode->setObjectName(QStringLiteral("NeuerCode"));
    connect(NeuerCode, &QPushButton::clicked, this, &TStallzugang::NeuerCodeClick);
    rechts->addWidget(Adresse);
    rechts->addWidget(Code);
    rechts->addWidget(NeuerCode);
    rechts->addStretch();
    oben->addLayout(rechts, 1);
    l->addLayout(oben);
    Geraete = new QTableWidget(0, 3);
    Geraete->setObjectName(QStringLiteral("Geraete"));
    Geraete->setHorizontalHeaderLabels(
        {QStringLiteral("Gerät"), QStringLiteral("gekoppelt"), QStringLiteral("zuletzt")});
    Geraete->setSelectionBehavior(QAbstractItemView::SelectRows);
    Geraete->setSelectionMode(QAbstractItemView::SingleSelection);
    Geraete->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Geraete->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(new QLabel(QStringLiteral("Gekoppelte Geräte")));
    l->addWidget(Geraete);
    Widerrufen = new QPushButton(QStringLiteral("&Widerrufen"));
    Widerrufen->setObjectName(QStringLiteral("Widerrufen"));
    connect(Widerrufen, &QPushButton::clicked, this, &TStallzugang::WiderrufenClick);
    l->addWidget(Widerrufen, 0, Qt::AlignLeft);
    l->addWidget(new QLabel(QStringLiteral("Buchungen aus dem Stall")));
    Journal = new QPlainTextEdit;
    Journal->setObjectName(QStringLiteral("Journal"));
    Journal->setReadOnly(true);
    l->addWidget(Journal);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    l->addWidget(knoepfe);
    resize(640, 620);
}

void TStallzugang::aktualisieren() {
    const bool an = stall_.laeuft();
    NeuerCode->setEnabled(an);
    if (!an) {
        Adresse->setText(QStringLiteral("Der Stallzugang ist ausgeschaltet (Optionen › "
                                        "Einstellungen › Stallzugang)."));
        QRCode->clear();
        Code->clear();
    } else {
        const QString adresse = stall_.adresse();
        Adresse->setText(QStringLiteral("Adresse: ") + adresse);
        if (adresse.contains(u"//127.0.0.1:"))
            Adresse->setText(Adresse->text() + QStringLiteral("\nDieser PC hat keine Adresse "
                                                              "im lokalen Netz (192.168.x.x, "
                                                              "10.x.x.x, 172.16-31.x.x)."));
        QRCode->setPixmap(QPixmap::fromImage(QrBild(adresse, 5)));
        codeZeigen();
    }
    geraeteZeigen();
    Journal->setPlainText(stalljournal::Lesen(stall_.journalDatei()).join(u'\n'));
    Journal->moveCursor(QTextCursor::End);
}

void TStallzugang::codeZeigen() {
    if (!stall_.laeuft()) return;
    const QString code = stall_.zugang().code();
    Code->setText(code.isEmpty() ? QStringLiteral("Kein gültiger Code.")
                                 : QStringLiteral("Code: %1 (gültig bis %2 Uhr)")
                                       .arg(code, stall_.zugang().codeBis().toLocalTime().toString(
                                                      QStringLiteral("HH:mm"))));
}

void TStallzugang::geraeteZeigen() {
    const auto& g = stall_.zugang().geraete();
    Geraete->setRowCount(int(g.size()));
    for (std::size_t i = 0; i < g.size(); ++i) {
        const int r = int(i);
        Geraete->setItem(r, 0, new QTableWidgetItem(g[i].name));
        Geraete->setItem(r, 1, new QTableWidgetItem(zeit(g[i].gekoppelt)));
        Geraete->setItem(r, 2, new QTableWidgetItem(zeit(g[i].zuletzt)));
    }
    Widerrufen->setEnabled(!g.empty());
}

void TStallzugang::NeuerCodeClick() {
    stall_.zugang().neuerCode();
    aktualisieren();
}

void TStallzugang::WiderrufenClick() {
    const int r = Geraete->currentRow();
    if (r < 0) {
        ctx_.messages().error(QStringLiteral("Bitte zuerst ein Gerät wählen."));
        return;
    }
    if (!stall_.zugang().widerrufen(r)) return;
    if (!stall_.zugang().speichern())
        ctx_.messages().error(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!")
                                  .arg(QString::fromLatin1(StallZugang::kDatei)));
    geraeteZeigen();
}
