#include "ui/about/frm_about.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <utility>

#include "about_picture.h"
#include "identity/names.h"
#include "line_shape.h"
#include "locale/locale_separators.h"
#include "ui/shared/dialog_font.h"
#include "ui/shared/dialog_palette.h"
#include "ui/shared/mirrored_layout.h"
#include "ui/shared/twips.h"
#include "ui/shared/window_activation.h"

namespace {

using mensurex::ui::LineShape;

constexpr char kDescription[] = QT_TRANSLATE_NOOP(
    "frmAbout",
    "The Mensurex was developed as a simple tool to quickly and easily "
    "calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes "
    "and exabytes.");
// The same in every language.
constexpr char kWebAddress[] = "www.example.org/mensurex";
// The terms of the LICENSE file, short enough for three lines of the label.
constexpr char kDisclaimer[] = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Mensurex 2 is free software under the MIT License, with no warranty. "
    "Please report problems to mensurex@example.org.");

using mensurex::ui::TwipsRect;
constexpr int Px(int twips) { return mensurex::ui::TwipsToPixels(twips); }

// The version as the results write a number where the user's locale has
// digits of its own: "۲٫۰" under fa_IR, where a full stop would sit beside
// the zero digit, itself a dot. Elsewhere as it is: "2.0", never "2,0".
QString VersionText() {
  const QLocale locale = QLocale::system();
  QString version = QString::fromLatin1(mensurex::identity::kVersionMajorMinor);
  if (locale.zeroDigit() != QLatin1String("0")) {
    version.replace(QLatin1Char('.'), locale.decimalPoint());
  }
  return mensurex::InLocaleDigits(version, locale);
}

// A fixed-size label: plain text, left-aligned, wrapped at word boundaries
// and cut off at its rectangle's edges. It takes no focus and does nothing
// when clicked.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry,
                  const QString& text, const QString& role) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  label->setOpenExternalLinks(false);
  label->setFocusPolicy(Qt::NoFocus);
  label->setText(text);
  label->setAccessibleDescription(role);
  return label;
}

// Black on the desktop's dialog background, or the desktop's own text
// colour where black would not read (a dark colour scheme).
void SetBlackText(QLabel* label) {
  mensurex::ui::UsePreferredTextColour(label, QColor(0, 0, 0));
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : frmAbout(QString::fromUtf8(mensurex::identity::kApplicationTitle),
               parent) {}

frmAbout::frmAbout(QString application_title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      application_title_(std::move(application_title)) {
  setObjectName(QStringLiteral("frmAbout"));
  setModal(true);
  mensurex::ui::ReactivateParentOnFinish(this);
  setSizeGripEnabled(false);
  setFixedSize(Px(5730), Px(3555));
  // The layout is fixed in twips and measured against the dialog font.
  setFont(mensurex::ui::DialogFont());
  if (parent != nullptr) setWindowIcon(parent->window()->windowIcon());

  BuildControls();
  Form_Load();
}

void frmAbout::BuildControls() {
  // Created in tab order: cmdOK, then picIcon; the labels and lines take no
  // focus.
  cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(TwipsRect(4245, 2880, 1260, 345));
  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  cmdOK->setAccessibleName(tr("OK"));
  cmdOK->setAccessibleDescription(tr("Close the About window"));
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  // The 48 x 48 picture inside a 2-pixel sunken border.
  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(TwipsRect(240, 240, 780, 780));
  picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picIcon->setLineWidth(2);
  picIcon->setAlignment(Qt::AlignCenter);
  picIcon->setFocusPolicy(Qt::StrongFocus);
  picIcon->setPixmap(mensurex::ui::AboutPicturePixmap(devicePixelRatioF()));
  picIcon->setAccessibleName(tr("Program picture"));
  picIcon->setAccessibleDescription(tr("A diskette"));
  setTabOrder(cmdOK, picIcon);

  Label1 = MakeLabel(this, "Label1", TwipsRect(960, 2160, 4095, 255),
                     QString::fromLatin1(kWebAddress), tr("Web address"));

  // An etched rule: a 1-pixel grey line with a 2-pixel white line directly
  // below it.
  Line1[0] = new LineShape(QColor(255, 255, 255), this);
  Line1[0]->setObjectName(QStringLiteral("Line1_0"));
  Line1[0]->setGeometry(Px(105), Px(2460), Px(5654) - Px(105) + 1, 2);
  Line1[1] = new LineShape(QColor(128, 128, 128), this);
  Line1[1]->setObjectName(QStringLiteral("Line1_1"));
  Line1[1]->setGeometry(Px(90), Px(2445), Px(5654) - Px(90) + 1, 1);

  lblDescription =
      MakeLabel(this, "lblDescription", TwipsRect(1050, 1125, 3885, 930),
                tr(kDescription), tr("Description"));

  lblTitle = MakeLabel(this, "lblTitle", TwipsRect(1050, 240, 3885, 480),
                       QString(), tr("Application title"));

  // 255 twips high: a Chinese, Japanese or Korean line is 16 pixels high,
  // and 15 would cut off the bottom of its characters. The description
  // starts 90 twips below.
  //: The About window's version line; %1 is the version, e.g. 2.0.
  lblVersion = MakeLabel(this, "lblVersion", TwipsRect(1050, 780, 3885, 255),
                         tr("Version %1").arg(VersionText()), tr("Version"));

  lblDisclaimer =
      MakeLabel(this, "lblDisclaimer", TwipsRect(255, 2640, 3870, 825),
                tr(kDisclaimer), tr("Disclaimer"));
  SetTextColours();
  FollowLayoutDirection();

  cmdOK->setFocus();
}

void frmAbout::FollowLayoutDirection() {
  const Qt::LayoutDirection direction = layoutDirection();
  if (direction == controls_placed_for_) return;
  controls_placed_for_ = direction;
  mensurex::ui::MirrorControls(this, Px(5730), direction);
}

void frmAbout::SetTextColours() {
  for (QLabel* label : {lblTitle, lblDescription, lblDisclaimer}) {
    SetBlackText(label);
  }
}

void frmAbout::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A new desktop palette may make black unreadable, or readable again.
  if (event->type() == QEvent::PaletteChange && lblTitle != nullptr) {
    SetTextColours();
  }
  if (event->type() == QEvent::LayoutDirectionChange && lblTitle != nullptr) {
    FollowLayoutDirection();
  }
}

void frmAbout::Form_Load() {
  //: The About window's caption; %1 is the application title.
  setWindowTitle(tr("About %1").arg(application_title_));
  lblTitle->setText(application_title_);
}

void frmAbout::cmdOK_Click() { accept(); }
