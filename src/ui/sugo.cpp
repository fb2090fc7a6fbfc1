#include "ui/sugo.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/adat_mappa.h"

SugoAblak::SugoAblak(QWidget* szulo) : QWidget(szulo, Qt::Window) {
    setObjectName("Sugo");
    setWindowTitle(QString::fromUtf8("Kotlan – Leírás"));
    setCursor(Qt::ArrowCursor);
    resize(760, 620);
    Szoveg = new QTextBrowser(this);
    Szoveg->setObjectName("Szoveg");
    Szoveg->setOpenExternalLinks(false);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Szoveg);
}

void SugoAblak::megnyitas(const QString& fajl) {
    const QFileInfo info(adat_utvonal(fajl));
    if (!info.isFile() || !info.isReadable()) {
        Szoveg->setHtml(QString::fromUtf8(
                            "<h2>A súgó nem található</h2>"
                            "<p>A leírást a <b>%1</b> fájlból olvasná a program, de ez a fájl "
                            "nincs meg (vagy nem olvasható) a munkakönyvtárban:</p><p><tt>%2</tt></p>"
                            "<p>Indítsa a programot abból a könyvtárból, ahol a <tt>kartya</tt> és "
                            "a <tt>help</tt> mappa van (a build könyvtárból: <tt>make run</tt>).</p>")
                            .arg(fajl.toHtmlEscaped(), info.absoluteFilePath().toHtmlEscaped()));
    } else {
        // Reloaded every time, so the window always opens at the top of the contents.
        const QUrl cim = QUrl::fromLocalFile(info.absoluteFilePath());
        if (Szoveg->source() == cim)
            Szoveg->reload();
        else
            Szoveg->setSource(cim, QTextDocument::HtmlResource);
    }
    Szoveg->verticalScrollBar()->setValue(0);
    // The first time over the middle of the main window; later where the user left it.
    if (!isVisible() && !elhelyezve_ && parentWidget()) {
        QRect keret = frameGeometry();
        keret.moveCenter(parentWidget()->window()->frameGeometry().center());
        move(keret.topLeft());
        elhelyezve_ = true;
    }
    show();
    raise();
    activateWindow();
}
