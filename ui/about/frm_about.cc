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
#include "locale/locale_separators.h"
#include "ui/shared/dialog_font.h"
#include "ui/shared/dialog_palette.h"
#include "ui/shared/mirrored_layout.h"
#include "ui/shared/twips.h"
#include "ui/shared/window_activation.h"

namespace {

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
  label->setFocusPolicy(Qt::NoFocus);
  label->setText(text);
  label->setAccessibleDescription(role);
  return label;
}

// One line of the etched rule: a solid band of `colour`, as high as
// `geometry`, that ignores the mouse.
void MakeRuleLine(QWidget* parent, const char* name, const QColor& colour,
                  const QRect& geometry) {
  auto* line = new QWidget(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setGeometry(geometry);
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  line->setAutoFillBackground(true);
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
  auto* cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(TwipsRect(4245, 2880, 1260, 345));
  cmdOK->setDefault(true);
  cmdOK->setAutoDefault(true);
  cmdOK->setAccessibleName(tr("OK"));
  cmdOK->setAccessibleDescription(tr("Close the About window"));
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  // The 48 x 48 picture inside a 2-pixel sunken border.
  auto* picIcon = new QLabel(this);
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

  MakeLabel(this, "Label1", TwipsRect(960, 2160, 4095, 255),
            QString::fromLatin1(kWebAddress), tr("Web address"));

  // An etched rule: a 1-pixel grey line with a 2-pixel white line directly
  // below it.
  MakeRuleLine(this, "Line1_0", QColor(255, 255, 255),
               QRect(Px(105), Px(2460), Px(5654) - Px(105) + 1, 2));
  MakeRuleLine(this, "Line1_1", QColor(128, 128, 128),
               QRect(Px(90), Px(2445), Px(5654) - Px(90) + 1, 1));

  lblDescription =
      MakeLabel(this, "lblDescription", TwipsRect(1050, 1125, 3885, 930),
                tr(kDescription), tr("Description"));

  lblTitle = MakeLabel(this, "lblTitle", TwipsRect(1050, 240, 3885, 480),
                       QString(), tr("Application title"));

  // 255 twips high: a Chinese, Japanese or Korean line is 16 pixels high,
  // and 15 would cut off the bottom of its characters. The description
  // starts 90 twips below.
  //: The About window's version line; %1 is the version, e.g. 2.0.
  MakeLabel(this, "lblVersion", TwipsRect(1050, 780, 3885, 255),
            tr("Version %1").arg(VersionText()), tr("Version"));

  lblDisclaimer =
      MakeLabel(this, "lblDisclaimer", TwipsRect(255, 2640, 3870, 825),
                tr(kDisclaimer), tr("Disclaimer"));
  SetTextColours();
  // Right to left, the controls are the mirror image of their left-to-right
  // places.
  mensurex::ui::FollowLayoutDirection(this, Px(5730));

  cmdOK->setFocus();
}

void frmAbout::SetTextColours() {
  // Black on the desktop's dialog background, or the desktop's own text
  // colour where black would not read (a dark colour scheme).
  for (QLabel* label : {lblTitle, lblDescription, lblDisclaimer}) {
    mensurex::ui::UsePreferredTextColour(label, QColor(0, 0, 0));
  }
}

void frmAbout::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A new desktop palette may make black unreadable, or readable again.
  if (event->type() == QEvent::PaletteChange && lblTitle != nullptr) {
    SetTextColours();
  }
}

void frmAbout::Form_Load() {
  //: The About window's caption; %1 is the application title.
  setWindowTitle(tr("About %1").arg(application_title_));
  lblTitle->setText(application_title_);
}

void frmAbout::cmdOK_Click() { accept(); }
