#pragma once
// The computer's pace: the pause before each of its cards, chosen under
// "Beállítások". The search's own one-second limit does not depend on it.

#include <functional>

class QMenu;

// Fast, normal (the default) and slow, in milliseconds.
inline constexpr int TEMPO_GYORS = 300;
inline constexpr int TEMPO_NORMAL = 1000;
inline constexpr int TEMPO_LASSU = 2000;

// One of the three paces.
bool tempo_ervenyes(int ms);

// Adds "Tempó" with the three paces as a choice of one to `menu`. `most` tells the
// pause in force (its item is checked each time the menu opens); `valasztas` is
// called with the chosen one.
QMenu* tempo_menu(QMenu* menu, std::function<int()> most, std::function<void(int)> valasztas);
