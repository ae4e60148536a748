#pragma once
// Centres a dialog over its owner window, or on the screen when it has none.

class CDialog;

void CenterDialog(CDialog& dialog);
