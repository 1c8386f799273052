// Construction of the main window: controls, menus, tab order, bindings.
#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QString>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "entry_box.h"
#include "select_frame.h"
#include "ui/main/print/window_print_job.h"
#include "ui/shared/application_identity.h"
#include "ui/shared/dialog_font.h"
#include "ui/shared/dialog_palette.h"
#include "ui/shared/mirrored_layout.h"
#include "ui/shared/twips.h"

namespace {

using mensurex::kStorageUnitCount;
using mensurex::ui::TwipsRect;

const QColor kLightGreen(192, 255, 192);
const QColor kResultBlue(0, 0, 255);

// Result boxes take text of any length (QLineEdit would stop at 32767).
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// The client area below the menu bar.
constexpr QSize kClientSize = mensurex::ui::TwipsSize(6240, 5370);

// The unit captions, in unit order. The option buttons and the result labels
// show the same English words; a translation may use different forms, e.g. a
// singular where the button's fixed width leaves no room for a long plural.
struct CaptionText {
  const char* source;
  const char* comment;
};
constexpr std::array<CaptionText, kStorageUnitCount> kOptionCaptions = {{
    QT_TRANSLATE_NOOP3("frmMain", "Bytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Kilobytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Megabytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Gigabytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Terabytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Petabytes", "unit option button"),
    QT_TRANSLATE_NOOP3("frmMain", "Exabytes", "unit option button"),
}};

// A result box and its label.
struct ResultRow {
  const char* box_name;
  const char* label_name;
  int label_width;  // in twips
  CaptionText caption;
  const char* box_accessible_name;
};

// In unit order; row i sits 360 twips below row i - 1. Unit labels are
// narrower for the two shortest captions.
constexpr std::array<ResultRow, kStorageUnitCount> kResultRows = {{
    {"txtByteResult", "lblBytes", 735,
     QT_TRANSLATE_NOOP3("frmMain", "Bytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in bytes")},
    {"txtKiloResult", "lblKilobytes", 735,
     QT_TRANSLATE_NOOP3("frmMain", "Kilobytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in kilobytes")},
    {"txtMegaResult", "lblMegabytes", 975,
     QT_TRANSLATE_NOOP3("frmMain", "Megabytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in megabytes")},
    {"txtGigaResult", "lblGigabytes", 975,
     QT_TRANSLATE_NOOP3("frmMain", "Gigabytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in gigabytes")},
    {"txtTeraResult", "lblTeraBytes", 975,
     QT_TRANSLATE_NOOP3("frmMain", "Terabytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in terabytes")},
    {"txtPetaResult", "lblPetaBytes", 975,
     QT_TRANSLATE_NOOP3("frmMain", "Petabytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in petabytes")},
    {"txtExaResult", "lblExaBytes", 975,
     QT_TRANSLATE_NOOP3("frmMain", "Exabytes", "result label"),
     QT_TRANSLATE_NOOP("frmMain", "Result in exabytes")},
}};

QString Translated(const CaptionText& text) {
  return frmMain::tr(text.source, text.comment);
}

// Labels, the frame and the option buttons: the fixed light green with
// black text, whatever the desktop's palette.
void UseLightGreenBackground(QWidget* widget) {
  mensurex::ui::UseFixedLightBackground(widget, kLightGreen);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption,
                  const QRect& geometry) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  UseLightGreenBackground(label);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name,
                        const QString& caption, const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  // No button is bound to Enter or Escape for the whole window.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// An item of `menu` whose every trigger runs `handler` of `window`.
void AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                 frmMain* window, void (frmMain::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  QObject::connect(action, &QAction::triggered, window, handler);
}

// Return and keypad Enter under every combination of Shift, Ctrl, Alt and
// Meta: the Enter commands do not look at the modifiers. (A keypad key also
// matches its sequence without the keypad modifier.)
QList<QKeySequence> EnterKeys() {
  QList<QKeySequence> keys;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    for (int combination = 0; combination < 16; ++combination) {
      Qt::KeyboardModifiers modifiers;
      modifiers.setFlag(Qt::ShiftModifier, (combination & 1) != 0);
      modifiers.setFlag(Qt::ControlModifier, (combination & 2) != 0);
      modifiers.setFlag(Qt::AltModifier, (combination & 4) != 0);
      modifiers.setFlag(Qt::MetaModifier, (combination & 8) != 0);
      keys.append(QKeySequence(QKeyCombination(modifiers, key)));
    }
  }
  return keys;
}

