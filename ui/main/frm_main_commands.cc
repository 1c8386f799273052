// The main window's commands: Calculate, Clear All, Close, Exit,
// Instructions, About and Print Form.
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QString>

#include "engine/window_conversion.h"
#include "entry_box.h"
#include "locale/locale_separators.h"
#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"
#include "ui/shared/message_box.h"

namespace {

const char* const kRefusalMessage =
    QT_TRANSLATE_NOOP("frmMain", "You must enter a valid numeric amount .");
const char* const kOverflowMessage =
    QT_TRANSLATE_NOOP("frmMain", "The amount is too large to convert.");
const char* const kPrintFailureMessage =
    QT_TRANSLATE_NOOP("frmMain", "There has been an error printing this form.");
const char* const kPrintUncertainMessage = QT_TRANSLATE_NOOP(
    "frmMain",
    "The page may have printed: the printer did not answer in time. Check the "
    "printer before you print again.");
const char* const kPasteRefusedMessage = QT_TRANSLATE_NOOP(
    "frmMain",
    "The text was not pasted: the entry holds at most 32767 characters.");

// The instructions message, exactly as Help > Instructions shows it: six
// texts joined with nothing between them; the second to the sixth each
// begin with their own blank. One text for translators, who may need to
// reorder the sentences. Its example numbers are written in the digits that
// the results are written in.
QString InstructionsText() {
  return mensurex::InUserDigits(frmMain::tr(
      "To use the Mensurex, simply add a numberical value in the ENTER NUMBER "
      "TO CONVERT box."
      " Select the appropriate criteria you wish to convert, byte, kilobyte, "
      "megabyte or gigabyte."
      " Next, click the Calculate button to view the results."
      " As an example, if you wanted to see how many bytes, kilobytes and "
      "gigabytess were in 100 megabytes,"
      " simply type 100 in the ENTER NUMBER TO CONVERT field and select "
      "MEGABYTES in the CRITERIA section,"
      " then click CALCULATE.  View the results in the RESULTS section."));
}

}  // namespace

void frmMain::Form_Load() {
  optMeasure[static_cast<std::size_t>(
                 mensurex::UnitIndex(mensurex::StorageUnit::kKilobytes))]
      ->setChecked(true);
}

void frmMain::cmdCalculate_Click() {
  const auto failure = Calculate();
  if (!failure) return;
  // Nothing was written: the user keeps what is on screen and can correct
  // the entry.
  RefuseEntry(tr(*failure == mensurex::ConversionFailure::kOverflow
                     ? kOverflowMessage
                     : kRefusalMessage));
}

bool frmMain::ShowConversion(const QString& amount,
                             mensurex::StorageUnit unit) {
  if (print_job_ != nullptr || QApplication::activeModalWidget() != nullptr) {
    return false;
  }
  txtEntry->setText(amount);
  optMeasure[static_cast<std::size_t>(mensurex::UnitIndex(unit))]->setChecked(
      true);
  txtEntry->setFocus();
  cmdCalculate_Click();
  return true;
}

void frmMain::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMain::txtEntry_KeyDown() { cmdCalculate_Click(); }

void frmMain::optMeasure_KeyDown(int /*index*/) { cmdCalculate_Click(); }

void frmMain::txtEntry_InsertRefused() {
  // Cutting the pasted text could change the number it spells, so the entry
  // keeps what it had and says why.
  mensurex::ui::OpenMessage(this, tr(kPasteRefusedMessage));
}

std::optional<mensurex::ConversionFailure> frmMain::Calculate() {
  const auto texts = mensurex::ConvertEntryToTexts(
      SelectedUnit(), txtEntry->text().toStdString(),
      mensurex::UserSeparators());
  if (!texts) return texts.failure();
  for (std::size_t index = 0; index < result_boxes_.size(); ++index) {
    QLineEdit* box = result_boxes_[index];
    box->setText(
        mensurex::InUserDigits(QString::fromStdString((*texts)[index])));
    // Show the leading digits of a text longer than the box.
    box->setCursorPosition(0);
  }
  return std::nullopt;
}

