#include "cups_queue.h"

#include <sys/socket.h>

#include <QString>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "cups_library.h"

namespace mensurex::ui {
namespace {

using Clock = DefaultPrintQueue::Clock;

// The longest wait for a connection.
constexpr auto kConnectTimeout = std::chrono::milliseconds(5000);
// How often a wait for the scheduler looks at the clock, and so how far past
// its limit a wait may run.
constexpr double kPollSeconds = 0.2;
constexpr auto kPollMargin = std::chrono::milliseconds(250);
constexpr qsizetype kWriteChunk = qsizetype{64} * 1024;

// Until when a connection's waits may go on, and what may end them sooner.
struct Limit {
  Clock::time_point until;
  const ExchangeCutoff* cutoff = nullptr;
};

// Called by libcups each time a wait has gone kPollSeconds without progress:
// 1 waits on, 0 gives up.
int KeepWaiting(http_t* /*http*/, void* data) {
  const auto* const limit = static_cast<const Limit*>(data);
  const bool abandoned = limit->cutoff != nullptr && limit->cutoff->Abandoned();
  if (!abandoned && Clock::now() < limit->until) return 1;
  // The TLS layer judges a failed read by errno: left at a stale EAGAIN, it
  // would retry the handshake for good.
  errno = ETIMEDOUT;
  return 0;
}

// Asked by libcups when the scheduler answers 401 and wants a password: none
// is given, so nothing ever prompts on a terminal and the request fails at
// once. The request is noted in `data`, a std::string, when there is one:
// libcups goes on to report the failure as whatever it tried next.
const char* DeclinePassword(const char* /*prompt*/, http_t* /*http*/,
                            const char* method, const char* resource,
                            void* data) {
  if (data != nullptr) {
    *static_cast<std::string*>(data) =
        std::string(method ? method : "") + " " + (resource ? resource : "");
  }
  return nullptr;
}

int MillisecondsUntil(Clock::time_point until) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      until - Clock::now());
  return static_cast<int>(
      std::clamp(left, std::chrono::milliseconds(0), kConnectTimeout).count());
}

// The deleters reach libcups through the same table as the calls that made
// what they free. A connection that can be cut is unregistered first, so the
// cutoff never touches a closed socket.
struct HttpClose {
  const CupsLibrary* cups;
  ExchangeCutoff* cutoff = nullptr;
  void operator()(http_t* http) const {
    if (cutoff != nullptr) cutoff->Unregister();
    cups->httpClose(http);
  }
};
struct DestFree {
  const CupsLibrary* cups;
  void operator()(cups_dest_t* dest) const { cups->cupsFreeDests(1, dest); }
};
struct DestInfoFree {
  const CupsLibrary* cups;
  void operator()(cups_dinfo_t* info) const { cups->cupsFreeDestInfo(info); }
};
using Http = std::unique_ptr<http_t, HttpClose>;

bool IsSuccess(ipp_status_t status) {
  return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// "`what`: <status name> (0x<code>) <message>" for `status`, the status of
// the reply at hand or else of the calling thread's last exchange; a success
// there only means that no reply came, and is left out. A request that met a
// password request (`password_asked`, as DeclinePassword notes it) failed for
// that, whatever libcups says. Notes a cutoff, which explains any failure
// after it.
std::string Reason(const CupsLibrary* cups, const ExchangeCutoff& cutoff,
                   const std::string& password_asked, const char* what,
                   ipp_status_t status) {
  std::string reason = what;
  if (!password_asked.empty()) {
    reason = "the scheduler asked for a password (HTTP 401 Unauthorized for " +
             password_asked + "), and none is given";
  } else if (!IsSuccess(status)) {
    std::array<char, 16> code{};
    std::snprintf(code.data(), code.size(), "0x%04x", unsigned(status));
    const char* const name = cups->ippErrorString(status);
    const char* const message = cups->cupsLastErrorString();
    reason += std::string(": ") + (name != nullptr ? name : "") + " (" +
              code.data() + ")";
    if (message != nullptr && *message != '\0') {
      reason += std::string(" ") + message;
    }
  }
  if (cutoff.Abandoned()) reason += " (cut off at the deadline)";
  return reason;
}

}  // namespace

void ExchangeCutoff::Abandon() {
  const std::scoped_lock lock(mutex_);
  abandoned_ = true;
  // Shutting the socket down, unlike closing it, is safe under a call that
  // is blocked on it: the call returns, and libcups still owns and closes it.
  // The socket is looked up now, since libcups replaces it on a reconnect.
  if (http_ != nullptr) {
    const int fd = cups_->httpGetFd(http_);
    if (fd >= 0) ::shutdown(fd, SHUT_RDWR);
  }
}

