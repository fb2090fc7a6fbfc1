#pragma once
// The deal editor: lays out a deal by hand.

#include <QDialog>

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* szulo = nullptr);
};
