#pragma once
// The pictures of the tool bar, its menus and the panels' buttons.
#include <QIcon>
#include <QString>
#include <QStringList>

#include <string>

namespace icons {

// The icon of a control, by its object name: the desktop theme's standard icon where
// one fits, else our own, drawn from the PNG files the build renders from our SVG
// sources (assets/icons). An unknown name gives a null icon.
QIcon forControl(const QString& objectName, const std::string& appDir);

// The PNG files of a control's own icon, one per size of install::kIconSizes, smallest
// first (none for an unknown name).
QStringList filesFor(const QString& objectName, const std::string& appDir);

}  // namespace icons
