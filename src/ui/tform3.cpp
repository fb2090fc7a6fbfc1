#include "ui/tform3.h"

TForm3::TForm3(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form3");
    setWindowTitle(QString::fromUtf8("Kártyalap szerkesztő"));
    setFixedSize(638, 576);
    // Its controls come with the feature that uses it.
}
