// Construction of the main window: controls, menus, tab order, bindings.
#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <algorithm>
#include <limits>
#include <utility>

#include "ui/main/print/print_window_image.h"
#include "ui/main/select_frame.h"
#include "ui/shared/application_identity.h"
#include "ui/shared/twips.h"

namespace {

using mensurex::kStorageUnitCount;
using mensurex::ui::TwipsRect;

const QColor kLightGreen(192, 255, 192);
const QColor kResultBlue(0, 0, 255);

// Text boxes take text of any length (QLineEdit would stop at 32767).
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

// The client area below the menu bar.
constexpr QSize kClientSize = mensurex::ui::TwipsSize(6240, 5370);

struct ResultRow {
  const char* box_name;
  const char* label_name;
  const char* unit_name;  // for the accessible name, lower case
};

// In unit order; row i sits 360 twips below row i - 1.
constexpr std::array<ResultRow, kStorageUnitCount> kResultRows = {{
    {"txtByteResult", "lblBytes", "bytes"},
    {"txtKiloResult", "lblKilobytes", "kilobytes"},
    {"txtMegaResult", "lblMegabytes", "megabytes"},
    {"txtGigaResult", "lblGigabytes", "gigabytes"},
    {"txtTeraResult", "lblTeraBytes", "terabytes"},
    {"txtPetaResult", "lblPetaBytes", "petabytes"},
    {"txtExaResult", "lblExaBytes", "exabytes"},
}};

// Unit labels are narrower for the two shortest captions.
constexpr std::array<int, kStorageUnitCount> kResultLabelWidths = {
    735, 735, 975, 975, 975, 975, 975};

// "MS Sans Serif" where it exists, else a plain sans-serif of similar
// metrics, so every caption fits the rectangle it was laid out for.
QFont ClassicSansFont(qreal point_size) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  return font;
}

// The window's dialog font: captions, labels, buttons and menus.
QFont DialogFont() { return ClassicSansFont(8.0); }

// The font of the eight text boxes.
QFont TextBoxFont() { return ClassicSansFont(9.75); }

void UseLightGreenBackground(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, kLightGreen);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
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

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), print_operation_(&mensurex::ui::PrintWindowImage) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Mensurex"));
  setWindowIcon(mensurex::ui::ProgramIcon());
  setAccessibleName(QStringLiteral("Mensurex"));
  setFont(DialogFont());

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

frmMain::~frmMain() = default;

void frmMain::set_print_operation(PrintOperation operation) {
  print_operation_ = std::move(operation);
}

void frmMain::BuildControls() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("clientArea"));
  UseLightGreenBackground(client_);
  setCentralWidget(client_);

  const QFont text_box_font = TextBoxFont();

  // The entry label first, so the entry box, which overlaps its right edge
  // by one pixel, is drawn over it.
  QLabel* lblEntry =
      MakeLabel(client_, "lblEntry", QStringLiteral("Enter Number to Convert"),
                TwipsRect(480, 480, 1935, 285));

  txtEntry = new QLineEdit(client_);
  txtEntry->setObjectName(QStringLiteral("txtEntry"));
  txtEntry->setGeometry(TwipsRect(2400, 480, 1575, 285));
  txtEntry->setFont(text_box_font);
  txtEntry->setMaxLength(kNoLengthLimit);
  txtEntry->setToolTip(QStringLiteral("Enter the number you wish to convert"));
  txtEntry->setAccessibleName(QStringLiteral("Number to convert"));
  txtEntry->setAccessibleDescription(
      QStringLiteral("Enter the number you wish to convert"));
  lblEntry->setBuddy(txtEntry);

  frmSelect =
      new mensurex::ui::SelectFrame(QStringLiteral("Entry Criteria"), client_);
  frmSelect->setObjectName(QStringLiteral("frmSelect"));
  frmSelect->setGeometry(TwipsRect(4320, 240, 1455, 2775));
  frmSelect->setToolTip(
      QStringLiteral("Select the criteria for the number to convert you "
                     "entered"));
  frmSelect->setAccessibleName(QStringLiteral("Entry Criteria"));
  UseLightGreenBackground(frmSelect);

  cmdClear = MakeButton(client_, "cmdClear", QStringLiteral("Clear All"),
                        TwipsRect(4440, 3480, 1215, 375));
  cmdCalculate =
      MakeButton(client_, "cmdCalculate", QStringLiteral("C&alculate"),
                 TwipsRect(2640, 1320, 1215, 735));
  cmdPrintForm =
      MakeButton(client_, "cmdPrintForm", QStringLiteral("&Print Form"),
                 TwipsRect(4440, 4080, 1215, 375));
  cmdClose = MakeButton(client_, "cmdClose", QStringLiteral("&Close"),
                        TwipsRect(4440, 4560, 1215, 495));
  cmdClear->setAccessibleName(QStringLiteral("Clear All"));
  cmdCalculate->setAccessibleName(QStringLiteral("Calculate"));
  cmdPrintForm->setAccessibleName(QStringLiteral("Print Form"));
  cmdClose->setAccessibleName(QStringLiteral("Close"));

  // Inside the frame, positions count from the frame's own top-left corner,
  // its caption line included; the buttons are 360 twips apart.
  for (int index = 0; index < kStorageUnitCount; ++index) {
    const auto unit = static_cast<mensurex::StorageUnit>(index);
    const QString caption = QString::fromLatin1(mensurex::UnitCaption(unit));
    auto* option = new QRadioButton(caption, frmSelect);
    option->setObjectName(QStringLiteral("optMeasure_%1").arg(index));
    option->setGeometry(TwipsRect(120, 240 + 360 * index, 1095, 255));
    option->setAccessibleName(caption);
    // Buttons paint their background in the Button role by default.
    option->setBackgroundRole(QPalette::Window);
    UseLightGreenBackground(option);
    optMeasure[static_cast<std::size_t>(index)] = option;
  }

  QLabel* lblResults =
      MakeLabel(client_, "lblResults", QStringLiteral("Results"),
                TwipsRect(240, 2280, 1695, 255));
  QPalette results_palette = lblResults->palette();
  results_palette.setColor(QPalette::WindowText, kResultBlue);
  lblResults->setPalette(results_palette);

  for (std::size_t row = 0; row < kResultRows.size(); ++row) {
    const int top = 2640 + 360 * static_cast<int>(row);
    const auto unit = static_cast<mensurex::StorageUnit>(row);
    auto* box = new QLineEdit(client_);
    box->setObjectName(QString::fromLatin1(kResultRows[row].box_name));
    box->setGeometry(TwipsRect(240, top, 2700, 360));
    box->setFont(text_box_font);
    box->setMaxLength(kNoLengthLimit);
    // Read-only keeps selecting and copying; typing, cutting, pasting and
    // deleting change nothing.
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, kResultBlue);
    box->setPalette(palette);
    box->setAccessibleName(
        QStringLiteral("Result in %1")
            .arg(QString::fromLatin1(kResultRows[row].unit_name)));
    result_boxes_[row] = box;

    QLabel* label =
        MakeLabel(client_, kResultRows[row].label_name,
                  QString::fromLatin1(mensurex::UnitCaption(unit)),
                  TwipsRect(3120, top + 120, kResultLabelWidths[row], 285));
    label->setBuddy(box);
  }
  txtEntry->raise();
}