// The default print job: the window's image on the system's default printer.
QObject* StartWindowPrintJob(const QWidget& window, QObject* parent,
                             frmMain::PrintDone done) {
  auto* job = new mensurex::ui::WindowPrintJob(parent);
  QObject::connect(job, &mensurex::ui::WindowPrintJob::finished, parent,
                   std::move(done));
  job->start(window);
  return job;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), start_print_job_(&StartWindowPrintJob) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(mensurex::identity::kWindowCaption));
  setWindowIcon(mensurex::ui::ProgramIcon());
  setAccessibleName(windowTitle());
  setFont(mensurex::ui::DialogFont());
  // Tooltips are windows of their own and do not inherit the font.
  QToolTip::setFont(mensurex::ui::DialogFont());

  BuildControls();
  BuildMenus();
  SetTabOrder();
  ConnectCommands();

  // The client area is exactly kClientSize below the menu bar; the window
  // can be resized, but the controls never move.
  resize(kClientSize.width(),
         kClientSize.height() + menuBar()->sizeHint().height());

  Form_Load();
  txtEntry->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() {
  // The job goes with the window; so does its busy cursor.
  if (print_job_ != nullptr) QGuiApplication::restoreOverrideCursor();
}

void frmMain::set_print_job_starter(PrintJobStarter starter) {
  start_print_job_ = std::move(starter);
}

void frmMain::BuildControls() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("clientArea"));
  // The area itself shows only the green; the buttons and the entry box on
  // it keep the desktop's colours.
  QPalette client_palette = client_->palette();
  client_palette.setColor(QPalette::Window, kLightGreen);
  client_->setPalette(client_palette);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);

  const QFont text_box_font = mensurex::ui::TextBoxFont();

  // The entry label first, so the entry box, which overlaps its right edge
  // by one pixel, is drawn over it.
  QLabel* lblEntry =
      MakeLabel(client_, "lblEntry", tr("Enter Number to Convert"),
                TwipsRect(480, 480, 1935, 285));

  txtEntry = new mensurex::ui::EntryBox(client_);
  txtEntry->setObjectName(QStringLiteral("txtEntry"));
  txtEntry->setGeometry(TwipsRect(2400, 480, 1575, 285));
  txtEntry->setFont(text_box_font);
  mensurex::ui::KeepLeftToRight(txtEntry);
  txtEntry->setToolTip(tr("Enter the number you wish to convert"));
  txtEntry->setAccessibleName(tr("Number to convert"));
  txtEntry->setAccessibleDescription(
      tr("Enter the number you wish to convert"));
  lblEntry->setBuddy(txtEntry);

  frmSelect = new mensurex::ui::SelectFrame(tr("Entry Criteria"), client_);
  frmSelect->setObjectName(QStringLiteral("frmSelect"));
  frmSelect->setGeometry(TwipsRect(4320, 240, 1455, 2775));
  frmSelect->setToolTip(
      tr("Select the criteria for the number to convert you entered"));
  frmSelect->setAccessibleName(tr("Entry Criteria"));
  UseLightGreenBackground(frmSelect);

  cmdClear = MakeButton(client_, "cmdClear", tr("Clear All"),
                        TwipsRect(4440, 3480, 1215, 375));
  cmdCalculate = MakeButton(client_, "cmdCalculate", tr("C&alculate"),
                            TwipsRect(2640, 1320, 1215, 735));
  cmdPrintForm = MakeButton(client_, "cmdPrintForm", tr("&Print Form"),
                            TwipsRect(4440, 4080, 1215, 375));
  cmdClose = MakeButton(client_, "cmdClose", tr("&Close"),
                        TwipsRect(4440, 4560, 1215, 495));
  cmdClear->setAccessibleName(tr("Clear All"));
  cmdCalculate->setAccessibleName(tr("Calculate"));
  cmdPrintForm->setAccessibleName(tr("Print Form"));
  cmdClose->setAccessibleName(tr("Close"));

  BuildUnitButtons();
  BuildResults(text_box_font);
  txtEntry->raise();
  // Right to left, the controls are the mirror image of their left-to-right
  // places; the text boxes stay left to right, as numbers read.
  mensurex::ui::FollowLayoutDirection(client_, kClientSize.width());
  mensurex::ui::FollowLayoutDirection(frmSelect, frmSelect->width());
}

void frmMain::BuildUnitButtons() {
  // Inside the frame, positions count from the frame's own top-left corner,
  // its caption line included; the buttons are 360 twips apart.
  for (int index = 0; index < kStorageUnitCount; ++index) {
    const QString caption =
        Translated(kOptionCaptions[static_cast<std::size_t>(index)]);
    auto* option = new QRadioButton(caption, frmSelect);
    frmSelect->AdoptOption(option);
    option->setObjectName(QStringLiteral("optMeasure_%1").arg(index));
    option->setGeometry(TwipsRect(120, 240 + 360 * index, 1095, 255));
    option->setAccessibleName(caption);
    // Buttons paint their background in the Button role by default.
    option->setBackgroundRole(QPalette::Window);
    UseLightGreenBackground(option);
    optMeasure[static_cast<std::size_t>(index)] = option;
  }
}

