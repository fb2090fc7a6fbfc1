#pragma once
// The bidding dialog.

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* szulo = nullptr);
};
