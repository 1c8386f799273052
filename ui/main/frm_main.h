// The main window: the entry box, the unit selector, the seven result boxes,
// the command buttons and the File and Help menus.
#ifndef MENSUREX_UI_MAIN_FRM_MAIN_H_
#define MENSUREX_UI_MAIN_FRM_MAIN_H_

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

#include "mensurex/failure.h"
#include "mensurex/storage_unit.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// Every control carries its name as its objectName: "txtEntry",
// "frmSelect", "cmdCalculate", ..., the menus "mnuFile", "mnuCalculate", ...
// The unit buttons form one array indexed by StorageUnit, named
// "optMeasure_0" (Bytes) to "optMeasure_6" (Exabytes).
//
// The window keeps no state of its own: the entry text, the selected unit and
// the seven result texts live in the controls. Only while it prints does it
// note that it prints, and whether it was asked to close meanwhile.
//
// Keyboard: Tab runs through the entry box, Clear All, Calculate, Print Form,
// Close, the unit group, then the seven result boxes from bytes down to
// exabytes (so results can be reached and copied without a mouse).
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  // Prints an image of a window and reports whether the job was accepted. It
  // may run the event loop while it waits; the window takes no input
  // meanwhile.
  using PrintOperation = std::function<bool(const QWidget&)>;

  // Builds the window and runs its load step; shows nothing.
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // Replaces the print operation (the system's default printer unless
  // replaced).
  void set_print_operation(PrintOperation operation);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
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
  void txtEntry_KeyDown(int key_code, Qt::KeyboardModifiers modifiers);
  void optMeasure_KeyDown(int index, int key_code,
                          Qt::KeyboardModifiers modifiers);
  void cmdClear_Click();
  void cmdClose_Click();
  void mnuExit_Click();
  void mnuInstructions_Click();
  void mnuAbout_Click();
  void cmdPrintForm_Click();
  void mnuPrintForm_Click();

  // The instructions message, exactly as Help > Instructions shows it.
  static QString InstructionsText();

  void BuildControls();
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

  // Shows `prompt`, then gives the entry box the focus with its whole text
  // selected, so the next keystroke replaces it.
  void RefuseEntry(const QString& prompt);

  void PrintForm();

  PrintOperation print_operation_;
  bool printing_ = false;
  bool close_pending_ = false;

  QWidget* client_ = nullptr;
  QLineEdit* txtEntry = nullptr;
  QGroupBox* frmSelect = nullptr;
  QPushButton* cmdClear = nullptr;
  QPushButton* cmdCalculate = nullptr;
  QPushButton* cmdPrintForm = nullptr;
  QPushButton* cmdClose = nullptr;
  // Indexed by StorageUnit.
  std::array<QRadioButton*, mensurex::kStorageUnitCount> optMeasure{};
  // Result boxes in unit order: txtByteResult .. txtExaResult.
  std::array<QLineEdit*, mensurex::kStorageUnitCount> result_boxes_{};

  QMenu* mnuFile = nullptr;
  QAction* mnuCalculate = nullptr;
  QAction* mnuPrintForm = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuInstructions = nullptr;
  QAction* mnuAbout = nullptr;
};

#endif  // MENSUREX_UI_MAIN_FRM_MAIN_H_
