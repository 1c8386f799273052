// The main window: the entry box, the unit selector, the seven result boxes,
// the command buttons and the File and Help menus.
#ifndef MENSUREX_UI_MAIN_FRM_MAIN_H_
#define MENSUREX_UI_MAIN_FRM_MAIN_H_

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "amounts/failure.h"
#include "amounts/storage_unit.h"
#include "ui/main/print/print_outcome.h"

class QFont;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mensurex::ui {
class EntryBox;
class SelectFrame;
}  // namespace mensurex::ui

// Every control carries its name as its objectName: "txtEntry",
// "frmSelect", "cmdCalculate", ..., the menus "mnuFile", "mnuCalculate", ...
// The unit buttons form one array indexed by StorageUnit, named
// "optMeasure_0" (Bytes) to "optMeasure_6" (Exabytes).
//
// The window keeps no state of its own: the entry text, the selected unit and
// the seven result texts live in the controls. Only while it prints does it
// hold the print job, whether it was asked to close meanwhile, and where the
// focus was.
//
// Keyboard: Tab runs through the entry box, Clear All, Calculate, Print Form,
// Close, the unit group, then the seven result boxes from bytes down to
// exabytes (so results can be reached and copied without a mouse).
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Starts printing an image of `window` as it looks now and returns the
  // running job, made a child of `parent`. The job calls `done` exactly once,
  // later (never before this returns), from the event loop, with how it
  // ended; the job logs why. Deleting the job abandons it.
  using PrintDone = std::function<void(mensurex::ui::PrintOutcome outcome)>;
  using PrintJobStarter = std::function<QObject*(
      const QWidget& window, QObject* parent, PrintDone done)>;

  // Builds the window and runs its load step; shows nothing.
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // Replaces how print jobs start (the system's default printer unless
  // replaced).
  void set_print_job_starter(PrintJobStarter starter);

  // Shows `amount` in the entry box, `unit` selected and, as Calculate
  // does, the results or the refusal; for the desktop's search, which opens
  // the window at an amount. Changes nothing and returns false while the
  // window prints or a modal window is open above it.
  bool ShowConversion(const QString& amount, mensurex::StorageUnit unit);

 protected:
  // A close asked for while the window prints waits for the outcome: the
  // failure message, if any, is shown first, then the window closes.
  void closeEvent(QCloseEvent* event) override;
  // Tab stops at the selected unit button only, as one stop for the group;
  // the arrow keys move between the units.
  bool focusNextPrevChild(bool next) override;

 private:
  // Commands, named after the control and event that trigger them.
  void cmdCalculate_Click();
  void mnuCalculate_Click();
  // The Enter key (with any modifier) pressed in the entry box or on a unit
  // button; the other keys keep their usual meaning and reach no handler.
  void txtEntry_KeyDown();
  void optMeasure_KeyDown(int index);
  void txtEntry_InsertRefused();
  void cmdClear_Click();
  void cmdClose_Click();
  void mnuExit_Click();
  void mnuInstructions_Click();
  void mnuAbout_Click();
  void cmdPrintForm_Click();
  void mnuPrintForm_Click();

  void BuildControls();
  // The parts of BuildControls: the unit buttons in their frame, and the
  // results with their labels.
  void BuildUnitButtons();
  void BuildResults(const QFont& text_box_font);
  void BuildMenus();
  void SetTabOrder();
  void ConnectCommands();
  bool IsTabStop(const QWidget* widget) const;

  // The load step: selects Kilobytes.
  void Form_Load();

  // Converts the entry in the selected unit and writes the seven result
  // boxes; or writes nothing and returns why: kNotNumeric for an entry that
  // is no number, kOverflow for an amount the result boxes cannot hold.
  std::optional<mensurex::ConversionFailure> Calculate();

  // The selected unit: the first checked button in index order (Kilobytes
  // should none be checked, which the window never allows after load).
  mensurex::StorageUnit SelectedUnit() const;

  // Shows `prompt`; once it is closed, gives the entry box the focus with
  // its whole text selected, so the next keystroke replaces it.
  void RefuseEntry(const QString& prompt);

  void PrintForm();
  void PrintFinished(mensurex::ui::PrintOutcome outcome);
  // While busy the window shows the busy cursor and its controls and menus
  // take no input; afterwards the focus and the entry's selection are back
  // where they were.
  void SetBusy(bool busy);
  // Carries out a close that was asked for while printing.
  void CloseIfPending();

  PrintJobStarter start_print_job_;
  QPointer<QObject> print_job_;  // set while a print job runs
  bool close_pending_ = false;
  QPointer<QWidget> focus_before_busy_;
  int cursor_before_busy_ = 0;
  int anchor_before_busy_ = 0;

  QWidget* client_ = nullptr;
  mensurex::ui::EntryBox* txtEntry = nullptr;
  mensurex::ui::SelectFrame* frmSelect = nullptr;
  QPushButton* cmdClear = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QPushButton* cmdPrintForm = nullptr;
  QPushButton* cmdClose = nullptr;
  // Indexed by StorageUnit.
  std::array<QRadioButton*, mensurex::kStorageUnitCount> optMeasure{};
  // Result boxes in unit order: txtByteResult .. txtExaResult.
  std::array<QLineEdit*, mensurex::kStorageUnitCount> result_boxes_{};
};

#endif  // MENSUREX_UI_MAIN_FRM_MAIN_H_
