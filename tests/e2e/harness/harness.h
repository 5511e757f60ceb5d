#pragma once
// End-to-end harness: drives the real Windows programs of the build from GoogleTest tests.
//
//   process.h       start a program with arguments, working folder and environment changes; wait
//                   for its end and exit code; ends leftovers in the destructor
//   window_query.h  find top-level windows by process, caption and class; read texts, styles and
//                   rectangles; list child controls with class, text, id, state and position
//   input.h         posted keys, characters, commands and system commands; SendInput chords and
//                   text; button clicks and mouse clicks at client points
//   message_box.h   find the message boxes of a process, read title, text, icon kind and buttons,
//                   and answer them by button id
//   capture.h       capture a window's pixels (screen copy or PrintWindow), inspect, save as BMP
//   png_image.h     read a PNG file into a capture
//   test_support.h  scratch folders, file and registry helpers with clean-up
//   wait.h          the bounded polling used by every wait
//
// menu_session.h (library torva_e2e_menu, not included here) runs Torva.exe from a scratch program
// folder with probe stand-ins and builds definition lines for it.
//
// Every wait takes a timeout (kDefaultTimeout when omitted) and never blocks forever. Texts are
// UTF-8. Programs are found in the folder of the test executable (ProgramPath).

#include "tests/e2e/harness/capture.h"
#include "tests/e2e/harness/input.h"
#include "tests/e2e/harness/message_box.h"
#include "tests/e2e/harness/png_image.h"
#include "tests/e2e/harness/process.h"
#include "tests/e2e/harness/test_support.h"
#include "tests/e2e/harness/tooltip_query.h"
#include "tests/e2e/harness/wait.h"
#include "tests/e2e/harness/window_query.h"
