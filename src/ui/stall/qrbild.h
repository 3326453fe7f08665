#pragma once

#include <QImage>
#include <QString>

// The QR code of a text (error correction M), black modules on white with a quiet zone of
// four modules, `modul` pixels per module. A null image when the text does not fit.
QImage QrBild(const QString& text, int modul = 6);
