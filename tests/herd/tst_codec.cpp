// The two encodings at the file boundary: the 6-byte real and Windows-1252.

#include "platform/codepage.h"
#include "platform/real48.h"
#include "support/herdbau.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

QByteArray hex(const real48::Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())).toHex(' ');
}

real48::Bytes ausHex(const QByteArray& h) {
    const QByteArray raw = QByteArray::fromHex(h);
    real48::Bytes b{};
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = std::uint8_t(raw[qsizetype(i)]);
    return b;
}

double p(int e) {
    return std::ldexp(1.0, e);
}

constexpr const char* kGroesste = "ff ff ff ff ff 7f"; // (2 - 2^-39) * 2^126
constexpr const char* kNull = "00 00 00 00 00 00";

} // namespace

class TestCodec : public QObject {
    Q_OBJECT

private slots:
    // Values the format holds exactly, both ways; doubles it cannot hold to the nearest value,
    // ties to an even last bit; too large saturates; too small is 0.
    void real48Bitmuster_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("genau");

        const double inf = std::numeric_limits<double>::infinity();
        const auto zeile = [](const char* n, double wert, const char* bytes, bool genau = false) {
            QTest::newRow(n) << wert << QByteArray(bytes) << genau;
        };
        zeile("0", 0.0, kNull, true);
        zeile("1", 1.0, "81 00 00 00 00 00", true);
        zeile("-1.5", -1.5, "81 00 00 00 00 c0", true);
        zeile("1 + 2^-39, lowest fraction bit", 1.0 + p(-39), "81 01 00 00 00 00", true);
        zeile("smallest", p(-128), "01 00 00 00 00 00", true);
        zeile("largest", (2.0 - p(-39)) * p(126), kGroesste, true);
        zeile("0.1 rounds up", 0.1, "7d cd cc cc cc 4c");
        zeile("tie to even, down", 1.0 + p(-40), "81 00 00 00 00 00");
        zeile("tie to even, up", 1.0 + 3 * p(-40), "81 02 00 00 00 00");
        zeile("just above a tie", 1.0 + p(-40) + p(-52), "81 01 00 00 00 00");
        zeile("carry into the exponent", 2.0 - p(-41), "82 00 00 00 00 00");
        zeile("above largest, rounds to it", (2.0 - p(-39)) * p(126) + p(85), kGroesste);
        zeile("2^127 saturates", p(127), kGroesste);
        zeile("infinity", inf, kGroesste);
        zeile("NaN", std::numeric_limits<double>::quiet_NaN(), kNull);
        zeile("-0", -0.0, kNull);
        zeile("half the smallest is 0", p(-129), kNull);
        zeile("nearer the smallest than 0", 1.5 * p(-129), "01 00 00 00 00 00");
    }
    void real48Bitmuster() {
        QFETCH(double, wert);
        QFETCH(QByteArray, bytes);
        QCOMPARE(hex(real48::encode(wert)), bytes);
        QFETCH(bool, genau);
        if (!genau) return;
        // Compared with every bit: QCOMPARE on doubles allows a relative error.
        QCOMPARE(QString::number(real48::decode(ausHex(bytes)), 'g', 17),
                 QString::number(wert, 'g', 17));
        // Exponent byte 0 is the value 0, whatever the other bytes hold.
        QCOMPARE(real48::decode(ausHex("00" + bytes.mid(2))), 0.0);
    }
    // Every Real48 with a nonzero exponent is a double, and encoding gives its bits back.
    void real48HinUndZurueck() {
        Zufall zufall(48);
        for (int i = 0; i < 200000; ++i) {
            real48::Bytes b{};
            for (auto& x : b)
                x = std::uint8_t(zufall.zahl(0, 255));
            b[0] = std::uint8_t(i < 512 ? (i % 2 ? 255 : 1) : zufall.zahl(1, 255));
            const real48::Bytes zurueck = real48::encode(real48::decode(b));
            if (zurueck != b) QFAIL(hex(b) + " came back as " + hex(zurueck));
        }
    }
    // 0x80..0x9F by the code page's table, the five bytes without a character as the C1 control
    // of the same number; every other byte is Latin-1. All 256 bytes come back.
    void cp1252AlleBytes() {
        QByteArray alle;
        for (int i = 0; i < 256; ++i)
            alle.append(char(i));
        const QString text = cp1252::decode(alle);
        QCOMPARE(text.mid(0x80, 32),
                 QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        for (int i = 0; i < 256; ++i)
            if (i < 0x80 || i > 0x9F) QCOMPARE(text[i].unicode(), char16_t(i));
        QCOMPARE(cp1252::encode(text), alle);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(cp1252::encodeChar(text[i]), char(i));
    }
    void cp1252NichtDarstellbar_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("L with stroke") << QStringLiteral("Łódź") << QByteArray("?\363d?");
        QTest::newRow("C1 control whose byte is the euro sign")
            << QStringLiteral("\u0080") << QByteArray("?");
        // One character outside the 16-bit range is still one character.
        QTest::newRow("character outside the BMP")
            << QStringLiteral("a\U0001F416b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(char16_t(0xD83D))) << QByteArray("?");
    }
    void cp1252NichtDarstellbar() {
        QFETCH(QString, text);
        QTEST(cp1252::encode(text), "bytes");
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
