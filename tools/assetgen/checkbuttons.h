#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The menu's check buttons (malo, ..., SZ, ..., naglos, ..., and the pairs
// SZ_S, ZRZ_Z, CZ_C, DZZ_DZ): opaque pictures copied as they are; `on` is the
// chosen state.
QImage CheckButton(const QString& base, bool on);
QStringList CheckButtonNames();