bool ExchangeCutoff::Abandoned() const {
  const std::scoped_lock lock(mutex_);
  return abandoned_;
}

bool ExchangeCutoff::Register(const CupsLibrary* cups, http_t* http) {
  const std::scoped_lock lock(mutex_);
  if (abandoned_) return false;
  cups_ = cups;
  http_ = http;
  return true;
}

void ExchangeCutoff::Unregister() {
  const std::scoped_lock lock(mutex_);
  http_ = nullptr;
}

struct DefaultPrintQueue::Handles {
  Handles(const CupsLibrary* library, std::shared_ptr<ExchangeCutoff> cut)
      : cups(library),
        cutoff(std::move(cut)),
        http(nullptr, HttpClose{library}),
        dest(nullptr, DestFree{library}),
        info(nullptr, DestInfoFree{library}) {
    // The callback is the calling thread's, as are the settings read next.
    cups->cupsSetPasswordCB2(&DeclinePassword, &password_asked);
  }
  ~Handles() { cups->cupsSetPasswordCB2(&DeclinePassword, nullptr); }
  Handles(const Handles&) = delete;
  Handles& operator=(const Handles&) = delete;

  // A connection to the scheduler whose every wait ends at `limit`; null
  // when none is made in time. With `cut`, the connection is the one the
  // cutoff ends, and none is made once it has been abandoned. Connecting may
  // include a TLS handshake or an upgrade to TLS, so the connection is made
  // unconnected first: the waits are bounded and the cutoff can end it
  // before anything is sent or awaited.
  Http Connect(const Limit& limit, ExchangeCutoff* cut) const {
    Http connection(nullptr, HttpClose{cups});
    const int connect_ms = MillisecondsUntil(limit.until);
    if (connect_ms <= 0 || (cut != nullptr && cut->Abandoned())) {
      return connection;
    }
    connection.reset(cups->httpConnect2(server.constData(), port, nullptr,
                                        AF_UNSPEC, encryption, /*blocking=*/1,
                                        /*msec=*/0, /*cancel=*/nullptr));
    if (!connection) return connection;
    // The cast drops only the const: the callback merely reads the limit.
    cups->httpSetTimeout(connection.get(), kPollSeconds, &KeepWaiting,
                         const_cast<Limit*>(&limit));
    if (cut != nullptr) {
      if (!cut->Register(cups, connection.get())) {
        connection.reset();
        return connection;
      }
      connection.get_deleter().cutoff = cut;
    }
    if (cups->httpReconnect2(connection.get(), connect_ms, nullptr) != 0) {
      connection.reset();
    }
    return connection;
  }

  // Why the last exchange failed, after its `status`, or else the thread's
  // last.
  std::string Reason(const char* what) const {
    return Reason(what, cups->cupsLastError());
  }
  std::string Reason(const char* what, ipp_status_t status) const {
    return mensurex::ui::Reason(cups, *cutoff, password_asked, what, status);
  }

  const CupsLibrary* cups;
  std::shared_ptr<ExchangeCutoff> cutoff;
  // The request that met a password request, if one did.
  std::string password_asked;
  // The scheduler as the client configuration names it when the queue opens.
  QByteArray server;
  int port = 0;
  http_encryption_t encryption = HTTP_ENCRYPTION_IF_REQUESTED;
  // Exchanges on `http` end here; a cancel may go on until `cancel_until`.
  Limit exchange;
  Clock::time_point cancel_until;
  // The destination's path on the scheduler, where replies are read from.
  QByteArray resource;
  // The title of the job sent, in UTF-8.
  QByteArray title;
  // A failed job still to be cancelled: its number, 0 when it never came
  // back; -1 for none.
  int leftover_job = -1;
  // Declared in the order they are made, so they are freed in reverse.
  Http http;
  std::unique_ptr<cups_dest_t, DestFree> dest;
  std::unique_ptr<cups_dinfo_t, DestInfoFree> info;
};

DefaultPrintQueue::DefaultPrintQueue(std::unique_ptr<Handles> handles)
    : handles_(std::move(handles)) {}

DefaultPrintQueue::~DefaultPrintQueue() = default;

