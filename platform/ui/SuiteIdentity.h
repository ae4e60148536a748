#pragma once
// What every program of the suite shows of the suite itself: its version (one for all
// programs, set in the build), its icon (a slope with its slip line) and an About box with
// both; and Qt's own Japanese texts for the toolkit's dialogs.

#include "platform/core/CString.h"

#include <QIcon>

class CWnd;

namespace platform {

// "1.0.0".
const char* SuiteVersion();
QIcon SuiteIcon();
// The About box of a program (name: CP932), centred on owner's window.
void ShowAboutBox(CWnd* owner, const CString& programName);
// Loads Qt's Japanese translation (message-box buttons, file, print and page set-up dialogs)
// and makes Japanese the toolkit's locale (dates and sizes in the file dialog). False when
// the translation is not installed.
bool InstallToolkitJapanese();
// The application's icon and version for every window (AfxWinMain).
void ApplySuiteIdentity();

} // namespace platform
