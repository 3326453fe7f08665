#include "platform/qtmessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton zeigen(QMessageBox::Icon icon, const QString& titel,
                                   const QString& text, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton standard) {
    QWidget* fenster = QApplication::activeWindow();
    QMessageBox box(icon, titel, text, buttons, fenster);
    box.setDefaultButton(standard);
    // A message in the middle of a long walk is answered with the ordinary pointer.
    const bool warten = QGuiApplication::overrideCursor() != nullptr;
    if (warten) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto antwort = QMessageBox::StandardButton(box.exec());
    if (warten) QGuiApplication::restoreOverrideCursor();
    // The window the message came from gets the focus back, also without a window manager.
    if (fenster) fenster->activateWindow();
    return antwort;
}

MessageService::Answer antwort(QMessageBox::StandardButton b) {
    switch (b) {
    case QMessageBox::Yes:
        return MessageService::Answer::Yes;
    case QMessageBox::No:
        return MessageService::Answer::No;
    case QMessageBox::Ok:
        return MessageService::Answer::Ok;
    default:
        return MessageService::Answer::Cancel;
    }
}

} // namespace

void QtMessages::error(const QString& text) {
    zeigen(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::warning(const QString& text) {
    zeigen(QMessageBox::Warning, QStringLiteral("Warnung"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::information(const QString& text) {
    zeigen(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
           QMessageBox::Ok);
}

MessageService::Answer QtMessages::errorOkCancel(const QString& text) {
    return antwort(zeigen(QMessageBox::Critical, QStringLiteral("Fehler"), text,
                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

MessageService::Answer QtMessages::warningOkCancel(const QString& text) {
    return antwort(zeigen(QMessageBox::Warning, QStringLiteral("Warnung"), text,
                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

MessageService::Answer QtMessages::question(const QString& text, Buttons buttons) {
    QMessageBox::StandardButtons b;
    QMessageBox::StandardButton standard = QMessageBox::Yes;
    switch (buttons) {
    case Buttons::Ok:
        b = QMessageBox::Ok;
        standard = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        b = QMessageBox::Ok | QMessageBox::Cancel;
        standard = QMessageBox::Ok;
        break;
    case Buttons::YesNo:
        b = QMessageBox::Yes | QMessageBox::No;
        break;
    case Buttons::YesNoDefaultNo:
        b = QMessageBox::Yes | QMessageBox::No;
        standard = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    return antwort(zeigen(QMessageBox::Question, QStringLiteral("Bestätigen"), text, b, standard));
}