std::unique_ptr<DefaultPrintQueue> DefaultPrintQueue::Open(
    Clock::time_point deadline, std::shared_ptr<ExchangeCutoff> cutoff,
    std::string& why) {
  // Without libcups there is no queue to print to.
  std::string load_error;
  const CupsLibrary* const cups = SystemCupsLibrary(&load_error);
  if (cups == nullptr) {
    why = "libcups could not be loaded: " + load_error;
    return nullptr;
  }
  auto handles = std::make_unique<Handles>(cups, std::move(cutoff));
  handles->server = cups->cupsServer();
  handles->port = cups->ippPort();
  handles->encryption = cups->cupsEncryption();
  handles->exchange = {deadline - kCancelReserve, handles->cutoff.get()};
  handles->cancel_until = deadline - kPollMargin;

  handles->http = handles->Connect(handles->exchange, handles->cutoff.get());
  if (!handles->http) {
    why = handles->Reason(
        ("no connection to the scheduler " + handles->server.toStdString() +
         ":" + std::to_string(handles->port))
            .c_str(),
        IPP_STATUS_OK);
    return nullptr;
  }
  handles->dest.reset(
      cups->cupsGetNamedDest(handles->http.get(), /*name=*/nullptr, nullptr));
  if (!handles->dest) {
    why = handles->Reason("no default destination");
    return nullptr;
  }
  handles->info.reset(
      cups->cupsCopyDestInfo(handles->http.get(), handles->dest.get()));
  if (!handles->info) {
    why = handles->Reason("no information on the default destination");
    return nullptr;
  }

  handles->resource = "/";
  const char* const uri =
      cups->cupsGetOption("printer-uri-supported", handles->dest->num_options,
                          handles->dest->options);
  std::array<char, HTTP_MAX_URI> scheme{}, user{}, host{}, resource{};
  int port = 0;
  if (uri != nullptr &&
      cups->httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme.data(),
                            scheme.size(), user.data(), user.size(),
                            host.data(), host.size(), &port, resource.data(),
                            resource.size()) >= HTTP_URI_STATUS_OK) {
    handles->resource = resource.data();
  }
  return std::unique_ptr<DefaultPrintQueue>(
      new DefaultPrintQueue(std::move(handles)));
}

