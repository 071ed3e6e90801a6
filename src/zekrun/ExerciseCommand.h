#pragma once
// zekrun --test PRUEFDATEI [DATEI]: checks a program against a teacher's
// test file. stdout gets one line per case and, as its last line,
// "N bestanden, M fehlgeschlagen"; --junit also writes JUnit XML.

#include "zekrun/Options.h"

namespace zekrun {

// Exit status: 0 every case passed, 1 at least one failed, 2 the test file
// is invalid, 64 no program named, 65 an empty program, 66 an unreadable
// file, 73 the JUnit file could not be written.
int CheckExerciseCommand(const Options& options);

}  // namespace zekrun
