#pragma once
// The pictures of the tool bar, its menus and the panels' buttons.
#include <QIcon>
#include <QString>

#include <string>

namespace icons {

// The icon of a control, by its object name: the desktop theme's standard icon where
// one fits, else our own SVG from the data folder. An unknown name gives a null icon.
QIcon forControl(const QString& objectName, const std::string& appDir);

// The SVG file of a control's own icon ("" for an unknown name).
QString fileFor(const QString& objectName, const std::string& appDir);

}  // namespace icons
