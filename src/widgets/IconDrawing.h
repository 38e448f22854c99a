#pragma once

#include <QIconEngine>
#include <QString>

namespace bw {

// The engine that draws the icon of a key from the program's own icon set, or null when the set
// has no icon of that key. The set is built into the program: SVG files where the build's Qt has
// Qt Svg, PNGs rendered from the same files at build time where it has not.
QIconEngine* DrawnIconEngine(const QString& key);

} // namespace bw
