#include "programm/tnotizen.h"

#include "platform/codepage.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr qint64 kHoechstens = 16 * 1024 * 1024; // a notes file is never this big
}

TNotizen::TNotizen(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("Notizen"));
    setWindowTitle(QStringLiteral("Notizen"));
    setProperty("helpContext", 401);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setProperty("helpContext", 1000);
    Memo1->setTabChangesFocus(false);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Memo1);
    resize(480, 360);
    laden();
}

QString TNotizen::datei() const {
    const QString gefunden = findFileNoCase(ctx_.Datenpfad, QStringLiteral("notiz.txt"));
    return QFileInfo(gefunden).isFile() ? gefunden : ctx_.datei(QStringLiteral("notiz.txt"));
}

void TNotizen::laden() {
    QFile f(datei());
    QString text;
    // A missing file leaves the pad empty; an unreadable one is told.
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly) || f.size() > kHoechstens)
            ctx_.messages().error(
                QStringLiteral("Die Datei %1 konnte nicht gelesen werden!").arg(f.fileName()));
        else
            text = cp1252::decode(f.readAll());
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) text.chop(1);
    Memo1->setPlainText(text);
    Memo1->document()->setModified(false);
}

bool TNotizen::speichernWennGeaendert() {
    if (!Memo1->document()->isModified()) return true;
    const QString pfad = datei();
    QString text = Memo1->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    const QByteArray bytes = cp1252::encode(text);
    QString grund;
    if (!writeFileSafely(
            pfad, [&](QIODevice& d) { return d.write(bytes) == bytes.size(); }, {}, &grund)) {
        ctx_.messages().error(SchreibFehlerText(QFileInfo(pfad).fileName(), pfad, grund));
        return false;
    }
    Memo1->document()->setModified(false);
    return true;
}

void TNotizen::closeEvent(QCloseEvent* e) {
    speichernWennGeaendert();
    e->accept();
}

void TNotizen::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
