#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// The program's icon for the desktop's menus and launchers: the about box's
// logo (a yellow panel with a white rim on the night-blue ground, the name in
// ink, "Cz.I" between a coral and a green star) made square, with the name on
// two lines so that it still reads at 48 pixels.

// Draws the icon on a kAppIconUnits x kAppIconUnits canvas; outside its
// rounded square nothing is painted.
inline constexpr int kAppIconUnits = 256;
void DrawAppIcon(QPainter& p);

// The icon at `size` x `size` pixels, transparent outside the rounded square.
QImage AppIconPicture(int size);
// The same drawing as an SVG document; the letters are outlines, so it needs
// no font where it is shown.
QByteArray AppIconSvg();

// The pixel sizes the icon theme gets beside the scalable picture.
QList<int> AppIconSizes();
// Writes <theme>/scalable/apps/<name>.svg and <theme>/<n>x<n>/apps/<name>.png
// for every size, where <theme> is the folder of a hicolor icon theme.
// Throws AssetError.
void RenderAppIcons(const QString& theme, const QString& name);