void frmMain::BuildResults(const QFont& text_box_font) {
  QLabel* lblResults = MakeLabel(client_, "lblResults", tr("Results"),
                                 TwipsRect(240, 2280, 1695, 255));
  QPalette results_palette = lblResults->palette();
  results_palette.setColor(QPalette::WindowText, kResultBlue);
  lblResults->setPalette(results_palette);

  for (std::size_t row = 0; row < kResultRows.size(); ++row) {
    const int top = 2640 + 360 * static_cast<int>(row);
    auto* box = new QLineEdit(client_);
    box->setObjectName(QString::fromLatin1(kResultRows[row].box_name));
    box->setGeometry(TwipsRect(240, top, 2700, 360));
    box->setFont(text_box_font);
    mensurex::ui::KeepLeftToRight(box);
    box->setMaxLength(kNoLengthLimit);
    // Read-only keeps selecting and copying; typing, cutting, pasting and
    // deleting change nothing.
    box->setReadOnly(true);
    // Blue on white: the blue needs the light background to be read.
    mensurex::ui::UseFixedTextBoxColours(box, kResultBlue);
    box->setAccessibleName(tr(kResultRows[row].box_accessible_name));
    result_boxes_[row] = box;

    QLabel* label = MakeLabel(
        client_, kResultRows[row].label_name,
        Translated(kResultRows[row].caption),
        TwipsRect(3120, top + 120, kResultRows[row].label_width, 285));
    label->setBuddy(box);
  }
}

void frmMain::BuildMenus() {
  QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFileAction"));
  AddMenuItem(mnuFile, "mnuCalculate", tr("C&alculate"), this,
              &frmMain::mnuCalculate_Click);
  AddMenuItem(mnuFile, "mnuPrintForm", tr("&Print Form"), this,
              &frmMain::mnuPrintForm_Click);
  AddMenuItem(mnuFile, "mnuExit", tr("&Exit"), this, &frmMain::mnuExit_Click);

  QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelpAction"));
  AddMenuItem(mnuHelp, "mnuInstructions", tr("&Instructions"), this,
              &frmMain::mnuInstructions_Click);
  AddMenuItem(mnuHelp, "mnuAbout", tr("A&bout"), this,
              &frmMain::mnuAbout_Click);

  // Drop-down menus are windows of their own and do not inherit the font.
  mnuFile->setFont(font());
  mnuHelp->setFont(font());
}

void frmMain::SetTabOrder() {
  std::vector<QWidget*> order = {txtEntry, cmdClear, cmdCalculate, cmdPrintForm,
                                 cmdClose};
  order.insert(order.end(), optMeasure.begin(), optMeasure.end());
  order.insert(order.end(), result_boxes_.begin(), result_boxes_.end());
  for (std::size_t next = 1; next < order.size(); ++next) {
    QWidget::setTabOrder(order[next - 1], order[next]);
  }
}

void frmMain::ConnectCommands() {
  connect(cmdCalculate, &QPushButton::clicked, this,
          &frmMain::cmdCalculate_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
  connect(cmdPrintForm, &QPushButton::clicked, this,
          &frmMain::cmdPrintForm_Click);

  // Enter in the entry box or on a unit button calculates; the entry's own
  // handling of the key goes on as usual.
  connect(txtEntry, &QLineEdit::returnPressed, this,
          &frmMain::txtEntry_KeyDown);
  connect(txtEntry, &mensurex::ui::EntryBox::insertRefused, this,
          &frmMain::txtEntry_InsertRefused);
  const QList<QKeySequence> enter_keys = EnterKeys();
  for (int index = 0; index < kStorageUnitCount; ++index) {
    auto* enter = new QShortcut(optMeasure[static_cast<std::size_t>(index)]);
    enter->setContext(Qt::WidgetShortcut);
    enter->setKeys(enter_keys);
    connect(enter, &QShortcut::activated, this,
            [this, index] { optMeasure_KeyDown(index); });
  }
}

bool frmMain::IsTabStop(const QWidget* widget) const {
  if (widget->window() != this || !widget->isVisible() ||
      !widget->isEnabled() || (widget->focusPolicy() & Qt::TabFocus) == 0) {
    return false;
  }
  const auto* option = qobject_cast<const QRadioButton*>(widget);
  const bool is_unit =
      option != nullptr && std::find(optMeasure.begin(), optMeasure.end(),
                                     option) != optMeasure.end();
  return !is_unit || option->isChecked();
}

bool frmMain::focusNextPrevChild(bool next) {
  QWidget* const start = QApplication::focusWidget();
  if (start == nullptr || start->window() != this) {
    return QMainWindow::focusNextPrevChild(next);
  }
  QWidget* candidate = start;
  do {
    candidate = next ? candidate->nextInFocusChain()
                     : candidate->previousInFocusChain();
    if (IsTabStop(candidate)) {
      candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  } while (candidate != start);
  return QMainWindow::focusNextPrevChild(next);
}
