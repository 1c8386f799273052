#include "ui/shared/logging.h"

namespace mensurex::ui {

Q_LOGGING_CATEGORY(lcStart, "mensurex.start")
Q_LOGGING_CATEGORY(lcUi, "mensurex.ui")

}  // namespace mensurex::ui
