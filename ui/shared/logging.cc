#include "ui/shared/logging.h"

namespace mensurex::ui {

// Debug lines are off unless QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(lcStart, "mensurex.start", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "mensurex.ui", QtInfoMsg)

}  // namespace mensurex::ui
