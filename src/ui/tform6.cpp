#include "ui/tform6.h"

TForm6::TForm6(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form6");
    setWindowTitle(QString::fromUtf8("Tromfolósdi"));
    setFixedSize(200, 136);
    // Its controls come with the feature that uses it.
}