void frmMain::BuildMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFileAction"));
  mnuCalculate =
      MakeAction(mnuFile, "mnuCalculate", QStringLiteral("C&alculate"));
  mnuPrintForm =
      MakeAction(mnuFile, "mnuPrintForm", QStringLiteral("&Print Form"));
  mnuExit = MakeAction(mnuFile, "mnuExit", QStringLiteral("&Exit"));

  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelpAction"));
  mnuInstructions =
      MakeAction(mnuHelp, "mnuInstructions", QStringLiteral("&Instructions"));
  mnuAbout = MakeAction(mnuHelp, "mnuAbout", QStringLiteral("A&bout"));

  // Drop-down menus are windows of their own and do not inherit the font.
  mnuFile->setFont(font());
  mnuHelp->setFont(font());
}

void frmMain::SetTabOrder() {
  QWidget* previous = txtEntry;
  auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  chain(cmdClear);
  chain(cmdCalculate);
  chain(cmdPrintForm);
  chain(cmdClose);
  for (QRadioButton* option : optMeasure) chain(option);
  for (QLineEdit* box : result_boxes_) chain(box);
}

void frmMain::ConnectCommands() {
  connect(cmdCalculate, &QPushButton::clicked, this,
          &frmMain::cmdCalculate_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
  connect(cmdPrintForm, &QPushButton::clicked, this,
          &frmMain::cmdPrintForm_Click);
  connect(mnuCalculate, &QAction::triggered, this,
          &frmMain::mnuCalculate_Click);
  connect(mnuPrintForm, &QAction::triggered, this,
          &frmMain::mnuPrintForm_Click);
  connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
  connect(mnuInstructions, &QAction::triggered, this,
          &frmMain::mnuInstructions_Click);
  connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

  // Enter in the entry box or on a unit button calculates.
  txtEntry->installEventFilter(this);
  for (QRadioButton* option : optMeasure) option->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  const auto* key_event = event->type() == QEvent::KeyPress
                              ? dynamic_cast<const QKeyEvent*>(event)
                              : nullptr;
  if (key_event != nullptr) {
    if (watched == txtEntry) {
      txtEntry_KeyDown(key_event->key(), key_event->modifiers());
    } else {
      auto* const found =
          std::find(optMeasure.begin(), optMeasure.end(), watched);
      if (found != optMeasure.end()) {
        optMeasure_KeyDown(static_cast<int>(found - optMeasure.begin()),
                           key_event->key(), key_event->modifiers());
      }
    }
  }
  // The key is never marked as handled: the control's own handling follows.
  return QMainWindow::eventFilter(watched, event);
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
