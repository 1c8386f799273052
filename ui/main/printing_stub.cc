// Stand-in printer used until the real printer code is built in: every job
// fails, so the Print command shows its failure message.
#include "ui/main/form_printer.h"

namespace mensurex::ui {

bool PrintWindowImage(const QWidget& /*window*/) { return false; }

}  // namespace mensurex::ui
