#pragma once

#include <QDialog>

// "Infos": product name and release of the program.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static QString releaseText(); // "Release " + the version as "%2d.%d.%d.%d"
};
