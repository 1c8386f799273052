// The parameter of the window's org.freedesktop.Application action
// "convert": the amount as its entry reads it and the index of its unit.
#ifndef MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_
#define MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_

#include <QDBusArgument>
#include <QMetaType>
#include <QString>

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

}  // namespace mensurex::window_bus

Q_DECLARE_METATYPE(mensurex::window_bus::WindowAmount)

#endif  // MENSUREX_WINDOW_BUS_WINDOW_AMOUNT_H_
