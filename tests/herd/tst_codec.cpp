// The two encodings at the file boundary: the 6-byte real and Windows-1252.

#include "platform/codepage.h"
#include "platform/real48.h"

#include <QRandomGenerator>
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
    for (qsizetype i = 0; i < raw.size() && i < 6; ++i)
        b[std::size_t(i)] = std::uint8_t(raw[i]);
    return b;
}

// A double written with every bit: QCOMPARE on doubles allows a relative error.
QString genau(double d) {
    return QString::number(d, 'g', 17);
}

constexpr const char* kGroesste = "ff ff ff ff ff 7f"; // (2 - 2^-39) * 2^126
const double kGroessterWert = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);

} // namespace

class TestCodec : public QObject {
    Q_OBJECT

private slots:
    void real48Bitmuster_data();
    void real48Bitmuster();
    void real48ExponentNullIstNull();
    void real48GroessterWert();
    void real48HinUndZurueck();
    void real48Runden_data();
    void real48Runden();

    void cp1252AlleBytesHinUndZurueck();
    void cp1252Tabelle_data();
    void cp1252Tabelle();
    void cp1252NichtDarstellbar_data();
    void cp1252NichtDarstellbar();
};

// Values the format holds exactly, both ways.
void TestCodec::real48Bitmuster_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("0") << 0.0 << QByteArray("00 00 00 00 00 00");
    QTest::newRow("1") << 1.0 << QByteArray("81 00 00 00 00 00");
    QTest::newRow("-1") << -1.0 << QByteArray("81 00 00 00 00 80");
    QTest::newRow("2") << 2.0 << QByteArray("82 00 00 00 00 00");
    QTest::newRow("0.5") << 0.5 << QByteArray("80 00 00 00 00 00");
    QTest::newRow("1.5") << 1.5 << QByteArray("81 00 00 00 00 40");
    QTest::newRow("-1.5") << -1.5 << QByteArray("81 00 00 00 00 c0");
    QTest::newRow("3") << 3.0 << QByteArray("82 00 00 00 00 40");
    QTest::newRow("10") << 10.0 << QByteArray("84 00 00 00 00 20");
    QTest::newRow("100") << 100.0 << QByteArray("87 00 00 00 00 48");
    QTest::newRow("-100") << -100.0 << QByteArray("87 00 00 00 00 c8");
    QTest::newRow("1 + 2^-39, lowest fraction bit")
        << 1.0 + std::ldexp(1.0, -39) << QByteArray("81 01 00 00 00 00");
    QTest::newRow("1 + 2^-32") << 1.0 + std::ldexp(1.0, -32) << QByteArray("81 80 00 00 00 00");
    QTest::newRow("smallest") << std::ldexp(1.0, -128) << QByteArray("01 00 00 00 00 00");
    QTest::newRow("-smallest") << -std::ldexp(1.0, -128) << QByteArray("01 00 00 00 00 80");
    QTest::newRow("largest") << kGroessterWert << QByteArray(kGroesste);
    QTest::newRow("-largest") << -kGroessterWert << QByteArray("ff ff ff ff ff ff");
}

void TestCodec::real48Bitmuster() {
    QFETCH(double, wert);
    QFETCH(QByteArray, bytes);
    QCOMPARE(hex(real48::encode(wert)), bytes);
    QCOMPARE(genau(real48::decode(ausHex(bytes))), genau(wert));
}

// Exponent byte 0 is the value 0, whatever the other bytes hold.
void TestCodec::real48ExponentNullIstNull() {
    QCOMPARE(real48::decode(ausHex("00 12 34 56 78 9a")), 0.0);
    QCOMPARE(real48::decode(ausHex("00 ff ff ff ff ff")), 0.0);
}

void TestCodec::real48GroessterWert() {
    QCOMPARE(genau(real48::kMax), genau(kGroessterWert));
    QCOMPARE(genau(real48::decode(ausHex(kGroesste))), genau(real48::kMax));
}