mensurex::StorageUnit frmMain::SelectedUnit() const {
  for (int index = 0; index < mensurex::kStorageUnitCount; ++index) {
    if (optMeasure[static_cast<std::size_t>(index)]->isChecked()) {
      return static_cast<mensurex::StorageUnit>(index);
    }
  }
  return mensurex::StorageUnit::kKilobytes;
}

void frmMain::RefuseEntry(const QString& prompt) {
  QMessageBox* box = mensurex::ui::OpenMessage(this, prompt);
  connect(box, &QDialog::finished, this, [this] {
    txtEntry->setFocus(Qt::OtherFocusReason);
    txtEntry->selectAll();
  });
}

void frmMain::cmdClear_Click() {
  // setText, unlike clear(), also drops the undo history: Ctrl+Z cannot bring
  // the text back, and a huge pasted entry does not stay in memory.
  txtEntry->setText(QString());
  // Byte, kilo, giga, mega, then tera to exa.
  using mensurex::StorageUnit;
  for (StorageUnit unit :
       {StorageUnit::kBytes, StorageUnit::kKilobytes, StorageUnit::kGigabytes,
        StorageUnit::kMegabytes, StorageUnit::kTerabytes,
        StorageUnit::kPetabytes, StorageUnit::kExabytes}) {
    result_boxes_[static_cast<std::size_t>(mensurex::UnitIndex(unit))]->setText(
        QString());
  }
  txtEntry->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdClose_Click() { close(); }

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuInstructions_Click() {
  mensurex::ui::OpenMessage(this, InstructionsText());
}

void frmMain::mnuAbout_Click() {
  // Built afresh for every opening; gone when closed.
  auto* about = new frmAbout(this);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->open();
}

void frmMain::cmdPrintForm_Click() { PrintForm(); }

void frmMain::mnuPrintForm_Click() { PrintForm(); }

void frmMain::PrintForm() {
  // The job draws the window as the user sees it, before it turns busy.
  // The job logs its reason; the window only tells how it ended.
  print_job_ = start_print_job_(
      *this, this,
      [this](mensurex::ui::PrintOutcome outcome) { PrintFinished(outcome); });
  SetBusy(true);
}

void frmMain::PrintFinished(mensurex::ui::PrintOutcome outcome) {
  if (print_job_ != nullptr) print_job_->deleteLater();
  print_job_ = nullptr;
  SetBusy(false);
  QMessageBox* box = nullptr;
  switch (outcome) {
    case mensurex::ui::PrintOutcome::kPrinted:
      CloseIfPending();
      return;
    case mensurex::ui::PrintOutcome::kFailed:
      // Any certain failure is reported by this one message, never by its
      // own description.
      box = mensurex::ui::OpenMessage(this, tr(kPrintFailureMessage),
                                      QMessageBox::Ok | QMessageBox::Cancel,
                                      QMessageBox::Ok);
      break;
    case mensurex::ui::PrintOutcome::kMayHavePrinted:
      // Not a failure: the user, told one, would print the page twice. There
      // is nothing to choose, hence OK only.
      box = mensurex::ui::OpenMessage(this, tr(kPrintUncertainMessage));
      break;
  }
  connect(box, &QDialog::finished, this, &frmMain::CloseIfPending);
}

void frmMain::SetBusy(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Disabling moves the focus away and drops the entry's selection.
    focus_before_busy_ = focusWidget();
    cursor_before_busy_ = txtEntry->cursorPosition();
    anchor_before_busy_ =
        txtEntry->hasSelectedText()
            ? (txtEntry->selectionStart() == cursor_before_busy_
                   ? txtEntry->selectionEnd()
                   : txtEntry->selectionStart())
            : cursor_before_busy_;
  }
  client_->setEnabled(!busy);
  menuBar()->setEnabled(!busy);
  if (busy) return;
  QGuiApplication::restoreOverrideCursor();
  if (focus_before_busy_ != nullptr && focus_before_busy_->window() == this) {
    focus_before_busy_->setFocus(Qt::OtherFocusReason);
  }
  txtEntry->setSelection(anchor_before_busy_,
                         cursor_before_busy_ - anchor_before_busy_);
}

void frmMain::CloseIfPending() {
  if (!close_pending_) return;
  close_pending_ = false;
  close();
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (print_job_ != nullptr) {
    close_pending_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}
