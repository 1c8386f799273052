// The About window: the program's picture, title, version and description,
// the maker's web address and a disclaimer, with an OK button.
#ifndef MENSUREX_UI_ABOUT_FRM_ABOUT_H_
#define MENSUREX_UI_ABOUT_FRM_ABOUT_H_

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace mensurex::ui {

class LineShape;

// A fixed-size modal dialog, built complete with its texts in the
// constructor (the load step runs before it can become visible). OK, Enter,
// Escape and the title bar's close box all close it; a closed window is not
// reused: each opening constructs a new one, e.g.
//   frmAbout about(this);
//   about.exec();
// The window icon is the parent window's icon, else the application's.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // Shows the program's own application title.
  explicit frmAbout(QWidget* parent = nullptr);
  // Shows `application_title` in the caption and the title label.
  frmAbout(const QString& application_title, QWidget* parent);

 private:
  void BuildControls();
  void Form_Load();
  void cmdOK_Click();

  const QString application_title_;
  QLabel* picIcon_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QLabel* Label1_ = nullptr;
  LineShape* Line1_[2] = {nullptr, nullptr};
  QLabel* lblDescription_ = nullptr;
  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* lblDisclaimer_ = nullptr;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_ABOUT_FRM_ABOUT_H_
