#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "encoders.h"

// Where the menu's tab pictures stand on the screen. The menu places them at
// these same spots and takes its click areas from them; each picture starts
// as the menu background under its place, so any other spot shows a seam.
struct MenuTabPlaces {
  QSize screen;
  const char* suffix;  // of the file names
  QRect strip;         // tabs 1 (Podpisywanie) and 2 (Memory), each half of it
  QRect fillTab;       // tab 3, Uzupełnianie, right of the strip
  QRect fallTab;       // tab 4, Spadające, left of the strip
};

inline constexpr MenuTabPlaces kMenuTabsSmall{
    QSize(800, 600), "_s", QRect(152, 422, 496, 64), QRect(652, 422, 144, 64), QRect(4, 422, 144, 64)};
inline constexpr MenuTabPlaces kMenuTabsBig{
    QSize(1024, 768), "_b", QRect(192, 541, 640, 80), QRect(836, 541, 184, 80), QRect(4, 541, 184, 80)};

// The strip of tabs 1 and 2 with `selectedTab` (1 or 2) raised; 0 raises
// neither, for while tab 3 or 4 is the current one.
QImage TabStrip(const QImage& menuBackground, const QRect& strip, int selectedTab);

enum class SideTab { Fill, Fall };
QImage SideTabPicture(const QImage& menuBackground, const QRect& place, SideTab tab, bool selected);

// Renders the strips and the side tabs of one screen size into Intf/Spec.
void RenderMenuTabs(const QImage& menuBackground, const MenuTabPlaces& places, const PictureSink& sink);
