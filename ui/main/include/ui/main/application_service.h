// The window's org.freedesktop.Application interface on the session bus,
// through which the desktop's search opens the window at an amount. Offered
// by the first window only: a window started from the menu while another is
// up stands alone, and a search reuses the window that holds the
// name instead of starting another.
#ifndef MENSUREX_UI_MAIN_APPLICATION_SERVICE_H_
#define MENSUREX_UI_MAIN_APPLICATION_SERVICE_H_

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class frmMain;
class QDBusConnection;

namespace mensurex::ui {

class ApplicationService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
 public:
  explicit ApplicationService(frmMain* window);

  // Exports the interface under the application's object path and takes
  // the application's bus name; false, with nothing left on the bus, when
  // another window holds the name.
  bool Offer(QDBusConnection& bus);

 public slots:
  // `platform_data` may hold the desktop's "activation-token" (Wayland) or
  // "desktop-startup-id" (X11, whose _TIME suffix is the user's timestamp),
  // by which the window is brought forward.
  void Activate(const QVariantMap& platform_data);
  void Open(const QStringList& uris, const QVariantMap& platform_data);
  // "convert", with one parameter (su): the amount as the entry reads it
  // and the index of its unit. The window shows the amount in its entry,
  // its unit chosen and its results, as after Calculate; while the window is
  // busy printing or a modal window is open, it only comes forward.
  void ActivateAction(const QString& action_name, const QVariantList& parameter,
                      const QVariantMap& platform_data);

 private:
  QPointer<frmMain> window_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_APPLICATION_SERVICE_H_
