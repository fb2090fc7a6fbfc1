#include "ui/urlapok.h"

#include <QDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QRegularExpression>
#include <cstdlib>
#include <exception>

#include "ui/elrendezes.h"
#include "ui/tform1.h"
#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

Urlapok& urlapok() {
    static Urlapok u;
    return u;
}

void urlapok_letrehozasa() {
    Urlapok& u = urlapok();
    u.Form1 = new TForm1();
    u.Form2 = new TForm2(u.Form1);
    u.Form3 = new TForm3(u.Form1);
    u.Form4 = new TForm4(u.Form1);
    u.Form5 = new TForm5(u.Form1);
    u.Form6 = new TForm6(u.Form1);
    u.Form7 = new TForm7(u.Form1);
    u.Form8 = new TForm8(u.Form1);
    u.Form9 = new TForm9(u.Form1);
    u.Form10 = new TForm10(u.Form1);
    // The dialogs are shown at the table's scale; the about box keeps its picture's size.
    for (QWidget* d : std::initializer_list<QWidget*>{u.Form2, u.Form3, u.Form4, u.Form5, u.Form6, u.Form7, u.Form8,
                                                      u.Form10})
        u.Form1->elrendezes->kovet(d);
}

void urlapok_torlese() {
    delete urlapok().Form1;  // the dialogs go with it
    urlapok() = Urlapok{};
}

QString& sugo_fajl() {
    static QString f = QString::fromUtf8(SUGO_FAJL);
    return f;
}

UltiAlkalmazas::UltiAlkalmazas(int& argc, char** argv) : QApplication(argc, argv) {}

bool UltiAlkalmazas::notify(QObject* cel, QEvent* esemeny) {
    try {
        return QApplication::notify(cel, esemeny);
    } catch (const std::exception& e) {
        vegzetes_hiba(QString::fromUtf8(e.what()));
    } catch (...) {
        vegzetes_hiba(QString::fromUtf8("Ismeretlen hiba történt."));
    }
}

void vegzetes_hiba(const QString& szoveg) {
    // No worker may outlive the process's end.
    if (TForm1* f = urlapok().Form1) f->kereses.leallitas();
    QMessageBox doboz(QMessageBox::Critical, QStringLiteral("Kotlan"), szoveg, QMessageBox::Ok);
    doboz.exec();
    std::exit(EXIT_FAILURE);
}

QString kijelzett(const std::string& szoveg, const QFont& betu) {
    QString s = QString::fromUtf8(szoveg.c_str(), static_cast<qsizetype>(szoveg.size()));
    static const QRegularExpression kotojel(QStringLiteral("(?<=\\w)-(?=\\w)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression forint(QStringLiteral(" (?=Ft\\b)"));
    const bool van_jele = QFontMetrics(betu).inFontUcs4(0x2011);
    s.replace(kotojel, van_jele ? QStringLiteral("\u2011") : QStringLiteral("-\u2060"));
    s.replace(forint, QStringLiteral("\u00a0"));
    return s;
}

QFont kis_betu() {
    QFont betu;
    betu.setFamilies({"MS Sans Serif", "DejaVu Sans", "Sans Serif"});
    betu.setPointSize(8);
    return betu;
}

void parbeszed_keret(QDialog* d, const char* nev, const char* felirat, int szel, int mag,
                     const QColor& hatter) {
    d->setObjectName(nev);
    d->setWindowTitle(QString::fromUtf8(felirat));
    d->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    d->setFixedSize(szel, mag);
    d->setAutoFillBackground(true);
    QPalette pal = d->palette();
    pal.setColor(QPalette::Window, hatter);
    d->setPalette(pal);
}
