// The parameter of the window's org.freedesktop.Application action
// "convert": the amount as its entry reads it and the index of its unit; and
// the platform data with which the search opens the window.
#ifndef MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_
#define MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_

#include <QDBusArgument>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace mensurex::window_bus {

inline constexpr char kConvertAction[] = "convert";
inline constexpr char kWindowAmountSignature[] = "(su)";  // as written below

struct WindowAmount {
  QString text;
  uint unit = 0;
};

inline QDBusArgument& operator<<(QDBusArgument& argument,
                                 const WindowAmount& amount) {
  argument.beginStructure();
  argument << amount.text << amount.unit;
  argument.endStructure();
  return argument;
}

inline const QDBusArgument& operator>>(const QDBusArgument& argument,
                                       WindowAmount& amount) {
  argument.beginStructure();
  argument >> amount.text >> amount.unit;
  argument.endStructure();
  return argument;
}

// The time of the user's key press, which the X11 window manager needs to let
// the window come forward, in a startup id as the startup-notification
// convention writes it.
inline constexpr char kStartupIdKey[] = "desktop-startup-id";
inline constexpr QLatin1String kStartupIdTime("_TIME");

// Nothing for a timestamp of 0, which means none is known.
inline QVariantMap PlatformDataOf(uint timestamp) {
  if (timestamp == 0) return {};
  return {{kStartupIdKey, QStringLiteral("mensurex2-search") + kStartupIdTime +
                              QString::number(timestamp)}};
}

// The timestamp in `platform_data`, 0 when it carries none.
inline uint TimestampIn(const QVariantMap& platform_data) {
  const QString id = platform_data.value(kStartupIdKey).toString();
  const qsizetype at = id.lastIndexOf(kStartupIdTime);
  return at < 0 ? 0 : id.sliced(at + kStartupIdTime.size()).toUInt();
}

}  // namespace mensurex::window_bus

Q_DECLARE_METATYPE(mensurex::window_bus::WindowAmount)

#endif  // MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_
