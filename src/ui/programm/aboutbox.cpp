#include "programm/aboutbox.h"

#include "porvanta_version.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Infos"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    const QIcon appIcon = QApplication::windowIcon().isNull()
                              ? style()->standardIcon(QStyle::SP_ComputerIcon)
                              : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(48, 48));
    auto* produkt = new QLabel(QStringLiteral("Porvanta  PV 2"), this);
    produkt->setObjectName(QStringLiteral("ProductName"));
    QFont f = produkt->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    produkt->setFont(f);
    auto* version = new QLabel(releaseText(), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(produkt);
    text->addWidget(version);
    auto* oben = new QHBoxLayout;
    oben->addWidget(icon);
    oben->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(buttons);
    // Wide enough for the whole title, whatever the window manager adds to it.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle() + QStringLiteral(" — Porvanta")) +
                    160);
}

QString TAboutBox::releaseText() {
    return QStringLiteral("Release ") +
           QString::asprintf("%2d.%d.%d.%d", PORVANTA_VERSION_MAJOR, PORVANTA_VERSION_MINOR,
                             PORVANTA_VERSION_PATCH, PORVANTA_VERSION_TWEAK);
}
