#pragma once
// Starts another program of the suite as a separate process, without waiting for it.
//
// The program file is taken from the caller's own directory (platform::ModuleDirectory)
// and started with posix_spawn: no shell, and each argument is one argv element, so
// names with blanks or Japanese characters arrive whole. A file that the child is to
// create is passed as the element "@" followed by the file name as the next element.
//
// The child inherits the caller's environment and current directory, but no descriptor
// beyond standard input, output and error, no ignored signal and no blocked signal.
// It is reaped when it ends (each launch leaves one small thread blocked in waitpid on
// that child's pid alone, so other waits of the process, QProcess's included, are not
// disturbed); the caller learns nothing of its exit.

#include "platform/core/CString.h"

#include <sys/types.h>
#include <vector>

// The analysis program's drawing run starts the drawing viewer with this argument before
// the plot index it wrote: only then does the viewer remove the plot files when it closes.
inline constexpr char kDrawingRunArgument[] = "--drawing-run";

// Starts <own directory>/<programFileName> with the arguments (CP932, one element each).
// A missing program file is reported as "<path>\n実行ﾌｧｲﾙが見つかりません !!"; a program
// the system refuses to start is reported with the system's own text under "Error".
// Returns the child's process id, or -1 when nothing was started.
pid_t LaunchChildProgram(const CString& programFileName, const std::vector<CString>& arguments);