// Every Real48 with a nonzero exponent is a double, and encoding gives its bits back.
void TestCodec::real48HinUndZurueck() {
    QRandomGenerator zufall(48);
    for (int i = 0; i < 200000; ++i) {
        real48::Bytes b{};
        for (auto& x : b)
            x = std::uint8_t(zufall.bounded(256));
        if (b[0] == 0) b[0] = std::uint8_t(1 + zufall.bounded(255));
        if (i < 512) b[0] = std::uint8_t(i % 2 ? 255 : 1); // the exponent's ends
        const real48::Bytes zurueck = real48::encode(real48::decode(b));
        if (zurueck != b)
            QFAIL(qPrintable(
                QStringLiteral("%1 came back as %2")
                    .arg(QString::fromLatin1(hex(b)), QString::fromLatin1(hex(zurueck)))));
    }
}

// Doubles the format cannot hold: nearest value, ties to an even last bit; too large
// saturates; too small is 0.
void TestCodec::real48Runden_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<QByteArray>("bytes");

    const auto p = [](int e) { return std::ldexp(1.0, e); };
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("0.1 rounds up") << 0.1 << QByteArray("7d cd cc cc cc 4c");
    QTest::newRow("1/3 rounds up") << 1.0 / 3.0 << QByteArray("7f ab aa aa aa 2a");
    QTest::newRow("19.5583") << 19.5583 << QByteArray("85 8b fd 65 77 1c");
    QTest::newRow("below half a step") << 1.0 + p(-41) << QByteArray("81 00 00 00 00 00");
    QTest::newRow("tie to even, down") << 1.0 + p(-40) << QByteArray("81 00 00 00 00 00");
    QTest::newRow("tie to even, up") << 1.0 + 3 * p(-40) << QByteArray("81 02 00 00 00 00");
    QTest::newRow("negative tie to even, up")
        << -(1.0 + 3 * p(-40)) << QByteArray("81 02 00 00 00 80");
    QTest::newRow("just above a tie") << 1.0 + p(-40) + p(-52) << QByteArray("81 01 00 00 00 00");
    QTest::newRow("just below a tie")
        << 1.0 + 3 * p(-40) - p(-52) << QByteArray("81 01 00 00 00 00");
    QTest::newRow("carry into the exponent") << 2.0 - p(-41) << QByteArray("82 00 00 00 00 00");
    QTest::newRow("above largest, rounds to it") << kGroessterWert + p(85) << QByteArray(kGroesste);
    QTest::newRow("2^127 saturates") << p(127) << QByteArray(kGroesste);
    QTest::newRow("1e39 saturates") << 1e39 << QByteArray(kGroesste);
    QTest::newRow("-1e39 saturates") << -1e39 << QByteArray("ff ff ff ff ff ff");
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << QByteArray(kGroesste);
    QTest::newRow("infinity") << inf << QByteArray(kGroesste);
    QTest::newRow("-infinity") << -inf << QByteArray("ff ff ff ff ff ff");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN()
                         << QByteArray("00 00 00 00 00 00");
    QTest::newRow("-0") << -0.0 << QByteArray("00 00 00 00 00 00");
    QTest::newRow("half the smallest is 0") << p(-129) << QByteArray("00 00 00 00 00 00");
    QTest::newRow("2^-130 is 0") << p(-130) << QByteArray("00 00 00 00 00 00");
    QTest::newRow("1e-45 is 0") << 1e-45 << QByteArray("00 00 00 00 00 00");
    QTest::newRow("-1e-45 is 0") << -1e-45 << QByteArray("00 00 00 00 00 00");
    QTest::newRow("subnormal double is 0")
        << std::numeric_limits<double>::denorm_min() << QByteArray("00 00 00 00 00 00");
    QTest::newRow("nearer the smallest than 0") << 1.5 * p(-129) << QByteArray("01 00 00 00 00 00");
}

void TestCodec::real48Runden() {
    QFETCH(double, wert);
    QFETCH(QByteArray, bytes);
    QCOMPARE(hex(real48::encode(wert)), bytes);
}

