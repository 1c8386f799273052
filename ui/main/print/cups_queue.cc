#include "cups_queue.h"

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <string_view>
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
constexpr qsizetype kWriteChunk = qsizetype{64} * 1024;

// Until when a connection's waits may go on, and what may end them sooner.
// `expired` notes that a wait gave up, which explains the failure after it
// better than anything libcups says then.
struct Limit {
  Clock::time_point until;
  const std::function<bool()>* hung_up = nullptr;
  mutable bool expired = false;
};

// Called by libcups each time a wait has gone kPollSeconds without progress:
// 1 waits on, 0 gives up.
int KeepWaiting(http_t* /*http*/, void* data) {
  const auto* const limit = static_cast<const Limit*>(data);
  const bool hung_up =
      limit->hung_up != nullptr && *limit->hung_up && (*limit->hung_up)();
  if (!hung_up && Clock::now() < limit->until) return 1;
  limit->expired = true;
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
struct IppDelete {
  const CupsLibrary* cups;
  void operator()(ipp_t* ipp) const { cups->ippDelete(ipp); }
};
using Http = std::unique_ptr<http_t, HttpClose>;

bool IsSuccess(ipp_status_t status) {
  return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// "`what`: <status name> (0x<code>) <message>" for `status`, the status of
// the reply at hand or else of the calling thread's last exchange; a success
// there only means that no reply came, and is left out. A request that met a
// password request (`password_asked`, as DeclinePassword notes it) failed for
// that, and one whose wait gave up (`limit`) for the time, whatever libcups
// says then.
std::string Reason(const CupsLibrary* cups, const Limit& limit,
                   const std::string& password_asked, std::string_view what,
                   ipp_status_t status) {
  std::string reason(what);
  if (!password_asked.empty()) {
    reason = "the scheduler asked for a password (HTTP 401 Unauthorized for " +
             password_asked + "), and none is given";
  } else if (limit.expired) {
    reason += " (cut off at the deadline)";
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
  return reason;
}

}  // namespace

struct DefaultPrintQueue::Handles {
  explicit Handles(const CupsLibrary* library)
      : cups(library),
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
  // when none is made in time, or when the limit heeds a hang-up and one
  // came. Connecting may include a TLS handshake or an
  // upgrade to TLS, so the connection is made unconnected first: its waits
  // are bounded before anything is sent or awaited.
  Http Connect(const Limit& limit) const {
    Http connection(nullptr, HttpClose{cups});
    const int connect_ms = MillisecondsUntil(limit.until);
    if (connect_ms <= 0 || (limit.hung_up != nullptr && HungUp())) {
      return connection;
    }
    connection.reset(cups->httpConnect2(server.constData(), port, nullptr,
                                        AF_UNSPEC, encryption, /*blocking=*/1,
                                        /*msec=*/0, /*cancel=*/nullptr));
    if (!connection) return connection;
    // The cast drops only the const: the callback merely reads the limit
    // and notes that it expired.
    cups->httpSetTimeout(connection.get(), kPollSeconds, &KeepWaiting,
                         const_cast<Limit*>(&limit));
    if (cups->httpReconnect2(connection.get(), connect_ms, nullptr) != 0) {
      connection.reset();
      return connection;
    }
    // Again now that there is a socket: libcups also gives it send and
    // receive timeouts, without which a write to a scheduler that stops
    // reading blocks for good, and the callback is never asked.
    cups->httpSetTimeout(connection.get(), kPollSeconds, &KeepWaiting,
                         const_cast<Limit*>(&limit));
    return connection;
  }

  bool HungUp() const { return hung_up && hung_up(); }
  void Step(const std::string& what) const {
    if (progress.step) progress.step(what);
  }

  // Why the last exchange failed, after its `status`, or else the thread's
  // last.
  std::string Reason(std::string_view what) const {
    return Reason(what, cups->cupsLastError());
  }
  std::string Reason(std::string_view what, ipp_status_t status) const {
    return mensurex::ui::Reason(cups, exchange, password_asked, what, status);
  }

  // Asks the scheduler for its default destination once, and tells why its
  // answer is no IPP reply, if it is not: libcups's own requests send the
  // same request again for as long as a redirect answers, and report any
  // other HTTP failure as "not found". Empty when the scheduler answered.
  std::string ProbeScheduler() const {
    Step("asking the scheduler for its default destination");
    const std::unique_ptr<ipp_t, IppDelete> request(
        cups->ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), IppDelete{cups});
    http_status_t status = cups->cupsSendRequest(
        http.get(), request.get(), "/", cups->ippLength(request.get()));
    if (status == HTTP_STATUS_CONTINUE) {
      const std::unique_ptr<ipp_t, IppDelete> reply(
          cups->cupsGetResponse(http.get(), "/"), IppDelete{cups});
      status = cups->httpGetStatus(http.get());
      if (reply && status == HTTP_STATUS_OK) return {};
    }
    if (status == HTTP_STATUS_ERROR || status == HTTP_STATUS_CONTINUE ||
        status == HTTP_STATUS_OK) {
      return Reason("no readable answer from the scheduler");
    }
    const char* const text = cups->httpStatus(status);
    std::string reason = "the scheduler answered HTTP " +
                         std::to_string(int(status)) + " " +
                         (text != nullptr ? text : "");
    if (status >= HTTP_STATUS_MULTIPLE_CHOICES &&
        status < HTTP_STATUS_BAD_REQUEST) {
      const char* const location =
          cups->httpGetField(http.get(), HTTP_FIELD_LOCATION);
      reason += std::string(" to \"") + (location ? location : "") +
                "\", a redirect, which is not followed";
    }
    return Reason(reason, cups->cupsLastError());
  }

  const CupsLibrary* cups;
  std::function<bool()> hung_up;
  QueueProgress progress;
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
  // The names of the job sent and of its document, in UTF-8.
  std::string job_name;
  std::string title;
  // Declared in the order they are made, so they are freed in reverse.
  Http http;
  std::unique_ptr<cups_dest_t, DestFree> dest;
  std::unique_ptr<cups_dinfo_t, DestInfoFree> info;
};

DefaultPrintQueue::DefaultPrintQueue(std::unique_ptr<Handles> handles)
    : handles_(std::move(handles)) {}

DefaultPrintQueue::~DefaultPrintQueue() = default;

std::unique_ptr<DefaultPrintQueue> DefaultPrintQueue::Open(
    Times times, std::function<bool()> hung_up, QueueProgress progress,
    std::string& why) {
  // Without libcups there is no queue to print to.
  std::string load_error;
  const CupsLibrary* const cups = SystemCupsLibrary(&load_error);
  if (cups == nullptr) {
    why = "libcups could not be loaded: " + load_error;
    return nullptr;
  }
  auto handles = std::make_unique<Handles>(cups);
  handles->hung_up = std::move(hung_up);
  handles->progress = std::move(progress);
  handles->server = cups->cupsServer();
  handles->port = cups->ippPort();
  handles->encryption = cups->cupsEncryption();
  handles->exchange.until = times.exchange_until;
  handles->exchange.hung_up = &handles->hung_up;
  handles->cancel_until = times.cancel_until;

  const std::string scheduler = "the scheduler " +
                                handles->server.toStdString() + ":" +
                                std::to_string(handles->port);
  handles->Step("connecting to " + scheduler);
  handles->http = handles->Connect(handles->exchange);
  if (!handles->http) {
    why = handles->Reason("no connection to " + scheduler, IPP_STATUS_OK);
    return nullptr;
  }
  why = handles->ProbeScheduler();
  if (!why.empty()) return nullptr;
  handles->Step("looking up the default destination");
  handles->dest.reset(
      cups->cupsGetNamedDest(handles->http.get(), /*name=*/nullptr, nullptr));
  if (!handles->dest) {
    why = handles->Reason("no default destination");
    return nullptr;
  }
  handles->Step("asking about the default destination");
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

Paper DefaultPrintQueue::DefaultPaper(const Paper& fallback) const {
  const CupsLibrary* const cups = handles_->cups;
  http_t* const http = handles_->http.get();
  if (http == nullptr) return fallback;
  handles_->Step("asking for the destination's paper");
  // The queue's own setting first, then the destination's default. Not
  // cupsGetDestMediaDefault: where a PPD names only a default page size, it
  // answers Letter, and the scheduler would then fit that page to the paper
  // and crop it.
  const char* name = cups->cupsGetOption("media", handles_->dest->num_options,
                                         handles_->dest->options);
  if (name == nullptr) {
    ipp_attribute_t* const media = cups->cupsFindDestDefault(
        http, handles_->dest.get(), handles_->info.get(), "media");
    if (media != nullptr) name = cups->ippGetString(media, 0, nullptr);
  }
  if (name == nullptr || *name == '\0') return fallback;

  // cups_size_t and pwg_media_t measure in hundredths of a millimetre.
  cups_size_t size{};
  if (!cups->cupsGetDestMediaByName(http, handles_->dest.get(),
                                    handles_->info.get(), name,
                                    CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
    const pwg_media_t* const media = cups->pwgMediaForPWG(name);
    if (media == nullptr) return fallback;
    size = cups_size_t{};
    size.width = media->width;
    size.length = media->length;
  }
  if (size.width <= 0 || size.length <= 0) return fallback;
  Paper paper = fallback;
  paper.size_mm = QSizeF(size.width / 100.0, size.length / 100.0);
  const int widest_margin =
      std::max({size.left, size.right, size.top, size.bottom});
  paper.margin_mm = std::max(paper.margin_mm, widest_margin / 100.0);
  return paper;
}

PrintOutcome DefaultPrintQueue::SubmitPdf(const QByteArray& pdf,
                                          const std::string& title,
                                          const std::string& job_name,
                                          std::string& why) {
  if (pdf.isEmpty() || !handles_->http) {
    why = pdf.isEmpty() ? "no page to print" : "the queue has sent its job";
    return PrintOutcome::kFailed;
  }
  const CupsLibrary* const cups = handles_->cups;
  handles_->title = title;
  handles_->job_name = job_name;

  // The queue's own defaults apply; the job asks for nothing else. A job
  // number alone proves the job exists; the status is judged as well.
  handles_->Step("creating the job");
  int job_id = 0;
  const ipp_status_t created = cups->cupsCreateDestJob(
      handles_->http.get(), handles_->dest.get(), handles_->info.get(), &job_id,
      handles_->job_name.c_str(), 0, nullptr);
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
  const JobFate fate = SettleJob(std::max(job_id, 0), why);
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
  return PrintOutcome::kFailed;
}

DefaultPrintQueue::Upload DefaultPrintQueue::SendDocument(const QByteArray& pdf,
                                                          int job_id,
                                                          std::string& why) {
  const CupsLibrary* const cups = handles_->cups;
  http_t* const http = handles_->http.get();
  handles_->Step("sending the document of job " + std::to_string(job_id));
  if (cups->cupsStartDestDocument(
          http, handles_->dest.get(), handles_->info.get(), job_id,
          handles_->title.c_str(), CUPS_FORMAT_PDF, 0, nullptr,
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
  // From here on the page may print, whatever else happens.
  if (handles_->progress.document_sent) handles_->progress.document_sent();
  handles_->Step("waiting for the reply to the document of job " +
                 std::to_string(job_id));
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

DefaultPrintQueue::JobFate DefaultPrintQueue::SettleJob(int job_id,
                                                        std::string& why) {
  // Not ended by a hang-up: a job made is cancelled even when no one waits
  // for the outcome any more.
  const Limit limit{handles_->cancel_until, nullptr};
  handles_->Step("connecting to cancel the job");
  const Http http = handles_->Connect(limit);
  if (!http) {
    why += "; no connection to cancel the job";
    return JobFate::kUnknown;
  }
  if (job_id <= 0) {
    handles_->Step("looking for the job among this user's jobs");
    job_id = FindEmptyJob(http.get());
    if (job_id == 0) {
      why += "; no job of ours found, none cancelled";
      return JobFate::kCancelled;  // none was made
    }
    if (job_id < 0) {
      why += "; the scheduler did not list the jobs, none cancelled";
      return JobFate::kUnknown;
    }
  }
  handles_->Step("cancelling job " + std::to_string(job_id));
  const ipp_status_t status = handles_->cups->cupsCancelDestJob(
      http.get(), handles_->dest.get(), job_id);
  if (IsSuccess(status)) {
    why += "; job " + std::to_string(job_id) + " cancelled";
    return JobFate::kCancelled;
  }
  // A job past cancelling has ended one way or another; a job the scheduler
  // no longer knows ended long enough ago to be forgotten.
  if (status == IPP_STATUS_ERROR_NOT_FOUND) return JobFate::kFinished;
  if (status == IPP_STATUS_ERROR_NOT_POSSIBLE) {
    handles_->Step("asking what became of job " + std::to_string(job_id));
    return FinishedJobFate(http.get(), job_id);
  }
  why += "; " + mensurex::ui::Reason(
                    handles_->cups, limit, {},
                    "job " + std::to_string(job_id) + " not cancelled", status);
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
  const bool answered = ForEachJob(
      handles_->cups, http, handles_->dest->name, CUPS_WHICHJOBS_ACTIVE,
      [this, &found](const cups_job_t& job) {
        // The name is this print's alone; the document-less state
        // keeps a job that did get its document.
        if (job.size == 0 && job.state <= IPP_JSTATE_HELD &&
            job.title != nullptr && handles_->job_name == job.title) {
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
