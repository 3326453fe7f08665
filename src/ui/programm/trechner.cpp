#include "programm/trechner.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// The display, drawn on white, right-aligned.
class Anzeige : public QWidget {
public:
    explicit Anzeige(const Rechenwerk& werk, QWidget* parent) : QWidget(parent), werk_(werk) {
        setObjectName(QStringLiteral("Anzeige"));
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 1.6);
        f.setBold(true);
        setFont(f);
        setMinimumHeight(fontMetrics().height() + 12);
        setAccessibleName(QStringLiteral("Anzeige"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::darkGray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        const QFontMetrics fm = fontMetrics();
        const int hoehe = fm.boundingRect(u'9').height();
        const int x = width() - 2 - fm.horizontalAdvance(werk_.anzeige());
        const int y = (height() + hoehe) / 2 - fm.descent() / 2;
        p.drawText(x, y, werk_.anzeige());
    }

private:
    const Rechenwerk& werk_;
};

struct Knopf {
    const char* text;
    const char* name;
    QChar taste; // 0: "+/-"
    int zeile, spalte, breite;
};

constexpr Knopf kKnoepfe[] = {
    {"7", "Btn7", u'7', 0, 0, 1},      {"8", "Btn8", u'8', 0, 1, 1},
    {"9", "Btn9", u'9', 0, 2, 1},      {"/", "BtnDurch", u'/', 0, 3, 1},
    {"C", "BtnC", u'C', 0, 4, 1},      {"4", "Btn4", u'4', 1, 0, 1},
    {"5", "Btn5", u'5', 1, 1, 1},      {"6", "Btn6", u'6', 1, 2, 1},
    {"*", "BtnMal", u'*', 1, 3, 1},    {"M", "BtnM", u'M', 1, 4, 1},
    {"1", "Btn1", u'1', 2, 0, 1},      {"2", "Btn2", u'2', 2, 1, 1},
    {"3", "Btn3", u'3', 2, 2, 1},      {"-", "BtnMinus", u'-', 2, 3, 1},
    {"R", "BtnR", u'R', 2, 4, 1},      {"0", "Btn0", u'0', 3, 0, 1},
    {".", "BtnPunkt", u'.', 3, 1, 1},  {"+/-", "BtnVorzeichen", QChar(), 3, 2, 1},
    {"+", "BtnPlus", u'+', 3, 3, 1},   {"%", "BtnProzent", u'%', 3, 4, 1},
    {"=", "BtnGleich", u'=', 4, 0, 5},
};

} // namespace

TRechner::TRechner(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Rechner"));
    setWindowTitle(QStringLiteral("Rechner"));
    setProperty("helpContext", 1001);
    auto* grid = new QGridLayout(this);
    anzeige_ = new Anzeige(werk_, this);
    grid->addWidget(anzeige_, 0, 0, 1, 5);
    for (const Knopf& k : kKnoepfe) {
        auto* b = new QPushButton(QString::fromLatin1(k.text), this);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setMinimumSize(44, 34);
        b->setAutoDefault(false);
        grid->addWidget(b, k.zeile + 1, k.spalte, 1, k.breite);
        const QChar t = k.taste;
        connect(b, &QPushButton::clicked, this, [this, t] {
            if (t.isNull()) {
                werk_.vorzeichen();
                anzeige_->update();
            } else {
                taste(t);
            }
            gleich_->setFocus();
        });
        if (t == u'=') gleich_ = b;
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TRechner::zeigen() {
    show();
    raise();
    activateWindow();
    gleich_->setFocus();
}

void TRechner::taste(QChar k) {
    werk_.taste(k);
    anzeige_->update();
}

void TRechner::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Backspace:
        taste(u'\b');
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        taste(u'=');
        return;
    default:
        break;
    }
    const QString t = e->text();
    if (t.size() == 1 && QStringLiteral("0123456789.,+-*/=%CMRcmr").contains(t[0])) {
        taste(t[0]);
        return;
    }
    QWidget::keyPressEvent(e);
}
