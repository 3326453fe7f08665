#pragma once

#include <QWidget>

class AppContext;
class QPlainTextEdit;

// "Notizen": a notes pad kept in "notiz.txt" in the data directory. Lives as long as the
// program; closing or Escape hides it, and a changed text is written then.
class TNotizen : public QWidget {
    Q_OBJECT
public:
    explicit TNotizen(AppContext& ctx, QWidget* parent = nullptr);

    // Reads the notes file again (after the data directory or its files changed).
    void laden();
    // Writes the notes when they were changed; false when that failed (the user was told).
    bool speichernWennGeaendert();
    QPlainTextEdit* memo() const { return Memo1; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString datei() const;

    AppContext& ctx_;
    QPlainTextEdit* Memo1 = nullptr;
};
