#include "ui/tform4.h"

TForm4::TForm4(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form4");
    setWindowTitle(QString::fromUtf8("Játékosok"));
    setFixedSize(544, 245);
    // Its controls come with the feature that uses it.
}
