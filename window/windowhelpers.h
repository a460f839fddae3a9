#pragma once

#include <QString>

class QUrl;
class QWidget;

namespace jotlet {

// Whether the window stays above all windows that are not kept on top; the window is not moved, resized or
// recreated. Returns false for no window.
bool setStaysOnTop(QWidget* window, bool on);

// Asks for a drop shadow under the window. Window managers draw shadows themselves on Linux, so this only matters
// on Windows; failures are ignored.
void addDropShadow(QWidget* window);

// Hands a document or address to the desktop: an address with a scheme ("https:", "mailto:") as it is, anything
// else as a local file, relative to folder when folder is given. Returns whether the desktop accepted it.
bool openWithDesktop(const QString& file, const QString& folder = QString());

// The URL openWithDesktop hands to the desktop for a file or address.
QUrl desktopUrlFor(const QString& file, const QString& folder = QString());

} // namespace jotlet
