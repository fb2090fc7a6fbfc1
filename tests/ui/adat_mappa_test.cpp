// Finding the pictures and the help from any working directory: the working
// directory first, then the data folders in their order.

#include "ui/adat_mappa.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void fajl(const QString& utvonal) {
    QDir().mkpath(QFileInfo(utvonal).path());
    QFile f(utvonal);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(AdatMappa, MunkakonyvtarElobbMintAdatmappak) {
    struct Eset {
        bool munka, adat1, adat2;
        int melyik;  // 0: the name itself, 1 or 2: that data folder
    };
    const Eset esetek[] = {
        {true, true, true, 0},    {false, true, true, 1},  {false, false, true, 2},
        {false, false, false, 0}, {true, false, false, 0},
    };
    const QString eredeti = QDir::currentPath();
    for (const Eset& e : esetek) {
        QTemporaryDir munka, adat1, adat2;
        const QString nev = "kartya/pd.jpg";
        if (e.munka) fajl(munka.filePath(nev));
        if (e.adat1) fajl(adat1.filePath(nev));
        if (e.adat2) fajl(adat2.filePath(nev));
        ASSERT_TRUE(QDir::setCurrent(munka.path()));
        const QString kapott = adat_utvonal(nev, {adat1.path(), adat2.path()});
        QDir::setCurrent(eredeti);
        const QString vart = e.melyik == 0 ? nev : (e.melyik == 1 ? adat1 : adat2).filePath(nev);
        EXPECT_EQ(kapott, vart) << e.munka << e.adat1 << e.adat2;
    }
}

}  // namespace
