#pragma once
// What a title bar needs to show a title whole, judged from the toolkit's own title bar rather
// than from the figure the windows size themselves by, so that a window one part too narrow
// is caught.

class QString;

// The title in the bold title-bar face; the window's icon and its minimise, maximise and
// close buttons, each a square as high as the style's title bar; the frame's border on
// either side.
int TitleBarNeeds(const QString& title);
