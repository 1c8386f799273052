#include "ui/main/print_cups_queue.h"

#include <cups/cups.h>
#include <sys/socket.h>

#include <QString>
#include <algorithm>

namespace mensurex::ui {
namespace {

// How long to wait for a connection, and for each reply of the scheduler.
constexpr int kConnectTimeoutMs = 5000;
constexpr double kReplyTimeoutSeconds = 10.0;
constexpr qsizetype kWriteChunk = qsizetype{64} * 1024;

struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
struct DestFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct DestInfoFree {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

bool IsSuccess(ipp_status_t status) {
  return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace

struct DefaultPrintQueue::Handles {
  std::unique_ptr<http_t, HttpClose> http;
  std::unique_ptr<cups_dest_t, DestFree> dest;
  std::unique_ptr<cups_dinfo_t, DestInfoFree> info;
};

DefaultPrintQueue::DefaultPrintQueue(std::unique_ptr<Handles> handles)
    : handles_(std::move(handles)) {}

DefaultPrintQueue::~DefaultPrintQueue() = default;

std::unique_ptr<DefaultPrintQueue> DefaultPrintQueue::Open() {
  auto handles = std::make_unique<Handles>();
  handles->http.reset(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                   cupsEncryption(), /*blocking=*/1,
                                   kConnectTimeoutMs, /*cancel=*/nullptr));
  if (!handles->http) return nullptr;
  // Without a callback, a reply that does not come in time fails the call.
  httpSetTimeout(handles->http.get(), kReplyTimeoutSeconds, nullptr, nullptr);

  handles->dest.reset(
      cupsGetNamedDest(handles->http.get(), /*name=*/nullptr, nullptr));
  if (!handles->dest) return nullptr;
  handles->info.reset(
      cupsCopyDestInfo(handles->http.get(), handles->dest.get()));
  if (!handles->info) return nullptr;
  return std::unique_ptr<DefaultPrintQueue>(
      new DefaultPrintQueue(std::move(handles)));
}

Paper DefaultPrintQueue::DefaultPaper() const {
  Paper paper = FallbackPaper();
  cups_size_t size{};
  if (!cupsGetDestMediaDefault(handles_->http.get(), handles_->dest.get(),
                               handles_->info.get(), CUPS_MEDIA_FLAGS_DEFAULT,
                               &size) ||
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
  http_t* const http = handles_->http.get();
  cups_dest_t* const dest = handles_->dest.get();
  cups_dinfo_t* const info = handles_->info.get();
  const QByteArray title_utf8 = title.toUtf8();

  // The queue's own defaults apply; the job asks for nothing else.
  int job_id = 0;
  if (!IsSuccess(cupsCreateDestJob(http, dest, info, &job_id,
                                   title_utf8.constData(), 0, nullptr)) ||
      job_id <= 0) {
    return false;
  }

  if (cupsStartDestDocument(http, dest, info, job_id, title_utf8.constData(),
                            CUPS_FORMAT_PDF, 0, nullptr,
                            /*last_document=*/1) == HTTP_STATUS_CONTINUE) {
    bool written = true;
    for (qsizetype offset = 0; written && offset < pdf.size();
         offset += kWriteChunk) {
      const qsizetype length = std::min(kWriteChunk, pdf.size() - offset);
      written = cupsWriteRequestData(http, pdf.constData() + offset,
                                     static_cast<size_t>(length)) ==
                HTTP_STATUS_CONTINUE;
    }
    // Finished even after a failed write: it ends the request, so that the
    // connection can carry the cancel below.
    const ipp_status_t finished = cupsFinishDestDocument(http, dest, info);
    if (written && IsSuccess(finished) && IsSuccess(cupsLastError())) {
      return true;
    }
  }

  // Best effort: the job is reported as failed whatever the cancel returns.
  cupsCancelDestJob(http, dest, job_id);
  return false;
}

}  // namespace mensurex::ui
