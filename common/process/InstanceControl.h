#pragma once
// Instance control of the suite's programs over named mutexes (CNamedMutex.h).
//
// A mutex name is the family word, a blank and the program word, followed by " 01" for
// the first instance and " 02" for an allowed second one ("Verrant TORVAN 01"). With an
// empty family word the name is the program word alone before the number; the family
// word is remembered across calls once a non-empty one was given.
//
// The process holds at most one instance mutex as its own; a later successful check
// makes the new one current and keeps the earlier one held until the process ends.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

// Takes the first-instance name; 1 when it was free (now held), 0 when another
// process holds it or it could not be made. Also serves to test whether another
// program of the suite runs.
BOOL CheckSingleInstance(const char* familyWord, const char* programWord);

// 1 when this process may run. When the first-instance name is held elsewhere: with no
// second start allowed "[%s.EXE] は既に起動されています", 0; with a second start
// allowed, the " 02" name is taken and the user is asked (Yes/No) whether to run twice;
// when " 02" is held too "[%s.EXE] は既に二重起動されています", 0. A name that cannot be
// made is reported with the path that stands in the way, 0.
BOOL CheckDoubleStart(const char* familyWord, const char* programWord, BOOL allowSecond);

// True when the last CheckDoubleStart refused because its name could not be made (no usable
// runtime directory or lock file; the message naming the path has been shown), not because
// another copy runs. The program then ends with a non-zero status.
bool LastInstanceCheckFailed();

// Gives up the current instance mutex; nothing when none is held.
void ReleaseInstanceMutex();

// The name of one instance (1 or 2) as the checks build it, family word as remembered.
CString InstanceMutexName(const char* familyWord, const char* programWord, int instance);
