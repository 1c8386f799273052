// How a print of the window ended, as far as the printing side can tell;
// the print protocol names the outcomes in this order.
#ifndef MENSUREX_UI_MAIN_PRINT_PRINT_OUTCOME_H_
#define MENSUREX_UI_MAIN_PRINT_PRINT_OUTCOME_H_

namespace mensurex::ui {

enum class PrintOutcome {
  // The scheduler accepted the whole document, or reported the job done.
  kPrinted,
  // Nothing will print: the job was refused, never made, or cancelled.
  kFailed,
  // The whole document went out, and neither its acceptance nor the fate of
  // the job could be learnt in time: the page may print, or may have.
  kMayHavePrinted,
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_PRINT_OUTCOME_H_
