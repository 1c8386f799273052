#include "select_frame.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

namespace mensurex::ui {

namespace {

constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;
const QColor kEtchShadow(128, 128, 128);
const QColor kEtchLight(255, 255, 255);

// The application's style with a 2-pixel gap between an option button's
// indicator and its caption.
class OptionButtonStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_RadioButtonLabelSpacing) return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

SelectFrame::SelectFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), option_style_(new OptionButtonStyle) {
  option_style_->setParent(this);
}

void SelectFrame::AdoptOption(QRadioButton* option) {
  option->setStyle(option_style_);
}

void SelectFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QString caption = title();
  const QFontMetrics metrics(font());
  // The caption's line is as high as its text needs: glyphs from a fallback
  // face (Chinese, Japanese or Korean ones beside a Latin face) stand taller
  // than the font's own height, and a line cut to that height would clip
  // their tops.
  const int line_height = std::max(
      metrics.height(),
      metrics.boundingRect(rect(), Qt::AlignLeft | Qt::AlignTop, caption)
          .height());
  // The border runs through the middle of the caption line.
  const QRect border = rect().adjusted(0, line_height / 2, -1, -1);
  painter.setPen(kEtchShadow);
  painter.drawRect(border.adjusted(0, 0, -1, -1));
  painter.setPen(kEtchLight);
  painter.drawRect(border.adjusted(1, 1, 0, 0));

  if (caption.isEmpty()) return;
  // At the top left, or right to left at the top right.
  const QRect caption_rect = QStyle::visualRect(
      layoutDirection(), rect(),
      QRect(kCaptionLeft, 0,
            metrics.horizontalAdvance(caption) + 2 * kCaptionPadding,
            line_height));
  painter.fillRect(caption_rect, palette().window());
  style()->drawItemText(
      &painter, caption_rect.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0),
      Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(), caption,
      QPalette::WindowText);
}

}  // namespace mensurex::ui
