#pragma once

#include <QIcon>
#include <QStringList>

namespace bw::EditorIcons {

// The keys of the editor's icons: the toolbar's "New", "Open", "Save", "Rectangle", "Help",
// "HelpLarge", "Quit" and "Options", and the list buttons' "Add", "Remove", "Up" and "Down".
QStringList Keys();

// The icon of a key, drawn from the program's own scalable set; a null icon for an unknown key.
QIcon Icon(const QString& key);

} // namespace bw::EditorIcons
