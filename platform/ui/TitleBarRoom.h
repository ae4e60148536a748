#pragma once
// How wide a top-level window must be for the window manager to show its title whole: the
// title bar holds the window's icon and its own buttons beside the title (a window manager
// may draw minimise and maximise even where the window asks for none), so a window sized to
// its contents alone may show its title cut ("新規-地… 界点 (3)").

class QString;
class QWidget;

namespace platform {

// The title in the bold face title bars use, and room for the icon, three buttons and the
// margins, each about a title bar's height wide; never more than a usual screen's width
// (a longer title is cut as the window manager cuts it).
int TitleBarWidth(const QString& title);

// Raises the window's minimum width to what its title needs; a larger minimum stays.
void MakeRoomForTitle(QWidget& window);

} // namespace platform
