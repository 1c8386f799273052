#include "ui/main/application_service.h"

#include <xcb/xcb.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <optional>

#include "amounts/storage_unit.h"
#include "identity/names.h"
#include "ui/main/frm_main.h"
#include "window_bus/window_amount.h"

namespace mensurex::ui {
namespace {

using window_bus::WindowAmount;

std::optional<WindowAmount> AmountIn(const QVariantList& parameter) {
  if (parameter.size() != 1) return std::nullopt;
  const QVariant& value = parameter.front();
  if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
    return std::nullopt;
  }
  const auto argument = value.value<QDBusArgument>();
  if (argument.currentSignature() !=
      QLatin1String(window_bus::kWindowAmountSignature)) {
    return std::nullopt;
  }
  WindowAmount amount;
  argument >> amount;
  if (amount.unit >= static_cast<uint>(kStorageUnitCount)) return std::nullopt;
  return amount;
}

// Asks the X11 window manager to activate `window` as of the user's
// `timestamp`, the one the desktop passed: Qt's own request carries the time
// of the last event the window saw, older than the key press in the
// desktop's search, which focus-stealing prevention would refuse.
void ActivateOnX11(QWidget* window, uint32_t timestamp) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || window->windowHandle() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const char name[] = "_NET_ACTIVE_WINDOW";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, sizeof name - 1, name),
      nullptr);
  if (atom == nullptr) return;
  const xcb_screen_t* screen =
      xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window->winId());
  event.type = atom->atom;
  event.data.data32[0] = 1;  // from an application
  event.data.data32[1] = timestamp;
  std::free(atom);  // xcb allocates its replies with malloc
  xcb_send_event(
      connection, 0, screen->root,
      XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
      reinterpret_cast<const char*>(&event));
  xcb_flush(connection);
}

void BringForward(QWidget* window, const QVariantMap& platform_data) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  const QString token =
      platform_data.value(QStringLiteral("activation-token")).toString();
  if (!token.isEmpty() &&
      QGuiApplication::platformName() == QLatin1String("wayland")) {
    // Qt's Wayland client activates the window with the token it finds here.
    qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
  }
  window->activateWindow();
  const uint timestamp = window_bus::TimestampIn(platform_data);
  if (timestamp != 0 &&
      QGuiApplication::platformName() == QLatin1String("xcb")) {
    ActivateOnX11(window, timestamp);
  }
}

}  // namespace

ApplicationService::ApplicationService(frmMain* window) : window_(window) {}

bool ApplicationService::Offer(QDBusConnection& bus) {
  if (!bus.isConnected()) return false;
  const QString path = QString::fromLatin1(identity::kObjectPath);
  if (!bus.registerObject(path, this, QDBusConnection::ExportAllSlots)) {
    return false;
  }
  // Not queued: a window started while another holds the name stays alone.
  const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
      bus.interface()->registerService(
          QString::fromLatin1(identity::kAppId),
          QDBusConnectionInterface::DontQueueService,
          QDBusConnectionInterface::DontAllowReplacement);
  if (reply.isValid() &&
      reply.value() == QDBusConnectionInterface::ServiceRegistered) {
    return true;
  }
  bus.unregisterObject(path);
  return false;
}

void ApplicationService::Activate(const QVariantMap& platform_data) {
  if (window_ != nullptr) BringForward(window_, platform_data);
}

void ApplicationService::Open(const QStringList& /*uris*/,
                              const QVariantMap& platform_data) {
  Activate(platform_data);
}

void ApplicationService::ActivateAction(const QString& action_name,
                                        const QVariantList& parameter,
                                        const QVariantMap& platform_data) {
  if (window_ == nullptr) return;
  const std::optional<WindowAmount> amount = AmountIn(parameter);
  if (action_name == QLatin1String(window_bus::kConvertAction) && amount) {
    // After the call has been answered: a refused entry shows a modal
    // message, which must not hold up the caller.
    QTimer::singleShot(0, window_, [window = window_, amount = *amount] {
      window->ShowConversion(amount.text,
                             static_cast<StorageUnit>(amount.unit));
    });
  }
  BringForward(window_, platform_data);
}

}  // namespace mensurex::ui
