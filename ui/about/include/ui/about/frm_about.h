// The About window: the program's picture, title, version and description,
// the maker's web address and a disclaimer, with an OK button.
#ifndef MENSUREX_UI_ABOUT_FRM_ABOUT_H_
#define MENSUREX_UI_ABOUT_FRM_ABOUT_H_

#include <QDialog>
#include <QString>

class QLabel;

// A fixed-size modal dialog, built complete with its texts in the
// constructor (the load step runs before it can become visible). OK, Enter,
// Escape and the title bar's close box all close it and hand the keyboard
// back to the window below; a closed window is not reused: each opening
// constructs a new one, e.g.
//   auto* about = new frmAbout(this);
//   about->setAttribute(Qt::WA_DeleteOnClose);
//   about->open();
// The window icon is the parent window's icon, else the application's.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // Shows the program's own application title.
  explicit frmAbout(QWidget* parent = nullptr);
  // Shows `application_title` in the caption and the title label.
  frmAbout(QString application_title, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  // Black title, description and disclaimer where black reads on the
  // desktop's dialog background.
  void SetTextColours();
  void Form_Load();
  void cmdOK_Click();

  const QString application_title_;
  QLabel* lblDescription = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblDisclaimer = nullptr;
};

#endif  // MENSUREX_UI_ABOUT_FRM_ABOUT_H_
