#pragma once

#include <QDialog>

class AppContext;
class QListWidget;

// "baum": one line per sow with her litter numbers; "+", "-" and "=" renumber the selected
// sow's litters from the first one's number.
class TFormBaum : public QDialog {
    Q_OBJECT
public:
    explicit TFormBaum(AppContext& ctx, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& ctx_;
    QListWidget* ListBox1 = nullptr;
};
