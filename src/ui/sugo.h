#pragma once
// The program's own help window: the help file shown from its top.

#include <QWidget>

class QTextBrowser;

class SugoAblak : public QWidget {
    Q_OBJECT
public:
    explicit SugoAblak(QWidget* szulo = nullptr);

    // Opens `fajl` (HTML) at its top; a missing file is said so in the window.
    void megnyitas(const QString& fajl);

    QTextBrowser* Szoveg;

private:
    bool elhelyezve_ = false;
};
