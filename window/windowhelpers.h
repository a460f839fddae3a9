#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace jotlet {

enum TopMostMode {
    TopMostOn = 0,  // keep the window above all windows that are not kept on top
    TopMostOff = 1, // take that away
};

// Changes whether the window stays on top, without moving, resizing or recreating it.
// Any mode other than TopMostOn or TopMostOff does nothing and returns false.
bool SetTopMost(QWidget* window, int mode);

// Asks for a drop shadow under the window. Window managers draw shadows themselves on Linux,
// so this only matters on Windows; failures are ignored.
void AddDropShadow(QWidget* window);

// Hands a document or address to the desktop: an address with a scheme ("https:", "mailto:")
// as it is, anything else as a local file, relative to folder when folder is given. The verb,
// parameters and show mode are accepted for the callers' sake; the desktop only knows "open".
// Returns whether the desktop accepted it.
bool ShellOpen(const QString& verb,
               const QString& file,
               const QString& parameters = QString(),
               const QString& folder = QString(),
               int showMode = 1);

// The URL ShellOpen hands to the desktop for a file or address.
QUrl shellOpenUrl(const QString& file, const QString& folder = QString());

} // namespace jotlet
