// The platform data with which the search opens the window: the time of the
// user's key press, which the X11 window manager needs to let the window come
// forward, in a startup id as the startup-notification convention writes it.
#ifndef MENSUREX_WINDOW_BUS_STARTUP_ID_H_
#define MENSUREX_WINDOW_BUS_STARTUP_ID_H_

#include <QString>
#include <QVariantMap>

namespace mensurex::window_bus {

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

#endif  // MENSUREX_WINDOW_BUS_STARTUP_ID_H_
