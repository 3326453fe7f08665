#include "stall/qrbild.h"

#include <QPainter>
#include <qrencode.h>

QImage QrBild(const QString& text, int modul) {
    const QByteArray utf8 = text.toUtf8();
    QRcode* qr = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!qr) return {};
    const int n = qr->width;
    const int rand = 4;
    QImage bild((n + 2 * rand) * modul, (n + 2 * rand) * modul, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qr->data[y * n + x] & 1)
                p.fillRect((x + rand) * modul, (y + rand) * modul, modul, modul, Qt::black);
    p.end();
    QRcode_free(qr);
    return bild;
}
