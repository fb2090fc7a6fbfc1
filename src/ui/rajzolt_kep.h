#pragma once
// The program's pictures drawn at the size they are shown (src/rajz/), so they stay
// sharp at every scale of the table and on screens of any pixel ratio.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The deck's picture `utvonal` ("kartya/pd.jpg") drawn for a label of `meret` on a
// screen of device pixel ratio `arany`: as wide as the label, as high as the label
// when that is a card's shape (else a card's height, the label showing part of it).
// Null for a file that is not a card. Each size is drawn once.
QPixmap kartya_rajz(const QString& utvonal, QSize meret, qreal arany);

// The icon of a tool-bar picture file ("kartya/gomb_uj.png"): its face drawn at any
// size it is asked for; another file is read as it is.
QIcon gomb_ikon(const QString& utvonal);
