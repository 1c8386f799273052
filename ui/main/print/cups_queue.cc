#include "ui/main/print/cups_queue.h"

#include <sys/socket.h>

#include <QString>
#include <algorithm>

#include "ui/main/print/cups_library.h"

namespace mensurex::ui {
namespace {

// How long to wait for a connection, and for each reply of the scheduler.
constexpr int kConnectTimeoutMs = 5000;
constexpr double kReplyTimeoutSeconds = 10.0;
constexpr qsizetype kWriteChunk = qsizetype{64} * 1024;

// The deleters reach libcups through the same table as the calls that made
// what they free.
struct HttpClose {
  const CupsLibrary* cups;
  void operator()(http_t* http) const { cups->httpClose(http); }
};
struct DestFree {
  const CupsLibrary* cups;
  void operator()(cups_dest_t* dest) const { cups->cupsFreeDests(1, dest); }
};
struct DestInfoFree {
  const CupsLibrary* cups;
  void operator()(cups_dinfo_t* info) const { cups->cupsFreeDestInfo(info); }
};

bool IsSuccess(ipp_status_t status) {
  return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace

struct DefaultPrintQueue::Handles {
  explicit Handles(const CupsLibrary* library)
      : cups(library),
        http(nullptr, HttpClose{library}),
        dest(nullptr, DestFree{library}),
        info(nullptr, DestInfoFree{library}) {}

  const CupsLibrary* cups;
  // Declared in the order they are made, so they are freed in reverse.
  std::unique_ptr<http_t, HttpClose> http;
  std::unique_ptr<cups_dest_t, DestFree> dest;
  std::unique_ptr<cups_dinfo_t, DestInfoFree> info;
};

DefaultPrintQueue::DefaultPrintQueue(std::unique_ptr<Handles> handles)
    : handles_(std::move(handles)) {}

DefaultPrintQueue::~DefaultPrintQueue() = default;

std::unique_ptr<DefaultPrintQueue> DefaultPrintQueue::Open() {
  // Without libcups there is no queue to print to.
  const CupsLibrary* const cups = SystemCupsLibrary();
  if (cups == nullptr) return nullptr;
  auto handles = std::make_unique<Handles>(cups);
  handles->http.reset(cups->httpConnect2(
      cups->cupsServer(), cups->ippPort(), nullptr, AF_UNSPEC,
      cups->cupsEncryption(), /*blocking=*/1, kConnectTimeoutMs,
      /*cancel=*/nullptr));
  if (!handles->http) return nullptr;
  // Without a callback, a reply that does not come in time fails the call.
  cups->httpSetTimeout(handles->http.get(), kReplyTimeoutSeconds, nullptr,
                       nullptr);

  handles->dest.reset(
      cups->cupsGetNamedDest(handles->http.get(), /*name=*/nullptr, nullptr));
  if (!handles->dest) return nullptr;
  handles->info.reset(
      cups->cupsCopyDestInfo(handles->http.get(), handles->dest.get()));
  if (!handles->info) return nullptr;
  return std::unique_ptr<DefaultPrintQueue>(
      new DefaultPrintQueue(std::move(handles)));
}

Paper DefaultPrintQueue::DefaultPaper() const {
  const CupsLibrary* const cups = handles_->cups;
  Paper paper = FallbackPaper();
  cups_size_t size{};
  if (!cups->cupsGetDestMediaDefault(handles_->http.get(), handles_->dest.get(),
                                     handles_->info.get(),
                                     CUPS_MEDIA_FLAGS_DEFAULT, &size) ||
      size.width <= 0 || size.length <= 0) {
    return paper;
  }
  // cups_size_t measures in hundredths of a millimetre.
  paper.size_mm = QSizeF(size.width / 100.0, size.length / 100.0);
  const int widest_margin =
      std::max({size.left, size.right, size.top, size.bottom});
  paper.margin_mm = std::max(paper.margin_mm, widest_margin / 100.0);
  return paper;
}

bool DefaultPrintQueue::SubmitPdf(const QByteArray& pdf, const QString& title) {
  if (pdf.isEmpty()) return false;
  const CupsLibrary* const cups = handles_->cups;
  http_t* const http = handles_->http.get();
  cups_dest_t* const dest = handles_->dest.get();
  cups_dinfo_t* const info = handles_->info.get();
  const QByteArray title_utf8 = title.toUtf8();

  // The queue's own defaults apply; the job asks for nothing else.
  int job_id = 0;
  if (!IsSuccess(cups->cupsCreateDestJob(http, dest, info, &job_id,
                                         title_utf8.constData(), 0, nullptr)) ||
      job_id <= 0) {
    return false;
  }

  if (cups->cupsStartDestDocument(
          http, dest, info, job_id, title_utf8.constData(), CUPS_FORMAT_PDF, 0,
          nullptr,
          /*last_document=*/1) == HTTP_STATUS_CONTINUE) {
    bool written = true;
    for (qsizetype offset = 0; written && offset < pdf.size();
         offset += kWriteChunk) {
      const qsizetype length = std::min(kWriteChunk, pdf.size() - offset);
      written = cups->cupsWriteRequestData(http, pdf.constData() + offset,
                                           static_cast<size_t>(length)) ==
                HTTP_STATUS_CONTINUE;
    }
    // Finished even after a failed write: it ends the request, so that the
    // connection can carry the cancel below.
    const ipp_status_t finished =
        cups->cupsFinishDestDocument(http, dest, info);
    if (written && IsSuccess(finished) && IsSuccess(cups->cupsLastError())) {
      return true;
    }
  }

  // Best effort: the job is reported as failed whatever the cancel returns.
  cups->cupsCancelDestJob(http, dest, job_id);
  return false;
}

}  // namespace mensurex::ui
