#pragma once

namespace jotlet {

// Shows "There was an error in creating an error log entry" (title "Log Error") when a log entry cannot be
// written; until the session ends, when nothing modal may run.
void installLogErrorMessageBox();

} // namespace jotlet
