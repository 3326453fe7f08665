#include "plan/tarbeitsplanzeiten.h"
#include "controls/dialogknoepfe.h"

#include "controls/enteralstab.h"
#include "controls/tnumedit.h"
#include "herd/textfunktionen.h"
#include "stamm/planfiles.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

const char* const kSeitentitel[kPlanSeiten] = {"ab Belegen", "ab Abferkeln", "ab Absetzen",
                                               "Wurfunabh.", "ab Einstallen"};

// The names the work plan depends on; shown read-only, stored as shown.
QString festerName(int seite, int zeile) {
    if (zeile == 0) {
        switch (seite) {
        case psBelegen:
            return QStringLiteral("Abferkeln");
        case psAbferkeln:
            return QStringLiteral("Absetzen");
        case psAbsetzen:
            return QStringLiteral("Neubelegen");
        default:
            break;
        }
    }
    if (seite == psBelegen && zeile == 1) return QStringLiteral("Trächtig.Kontr.");
    return {};
}

// Rows whose task is tied to a date recorded on the card.
bool mitStern(int seite, int zeile) {
    return (seite == psBelegen && zeile >= 2 && zeile <= 9) ||
           (seite == psWurfunabhaengig && zeile <= 3);
}

} // namespace

TArbeitsplanzeiten::TArbeitsplanzeiten(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), zeiten_(ctx.Planzeiten) {
    setObjectName(QStringLiteral("Arbeitsplanzeiten"));
    setWindowTitle(QStringLiteral("Einstellungen zum Arbeitsplan"));
    setProperty("helpContext", 510);

    TabControl1 = new QTabBar(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setToolTip(QStringLiteral("Terminbereich"));
    TabControl1->setExpanding(false);
    for (const char* titel : kSeitentitel)
        TabControl1->addTab(QString::fromUtf8(titel));

    QDialogButtonBox* buttons = DialogKnoepfe(this, false);
    connect(buttons, &QDialogButtonBox::accepted, this, &TArbeitsplanzeiten::OKBtnClick);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(TabControl1);
    layout->addWidget(zeilenAufbauen());
    layout->addSpacing(8);
    layout->addWidget(buttons);

    connect(TabControl1, &QTabBar::currentChanged, this, &TArbeitsplanzeiten::TabControl1Change);
    new EnterAlsTab(this);
    seiteZeigen(0);
}

// The panel of task rows: name, first and last day, short name, and the mark of a row in use.
QWidget* TArbeitsplanzeiten::zeilenAufbauen() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    const char* const kopf[4] = {"Termin", "von", "bis", "Kürzel"};
    for (int s = 0; s < 4; ++s)
        grid->addWidget(new QLabel(QString::fromUtf8(kopf[s])), 0, s);

    auto feld = [](const QString& name, int laenge) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        e->setMaxLength(laenge);
        return e;
    };
    auto zahl = [this](const QString& name, const QString& hinweis) {
        auto* n = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
        n->setObjectName(name);
        n->setNumericType(TNumEdit::ntInteger);
        n->setPositivOnly(true);
        n->setDigits(4);
        n->setToolTip(hinweis);
        n->setMaximumWidth(70);
        return n;
    };
    for (int k = 0; k < kZeilen; ++k) {
        const QString a = QString::number(2 * k + 1), b = QString::number(2 * k + 2);
        Zeile& z = zeilen_[std::size_t(k)];
        z.name = feld(QStringLiteral("Edit") + a, 15);
        z.von = zahl(QStringLiteral("NumEdit") + a, QStringLiteral("1. Tag"));
        z.bis = zahl(QStringLiteral("NumEdit") + b, QStringLiteral("letzter tag"));
        z.kuerzel = feld(QStringLiteral("Edit") + b, 4);
        z.kuerzel->setToolTip(QStringLiteral("Abkürzung im Arbeitsplan"));
        z.kuerzel->setMaximumWidth(70);
        z.stern = new QLabel;
        z.stern->setObjectName(QStringLiteral("Stern") + QString::number(k));
        z.stern->setFixedWidth(12);
        grid->addWidget(z.name, k + 1, 0);
        grid->addWidget(z.von, k + 1, 1);
        grid->addWidget(z.bis, k + 1, 2);
        grid->addWidget(z.kuerzel, k + 1, 3);
        grid->addWidget(z.stern, k + 1, 4);
    }
    grid->setColumnStretch(0, 1);
    return panel;
}

void TArbeitsplanzeiten::setPlanzeiten(const TPlanZeiten& zeiten) {
    zeiten_ = zeiten;
    if (TabControl1->currentIndex() != 0) {
        const QSignalBlocker sperre(TabControl1);
        TabControl1->setCurrentIndex(0);
    }
    seiteZeigen(0);
}

void TArbeitsplanzeiten::seiteZeigen(int seite) {
    seite_ = seite;
    for (int k = 0; k < kZeilen; ++k) {
        const Zeile& z = zeilen_[std::size_t(k)];
        const TPlanTermin t = zeiten_.entry(seite, k);
        const QString fest = festerName(seite, k);
        z.name->setText(fest.isEmpty() ? t.Name() : fest);
        z.name->setReadOnly(!fest.isEmpty());
        z.von->setWert(t.ErsterTag());
        z.bis->setWert(t.LetzterTag());
        z.kuerzel->setText(t.Kuerzel());
        z.stern->setText(mitStern(seite, k) ? QStringLiteral("*") : QString());
    }
}

void TArbeitsplanzeiten::seiteSpeichern(int seite) {
    for (int k = 0; k < kZeilen; ++k) {
        const Zeile& z = zeilen_[std::size_t(k)];
        TPlanTermin t = zeiten_.entry(seite, k);
        t.setName(LeerzeichenEntfernen(z.name->text()).left(15));
        t.setErsterTag(z.von->AsInteger16());
        t.setLetzterTag(z.bis->AsInteger16());
        t.setKuerzel(LeerzeichenEntfernen(z.kuerzel->text()).left(4));
        zeiten_.setEntry(seite, k, t);
    }
}

// A number field takes its typed value only when it is left: leave the one being edited.
QWidget* TArbeitsplanzeiten::zahlVerlassen() {
    QWidget* fokus = QApplication::focusWidget();
    if (!qobject_cast<TNumEdit*>(fokus) || !isAncestorOf(fokus)) return nullptr;
    fokus->clearFocus();
    return fokus;
}

void TArbeitsplanzeiten::TabControl1Change(int neu) {
    QWidget* fokus = zahlVerlassen();
    seiteSpeichern(seite_);
    seiteZeigen(neu);
    if (fokus) fokus->setFocus(Qt::OtherFocusReason);
}

void TArbeitsplanzeiten::OKBtnClick() {
    zahlVerlassen();
    seiteSpeichern(seite_);
    accept();
}

bool PlanZeitenBearbeiten(AppContext& ctx, QWidget* parent) {
    TArbeitsplanzeiten dlg(ctx, parent);
    dlg.setPlanzeiten(ctx.Planzeiten);
    if (dlg.exec() != QDialog::Accepted) return false;
    ctx.Planzeiten = dlg.planzeiten();
    PlanZeitenSpeichern(ctx.Planzeiten, ctx.Datenpfad, ctx.messages());
    return true;
}
