// Placement of the window's image on the page.
#include "page_layout.h"

#include <QTest>
#include <clocale>

using mensurex::ui::FallbackPaper;
using mensurex::ui::LocalePaper;
using mensurex::ui::PagePlacement;
using mensurex::ui::Paper;
using mensurex::ui::PlaceOnPage;

Q_DECLARE_METATYPE(Paper)

class PrintPageLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void placement_data() {
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<Paper>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QRectF>("target");

    const Paper a4{QSizeF(210, 297), 10};
    QTest::newRow("small image keeps its size, centred")
        << QSizeF(100, 50) << a4 << false << QRectF(55, 123.5, 100, 50);
    QTest::newRow("tall image shrinks to the height inside the margins")
        << QSizeF(100, 554) << a4 << false << QRectF(80, 10, 50, 277);
    QTest::newRow("wide image turns the page when that shows it larger")
        << QSizeF(380, 190) << a4 << true << QRectF(10, 35.75, 277, 138.5);
    QTest::newRow("wide image that fits upright stays upright")
        << QSizeF(150, 100) << a4 << false << QRectF(30, 98.5, 150, 100);
    QTest::newRow("square image never turns the page")
        << QSizeF(400, 400) << a4 << false << QRectF(10, 53.5, 190, 190);
    QTest::newRow("empty image") << QSizeF(0, 10) << a4 << false << QRectF();
    QTest::newRow("margins leave no room")
        << QSizeF(10, 10) << Paper{QSizeF(20, 20), 10} << false << QRectF();
  }

  void placement() {
    QFETCH(QSizeF, image);
    QFETCH(Paper, paper);
    QFETCH(bool, landscape);
    QFETCH(QRectF, target);

    const PagePlacement placement = PlaceOnPage(image, paper);
    QCOMPARE(placement.orientation == QPageLayout::Landscape, landscape);
    QCOMPARE(placement.target_mm, target);
  }

  // The locale's paper is read from the environment as it is now.
  void localePaper_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("United States")
        << QByteArray("en_US.UTF-8") << QSizeF(216, 279);
    QTest::newRow("Germany") << QByteArray("de_DE.UTF-8") << QSizeF(210, 297);
  }
  void localePaper() {
    QFETCH(QByteArray, locale);
    QFETCH(QSizeF, size);
    const locale_t installed = newlocale(LC_PAPER_MASK, locale, locale_t{});
    if (installed == locale_t{}) QSKIP("locale not installed");
    freelocale(installed);
    qunsetenv("LC_ALL");
    qputenv("LC_PAPER", locale);
    const Paper paper = LocalePaper();
    QCOMPARE(paper.size_mm, size);
    QCOMPARE(paper.margin_mm, FallbackPaper().margin_mm);
  }

  void fallbackPaperIsA4WithRoomForAnyPrinter() {
    const Paper paper = FallbackPaper();
    QCOMPARE(paper.size_mm, QSizeF(210, 297));
    QVERIFY(paper.margin_mm >= 10);
  }
};

QTEST_APPLESS_MAIN(PrintPageLayoutTest)
#include "page_layout_test.moc"
