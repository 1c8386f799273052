// The main window's commands: Calculate, Clear All, Close, Exit,
// Instructions, About and Print Form.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QString>

#include "mensurex/conversion.h"
#include "ui/about/frm_about.h"
#include "ui/main/busy_input_block.h"
#include "ui/main/frm_main.h"
#include "ui/main/locale_separators.h"
#include "ui/shared/application_identity.h"
#include "ui/shared/message_box.h"

namespace {

const char kRefusalMessage[] = "You must enter a valid numeric amount .";
const char kOverflowMessage[] = "The amount is too large to convert.";
const char kPrintFailureMessage[] =
    "There has been an error printing this form.";

bool IsEnterKey(int key_code) {
  return key_code == Qt::Key_Return || key_code == Qt::Key_Enter;
}

}  // namespace

QString frmMain::InstructionsText() {
  // Six texts joined with nothing between them; the second to the sixth each
  // begin with their own blank.
  return QStringLiteral(
             "To use the Mensurex, simply add a numberical value in the ENTER "
             "NUMBER TO CONVERT box.") +
         QStringLiteral(
             " Select the appropriate criteria you wish to convert, byte, "
             "kilobyte, megabyte or gigabyte.") +
         QStringLiteral(
             " Next, click the Calculate button to view the results.") +
         QStringLiteral(
             " As an example, if you wanted to see how many bytes, kilobytes "
             "and gigabytess were in 100 megabytes,") +
         QStringLiteral(
             " simply type 100 in the ENTER NUMBER TO CONVERT field and select "
             "MEGABYTES in the CRITERIA section,") +
         QStringLiteral(
             " then click CALCULATE.  View the results in the RESULTS "
             "section.");
}

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
  RefuseEntry(QString::fromLatin1(
      *failure == mensurex::ConversionFailure::kOverflow ? kOverflowMessage
                                                         : kRefusalMessage));
}

void frmMain::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMain::txtEntry_KeyDown(int key_code,
                               Qt::KeyboardModifiers /*modifiers*/) {
  if (IsEnterKey(key_code)) cmdCalculate_Click();
}

void frmMain::optMeasure_KeyDown(int /*index*/, int key_code,
                                 Qt::KeyboardModifiers /*modifiers*/) {
  if (IsEnterKey(key_code)) cmdCalculate_Click();
}

std::optional<mensurex::ConversionFailure> frmMain::Calculate() {
  const auto texts = mensurex::ConvertEntryToTexts(
      SelectedUnit(), txtEntry->text().toStdString(),
      mensurex::ui::UserSeparators());
  if (!texts) return texts.failure();
  for (std::size_t index = 0; index < result_boxes_.size(); ++index) {
    QLineEdit* box = result_boxes_[index];
    box->setText(QString::fromStdString((*texts)[index]));
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
  mensurex::ui::ShowMessage(this, prompt);
  activateWindow();
  txtEntry->setFocus(Qt::OtherFocusReason);
  txtEntry->setSelection(0, static_cast<int>(txtEntry->text().size()));
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

void frmMain::mnuExit_Click() { QCoreApplication::quit(); }

void frmMain::mnuInstructions_Click() {
  mensurex::ui::ShowMessage(this, InstructionsText());
}

void frmMain::mnuAbout_Click() {
  // Built afresh for every opening; gone when closed.
  frmAbout about(mensurex::ui::ApplicationTitle(), this);
  about.exec();
}

void frmMain::cmdPrintForm_Click() { PrintForm(); }

void frmMain::mnuPrintForm_Click() { PrintForm(); }

void frmMain::PrintForm() {
  bool printed = false;
  {
    // The operation may wait for the printer with the event loop running:
    // the window goes on painting, but no click or key acts until the
    // outcome is known.
    const mensurex::ui::BusyInputBlock busy;
    printing_ = true;
    try {
      printed = print_operation_ && print_operation_(*this);
    } catch (...) {
      // Any failure of the print operation is reported by the one message
      // below, never by its own description.
      printed = false;
    }
    printing_ = false;
  }
  if (!printed) {
    mensurex::ui::ShowMessage(this, QString::fromLatin1(kPrintFailureMessage),
                              QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Ok);
  }
  if (close_pending_) {
    close_pending_ = false;
    close();
  }
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (printing_) {
    close_pending_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}