void TestCodec::cp1252AlleBytesHinUndZurueck() {
    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(char(i));
    const QString text = cp1252::decode(alle);
    QCOMPARE(text.size(), 256);
    QCOMPARE(cp1252::encode(text), alle);
    // Outside 0x80..0x9F the bytes are Latin-1.
    for (int i = 0; i < 256; ++i)
        if (i < 0x80 || i > 0x9F) QCOMPARE(text[i].unicode(), char16_t(i));
}

void TestCodec::cp1252Tabelle_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("zeichen");

    const struct {
        int byte;
        int zeichen;
        const char* name;
    } tabelle[] = {
        {0x80, 0x20AC, "euro sign"},
        {0x82, 0x201A, "single low quote"},
        {0x83, 0x0192, "f with hook"},
        {0x84, 0x201E, "double low quote"},
        {0x85, 0x2026, "ellipsis"},
        {0x86, 0x2020, "dagger"},
        {0x87, 0x2021, "double dagger"},
        {0x88, 0x02C6, "circumflex"},
        {0x89, 0x2030, "per mille"},
        {0x8A, 0x0160, "S caron"},
        {0x8B, 0x2039, "single left angle quote"},
        {0x8C, 0x0152, "OE ligature"},
        {0x8E, 0x017D, "Z caron"},
        {0x91, 0x2018, "left single quote"},
        {0x92, 0x2019, "right single quote"},
        {0x93, 0x201C, "left double quote"},
        {0x94, 0x201D, "right double quote"},
        {0x95, 0x2022, "bullet"},
        {0x96, 0x2013, "en dash"},
        {0x97, 0x2014, "em dash"},
        {0x98, 0x02DC, "small tilde"},
        {0x99, 0x2122, "trade mark"},
        {0x9A, 0x0161, "s caron"},
        {0x9B, 0x203A, "single right angle quote"},
        {0x9C, 0x0153, "oe ligature"},
        {0x9E, 0x017E, "z caron"},
        {0x9F, 0x0178, "Y diaeresis"},
        // The five bytes without a character read as the C1 control of the same number.
        {0x81, 0x0081, "undefined 81"},
        {0x8D, 0x008D, "undefined 8D"},
        {0x8F, 0x008F, "undefined 8F"},
        {0x90, 0x0090, "undefined 90"},
        {0x9D, 0x009D, "undefined 9D"},
        {0xE4, 0x00E4, "a umlaut"},
        {0xDF, 0x00DF, "sharp s"},
        {0xC4, 0x00C4, "A umlaut"},
        {0xA0, 0x00A0, "no-break space"},
        {0xFF, 0x00FF, "y diaeresis"},
        {0x0A, 0x000A, "line feed"},
    };
    for (const auto& t : tabelle)
        QTest::newRow(t.name) << t.byte << t.zeichen;
}

void TestCodec::cp1252Tabelle() {
    QFETCH(int, byte);
    QFETCH(int, zeichen);
    const QByteArray b(1, char(byte));
    const QString s = QString(QChar(char16_t(zeichen)));
    QCOMPARE(cp1252::decode(b), s);
    QCOMPARE(cp1252::encode(s), b);
    QCOMPARE(cp1252::encodeChar(s[0]), char(byte));
}

void TestCodec::cp1252NichtDarstellbar_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("text with umlauts and euro")
        << QStringLiteral("Säule 5€ „Ÿ“") << QByteArray("S\xe4ule 5\x80 \x84\x9f\x93");
    QTest::newRow("L with stroke") << QStringLiteral("Łódź")
                                   << QByteArray("?\xf3"
                                                 "d?");
    QTest::newRow("C1 control whose byte is the euro sign")
        << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("C1 control 9F") << QStringLiteral("\u009F") << QByteArray("?");
    QTest::newRow("CJK") << QStringLiteral("a中b") << QByteArray("a?b");
    QTest::newRow("Cyrillic") << QStringLiteral("Жук") << QByteArray("???");
    // One character outside the 16-bit range is still one character.
    QTest::newRow("character outside the BMP")
        << QStringLiteral("a\U0001F416b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(char16_t(0xD83D))) << QByteArray("?");
}

void TestCodec::cp1252NichtDarstellbar() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp1252::encode(text), bytes);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