Paper DefaultPrintQueue::DefaultPaper() const {
  const CupsLibrary* const cups = handles_->cups;
  Paper paper = FallbackPaper();
  cups_size_t size{};
  if (!handles_->http ||
      !cups->cupsGetDestMediaDefault(handles_->http.get(), handles_->dest.get(),
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

PrintOutcome DefaultPrintQueue::SubmitPdf(const QByteArray& pdf,
                                          const QString& title,
                                          std::string& why) {
  if (pdf.isEmpty() || !handles_->http) {
    why = pdf.isEmpty() ? "no page to print" : "the queue has sent its job";
    return PrintOutcome::kFailed;
  }
  const CupsLibrary* const cups = handles_->cups;
  handles_->title = title.toUtf8();

  // The queue's own defaults apply; the job asks for nothing else. A job
  // number alone proves the job exists; the status is judged as well.
  int job_id = 0;
  const ipp_status_t created = cups->cupsCreateDestJob(
      handles_->http.get(), handles_->dest.get(), handles_->info.get(), &job_id,
      handles_->title.constData(), 0, nullptr);
  Upload upload = Upload::kRefused;
  if (job_id <= 0 || !IsSuccess(created)) {
    why = handles_->Reason("the job was not created", created);
  } else {
    upload = SendDocument(pdf, job_id, why);
  }
  // The connection may be left in the middle of a request; it carries
  // nothing more.
  handles_->http.reset();
  if (upload == Upload::kAccepted) return PrintOutcome::kPrinted;

  // Without a number the job may still exist: the request can have reached
  // the scheduler while its answer did not come back.
  job_id = std::max(job_id, 0);
  const JobFate fate = SettleJob(job_id, handles_->cancel_until);
  if (upload == Upload::kUnanswered) {
    switch (fate) {
      case JobFate::kCancelled:
        return PrintOutcome::kFailed;
      case JobFate::kFinished:
        why += "; the scheduler reports the job done";
        return PrintOutcome::kPrinted;
      case JobFate::kUnknown:
        return PrintOutcome::kMayHavePrinted;
    }
  }
  if (fate == JobFate::kUnknown) handles_->leftover_job = job_id;
  return PrintOutcome::kFailed;
}

void DefaultPrintQueue::CancelLeftover(Clock::time_point until) {
  if (handles_->leftover_job < 0) return;
  SettleJob(handles_->leftover_job, until);
  handles_->leftover_job = -1;
}

DefaultPrintQueue::Upload DefaultPrintQueue::SendDocument(const QByteArray& pdf,
                                                          int job_id,
                                                          std::string& why) {
  const CupsLibrary* const cups = handles_->cups;
  http_t* const http = handles_->http.get();
  if (cups->cupsStartDestDocument(
          http, handles_->dest.get(), handles_->info.get(), job_id,
          handles_->title.constData(), CUPS_FORMAT_PDF, 0, nullptr,
          /*last_document=*/1) != HTTP_STATUS_CONTINUE) {
    why = handles_->Reason("the document was not started");
    return Upload::kIncomplete;
  }
  for (qsizetype offset = 0; offset < pdf.size(); offset += kWriteChunk) {
    const qsizetype length = std::min(kWriteChunk, pdf.size() - offset);
    if (cups->cupsWriteRequestData(http, pdf.constData() + offset,
                                   static_cast<size_t>(length)) !=
        HTTP_STATUS_CONTINUE) {
      why = handles_->Reason("the document was not sent");
      return Upload::kIncomplete;
    }
  }
  // Only the scheduler's own reply to the upload counts: without one, libcups
  // may still hold the success of an earlier request as its last error.
  ipp_t* const reply =
      cups->cupsGetResponse(http, handles_->resource.constData());
  if (reply == nullptr) {
    why = handles_->Reason("no reply to the document");
    return Upload::kUnanswered;
  }
  const ipp_status_t status = cups->ippGetStatusCode(reply);
  cups->ippDelete(reply);
  if (!IsSuccess(status)) {
    why = handles_->Reason("the document was refused", status);
    return Upload::kRefused;
  }
  return Upload::kAccepted;
}

DefaultPrintQueue::JobFate DefaultPrintQueue::SettleJob(
    int job_id, Clock::time_point until) {
  const Limit limit{until, nullptr};
  const Http http = handles_->Connect(limit, nullptr);
  if (!http) return JobFate::kUnknown;
  if (job_id <= 0) {
    job_id = FindEmptyJob(http.get());
    if (job_id == 0) return JobFate::kCancelled;  // none was made
    if (job_id < 0) return JobFate::kUnknown;
  }
  const ipp_status_t status = handles_->cups->cupsCancelDestJob(
      http.get(), handles_->dest.get(), job_id);
  if (IsSuccess(status)) return JobFate::kCancelled;
  // A job past cancelling has ended one way or another; a job the scheduler
  // no longer knows ended long enough ago to be forgotten.
  if (status == IPP_STATUS_ERROR_NOT_FOUND) return JobFate::kFinished;
  if (status == IPP_STATUS_ERROR_NOT_POSSIBLE) {
    return FinishedJobFate(http.get(), job_id);
  }
  return JobFate::kUnknown;
}

namespace {

// This user's jobs on `destination` of the kind `which` (CUPS_WHICHJOBS_*),
// handed to `look` one by one; false when the scheduler does not say.
template <typename Look>
bool ForEachJob(const CupsLibrary* cups, http_t* http, const char* destination,
                int which, Look look) {
  cups_job_t* jobs = nullptr;
  const int count =
      cups->cupsGetJobs2(http, &jobs, destination, /*myjobs=*/1, which);
  for (int index = 0; index < count; ++index) look(jobs[index]);
  if (count > 0) cups->cupsFreeJobs(count, jobs);
  return count > 0 || (count == 0 && IsSuccess(cups->cupsLastError()));
}

}  // namespace

int DefaultPrintQueue::FindEmptyJob(http_t* http) {
  int found = 0;
  const bool answered =
      ForEachJob(handles_->cups, http, handles_->dest->name,
                 CUPS_WHICHJOBS_ACTIVE, [this, &found](const cups_job_t& job) {
                   // The newest, should earlier attempts have left more behind.
                   if (job.size == 0 && job.state <= IPP_JSTATE_HELD &&
                       job.title != nullptr && handles_->title == job.title) {
                     found = std::max(found, job.id);
                   }
                 });
  return answered ? found : -1;
}

DefaultPrintQueue::JobFate DefaultPrintQueue::FinishedJobFate(http_t* http,
                                                              int job_id) {
  JobFate fate = JobFate::kUnknown;
  ForEachJob(handles_->cups, http, handles_->dest->name,
             CUPS_WHICHJOBS_COMPLETED, [job_id, &fate](const cups_job_t& job) {
               if (job.id != job_id) return;
               fate = job.state == IPP_JSTATE_COMPLETED ? JobFate::kFinished
                                                        : JobFate::kCancelled;
             });
  return fate;
}

}  // namespace mensurex::ui
