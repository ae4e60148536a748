#pragma once
// Centres a dialog over its owner window, or on the screen when it has none; or places it
// at a given screen position, moved only as far as it takes to keep it on the screen.

class CDialog;

void CenterDialog(CDialog& dialog);
// (x, y): the top left corner asked for, in screen coordinates.
void PlaceDialogOnScreen(CDialog& dialog, int x, int y);
