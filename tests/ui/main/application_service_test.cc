// The window opened at an amount over D-Bus, as the desktop's search opens
// it: on a private session bus, asked from a connection of its own.
#include "ui/main/application_service.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "ui/main/frm_main.h"

namespace {

// Calls the window's "convert" action from another connection, so that the
// parameter crosses the bus as the search provider's does; without waiting,
// as the window answers on this thread.
bool Convert(const QVariant& parameter) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      MENSUREX_APP_ID, MENSUREX_OBJECT_PATH, "org.freedesktop.Application",
      "ActivateAction");
  call << QString("convert") << QVariantList{parameter} << QVariantMap{};
  return QDBusConnection::connectToBus(QDBusConnection::SessionBus, "search")
      .send(call);
}

bool Convert(const QString& amount, uint unit) {
  QDBusArgument parameter;  // (su)
  parameter.beginStructure();
  parameter << amount << unit;
  parameter.endStructure();
  return Convert(QVariant::fromValue(parameter));
}

QString Text(const frmMain& window, const char* name) {
  return window.findChild<QLineEdit*>(name)->text();
}

}  // namespace

class ApplicationServiceTest : public QObject {
  Q_OBJECT

 private slots:
  void opensTheFirstWindowAtEachAmountAndLeavesOthersAlone() {
    frmMain window;
    mensurex::ui::ApplicationService service(&window);
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(service.Offer(bus));
    // A second window, as from the menu, stands alone.
    frmMain second;
    mensurex::ui::ApplicationService second_service(&second);
    QDBusConnection other =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "second");
    QVERIFY(!second_service.Offer(other));

    QVERIFY(Convert("1.5", 3));
    QTRY_COMPARE(Text(window, "txtEntry"), QString("1.5"));
    QVERIFY(window.findChild<QRadioButton*>("optMeasure_3")->isChecked());
    QCOMPARE(Text(window, "txtByteResult"), QString("1610612736"));
    QVERIFY(window.isVisible());
    QVERIFY(Convert("2", 0));
    QTRY_COMPARE(Text(window, "txtKiloResult"), QString("0.001953125"));
    // A parameter of another shape, or a unit beyond exabytes, is ignored.
    QVERIFY(Convert("7", 7));
    QVERIFY(Convert(QString("7")));
    QTest::qWait(50);
    QCOMPARE(Text(window, "txtEntry"), QString("2"));
    QCOMPARE(Text(second, "txtEntry"), QString());
  }
};

QTEST_MAIN(ApplicationServiceTest)

#include "application_service_test.moc"
