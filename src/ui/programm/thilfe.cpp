#include "programm/thilfe.h"

#include "programm/hilfetexte.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QString& protokoll() {
    static QString datei;
    return datei;
}

// A modal dialog other than the help window itself is open.
bool modalerDialogOffen(const QWidget* hilfe) {
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != hilfe && w->isVisible() && w->isModal()) return true;
    return false;
}
} // namespace

THilfe::THilfe(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(QStringLiteral("Hilfe"));
    setProperty("helpContext", hilfetexte::kStart);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("HilfeText"));
    text_->setOpenLinks(true);
    auto* home = new QPushButton(QStringLiteral("&Inhalt"), this);
    home->setObjectName(QStringLiteral("InhaltBtn"));
    home->setAutoDefault(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(text_);
    l->addWidget(home, 0, Qt::AlignLeft);
    connect(home, &QPushButton::clicked, this, [this] { zeigen(hilfetexte::kStart); });
    resize(620, 520);
}

void THilfe::zeigen(int kontext) {
    kontext_ = kontext;
    const QString seite = hilfetexte::Seite(kontext);
    text_->setSource(QUrl(QStringLiteral("qrc") + seite));
    if (!protokoll().isEmpty()) {
        QFile f(protokoll());
        QDir().mkpath(QFileInfo(f).absolutePath());
        // A debugging aid only: a failed line is not worth a message.
        if (f.open(QIODevice::Append | QIODevice::Text))
            f.write(QStringLiteral("%1\t%2\t%3\n")
                        .arg(QDateTime::currentDateTime().toString(Qt::ISODate))
                        .arg(kontext)
                        .arg(hilfetexte::Bekannt(kontext) ? seite
                                                          : seite + QStringLiteral(" (unbekannt)"))
                        .toUtf8());
    }
    // Over a modal dialog the help must be modal too, or the dialog would block it; that
    // holds as long as the dialog is open, also when the help itself is the active one.
    const bool ueberModal = modalerDialogOffen(this);
    if (ueberModal != (windowModality() == Qt::ApplicationModal)) {
        hide();
        setWindowModality(ueberModal ? Qt::ApplicationModal : Qt::NonModal);
    }
    show();
    raise();
    activateWindow();
}

void THilfe::protokollSetzen(const QString& datei) {
    protokoll() = datei;
}

int THilfe::kontextVon(const QWidget* w) {
    // An open menu: the highlighted item's own number, when it has one.
    if (const auto* menu = qobject_cast<const QMenu*>(w); menu && menu->activeAction()) {
        const int k = menu->activeAction()->property("helpContext").toInt();
        if (k > 0) return k;
    }
    for (; w; w = w->parentWidget()) {
        const int k = w->property("helpContext").toInt();
        if (k > 0) return k;
    }
    return hilfetexte::kStart;
}

void THilfe::knoepfeVerbinden(QWidget* fenster) {
    for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
        const QString n = b->objectName();
        if ((n != QStringLiteral("HelpBtn") && n != QStringLiteral("BitBtn3") &&
             n != QStringLiteral("HilfeBtn")) ||
            b->property("hilfeVerbunden").toBool())
            continue;
        b->setProperty("hilfeVerbunden", true);
        connect(b, &QAbstractButton::clicked, this, [this, b] { zeigen(kontextVon(b->window())); });
    }
}

void THilfe::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
