#pragma once
// The result table of a settled deal.

#include <QDialog>

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* szulo = nullptr);
};
