// The print helper: prints one page, a PDF, as one job on the system's
// default CUPS destination, for the window, which starts it, feeds it and
// ends it at its deadline. All of libcups lives here, in a process of its
// own, so that no wait of libcups's (retry sleeps, the wait for "100
// Continue", a reply that never ends) can hold the window, and ending this
// process ends every connection it holds.
//
// It speaks with the window as print_protocol.h says, and gives up waiting
// for the scheduler kCancelTime + kExitTime before END_MS, for the cancel of a
// failed job it made (found by its number, else its name) kExitTime before.
// SIGTERM, or the window's end, means no one waits any more: the helper stops
// waiting, cancels a job it made that lacks its whole document, and ends.
// Without its three arguments it writes nothing and exits with status 2.
#include <cups/cups.h>
#include <cups/pwg.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "ui/main/print/print_outcome.h"
#include "ui/main/print/print_protocol.h"

namespace {

namespace protocol = mensurex::print_protocol;
using mensurex::ui::PrintOutcome;

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kCancelTime{1500};
constexpr milliseconds kExitTime{250};
constexpr milliseconds kConnectTimeout{5000};
// How often a wait for the scheduler looks at the clock, and so how far
// past its limit a wait may run.
constexpr double kPollSeconds = 0.2;
constexpr std::size_t kWriteChunk = std::size_t{64} * 1024;

volatile std::sig_atomic_t hung_up = 0;

void HangUp(int /*signal*/) { hung_up = 1; }

// Writes `line` to the window; a window that no longer reads has hung up.
void Say(const std::string& line) {
  if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() ||
      std::fflush(stdout) != 0) {
    hung_up = 1;
  }
}

void Step(const std::string& what) {
  Say(protocol::Line(protocol::kStep, what));
}

std::string Outcome(PrintOutcome outcome, const std::string& why = {}) {
  return protocol::Line(protocol::kOutcomes[int(outcome)], why);
}

// Until when a connection's waits go on, and whether a hang-up ends them
// sooner. `expired` notes that a wait gave up, which explains the failure
// after it better than anything libcups says then.
struct Limit {
  Clock::time_point until;
  bool heeds_hang_up = true;
  bool expired = false;
};

// Asked by libcups each time a wait has gone kPollSeconds without progress:
// 1 waits on, 0 gives up.
int KeepWaiting(http_t* /*http*/, void* data) {
  auto* const limit = static_cast<Limit*>(data);
  if (!(limit->heeds_hang_up && hung_up) && Clock::now() < limit->until) {
    return 1;
  }
  limit->expired = true;
  // The TLS layer judges a failed read by errno: left at a stale EAGAIN, it
  // would retry the handshake for good.
  errno = ETIMEDOUT;
  return 0;
}

// Asked by libcups when the scheduler wants a password: none is given, so
// nothing prompts on a terminal. The request is noted: libcups goes on to
// report the failure as whatever it tried next.
std::string password_asked;
const char* DeclinePassword(const char* /*prompt*/, http_t* /*http*/,
                            const char* method, const char* resource,
                            void* /*data*/) {
  password_asked =
      std::string(method ? method : "") + " " + (resource ? resource : "");
  return nullptr;
}

bool IsSuccess(ipp_status_t status) {
  return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// "`what`: <status name> (0x<code>) <message>" for `status`, or else for the
// last exchange; a success there only means that no reply came, and is left
// out. A request that met a password request failed for that, and one whose
// wait gave up for the time, whatever libcups says then.
std::string Reason(const Limit& limit, std::string_view what,
                   ipp_status_t status = cupsLastError()) {
  std::string reason(what);
  if (!password_asked.empty()) {
    return "the scheduler asked for a password (HTTP 401 Unauthorized for " +
           password_asked + "), and none is given";
  }
  if (limit.expired) return reason + " (cut off at the deadline)";
  if (IsSuccess(status)) return reason;
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%04x", unsigned(status));
  reason +=
      std::string(": ") + ippErrorString(status) + " (" + code.data() + ")";
  const char* const message = cupsLastErrorString();
  if (message != nullptr && *message != '\0')
    reason += std::string(" ") + message;
  return reason;
}

struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
struct IppDelete {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Http = std::unique_ptr<http_t, HttpClose>;
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// A connection to the scheduler whose every wait ends at `limit`; null when
// none is made in time. It is made unconnected first, so that its waits are
// bounded before anything (a TLS handshake, say) is sent or awaited.
Http Connect(Limit& limit) {
  const auto left =
      std::chrono::duration_cast<milliseconds>(limit.until - Clock::now());
  const int connect_ms =
      int(std::clamp(left, milliseconds(0), kConnectTimeout).count());
  if (connect_ms <= 0 || (limit.heeds_hang_up && hung_up)) return nullptr;
  Http http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                         cupsEncryption(), /*blocking=*/1, /*msec=*/0,
                         /*cancel=*/nullptr));
  if (!http) return nullptr;
  httpSetTimeout(http.get(), kPollSeconds, &KeepWaiting, &limit);
  if (httpReconnect2(http.get(), connect_ms, nullptr) != 0) return nullptr;
  // Again now that there is a socket: libcups also gives it send and receive
  // timeouts, without which a write to a scheduler that stops reading blocks
  // for good.
  httpSetTimeout(http.get(), kPollSeconds, &KeepWaiting, &limit);
  return http;
}

// The default destination of one scheduler, and what one job needs of it.
class Destination {
 public:
  Destination(Clock::time_point end, std::string job_name, std::string title)
      : exchange_{end - kExitTime - kCancelTime},
        cancel_{end - kExitTime, /*heeds_hang_up=*/false},
        job_name_(std::move(job_name)),
        title_(std::move(title)) {}
  ~Destination() {
    if (info_ != nullptr) cupsFreeDestInfo(info_);
    if (dest_ != nullptr) cupsFreeDests(1, dest_);
  }
  Destination(const Destination&) = delete;
  Destination& operator=(const Destination&) = delete;

  // Connects and finds the default destination; the reason when it cannot.
  std::string Open();
  // The "paper" line's words.
  std::string Paper();
  // Sends `pdf` as one job: the outcome line's words.
  std::string Submit(const std::string& pdf);

 private:
  enum class Upload { kAccepted, kRefused, kIncomplete, kUnanswered };
  enum class Fate { kCancelled, kFinished, kUnknown };

  std::string ProbeScheduler();
  Upload SendDocument(const std::string& pdf, int job_id, std::string& why);
  Fate SettleJob(int job_id, std::string& why);
  // Hands this user's jobs on the destination of the kind `which` to `look`;
  // false when the scheduler does not say.
  template <typename Look>
  bool ForEachJob(http_t* http, int which, Look look);

  Limit exchange_;
  Limit cancel_;
  std::string job_name_;
  std::string title_;
  Http http_;
  cups_dest_t* dest_ = nullptr;
  cups_dinfo_t* info_ = nullptr;
  // The destination's path on the scheduler, where replies are read from.
  std::string resource_ = "/";
};

std::string Destination::Open() {
  const std::string scheduler = std::string("the scheduler ") + cupsServer() +
                                ":" + std::to_string(ippPort());
  Step("connecting to " + scheduler);
  http_ = Connect(exchange_);
  if (!http_)
    return Reason(exchange_, "no connection to " + scheduler, IPP_STATUS_OK);
  std::string why = ProbeScheduler();
  if (!why.empty()) return why;
  Step("looking up the default destination");
  dest_ = cupsGetNamedDest(http_.get(), /*name=*/nullptr, nullptr);
  if (dest_ == nullptr) return Reason(exchange_, "no default destination");
  Step("asking about the default destination");
  info_ = cupsCopyDestInfo(http_.get(), dest_);
  if (info_ == nullptr) {
    return Reason(exchange_, "no information on the default destination");
  }
  const char* const uri = cupsGetOption("printer-uri-supported",
                                        dest_->num_options, dest_->options);
  std::array<char, HTTP_MAX_URI> scheme{}, user{}, host{}, resource{};
  int port = 0;
  if (uri != nullptr &&
      httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme.data(), scheme.size(),
                      user.data(), user.size(), host.data(), host.size(), &port,
                      resource.data(), resource.size()) >= HTTP_URI_STATUS_OK) {
    resource_ = resource.data();
  }
  return {};
}

// Asks for the default destination once, and tells why the answer is no IPP
// reply, if it is not: libcups's own requests follow a redirect for as long
// as one answers, and report any other HTTP failure as "not found".
std::string Destination::ProbeScheduler() {
  Step("asking the scheduler for its default destination");
  const Ipp request(ippNewRequest(IPP_OP_CUPS_GET_DEFAULT));
  http_status_t status = cupsSendRequest(http_.get(), request.get(), "/",
                                         ippLength(request.get()));
  if (status == HTTP_STATUS_CONTINUE) {
    const Ipp reply(cupsGetResponse(http_.get(), "/"));
    status = httpGetStatus(http_.get());
    if (reply && status == HTTP_STATUS_OK) return {};
  }
  if (status == HTTP_STATUS_ERROR || status == HTTP_STATUS_CONTINUE ||
      status == HTTP_STATUS_OK) {
    return Reason(exchange_, "no readable answer from the scheduler");
  }
  std::string reason = "the scheduler answered HTTP " +
                       std::to_string(int(status)) + " " + httpStatus(status);
  if (status >= HTTP_STATUS_MULTIPLE_CHOICES &&
      status < HTTP_STATUS_BAD_REQUEST) {
    const char* const location = httpGetField(http_.get(), HTTP_FIELD_LOCATION);
    reason += std::string(" to \"") + (location ? location : "") +
              "\", a redirect, which is not followed";
  }
  return Reason(exchange_, reason);
}

std::string Destination::Paper() {
  Step("asking for the destination's paper");
  // The queue's own setting first, then the destination's default. Not
  // cupsGetDestMediaDefault: where a PPD names only a default page size, it
  // answers Letter, and the scheduler would then fit that page to the paper
  // and crop it.
  const char* name = cupsGetOption("media", dest_->num_options, dest_->options);
  if (name == nullptr) {
    ipp_attribute_t* const media =
        cupsFindDestDefault(http_.get(), dest_, info_, "media");
    if (media != nullptr) name = ippGetString(media, 0, nullptr);
  }
  if (name == nullptr || *name == '\0') return {};
  // Hundredths of a millimetre, as the paper line gives them.
  cups_size_t size{};
  if (!cupsGetDestMediaByName(http_.get(), dest_, info_, name,
                              CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
    const pwg_media_t* const media = pwgMediaForPWG(name);
    if (media == nullptr) return {};
    size = cups_size_t{};
    size.width = media->width;
    size.length = media->length;
  }
  if (size.width <= 0 || size.length <= 0) return {};
  const int margin =
      std::max({size.left, size.right, size.top, size.bottom, 0});
  return std::to_string(size.width) + " " + std::to_string(size.length) + " " +
         std::to_string(margin);
}

std::string Destination::Submit(const std::string& pdf) {
  if (hung_up)
    return Outcome(PrintOutcome::kFailed, "no one waits, no job made");
  // The queue's own defaults apply; the job asks for nothing else. A job
  // number alone proves the job exists; the status is judged as well.
  Step("creating the job");
  int job_id = 0;
  const ipp_status_t created = cupsCreateDestJob(
      http_.get(), dest_, info_, &job_id, job_name_.c_str(), 0, nullptr);
  Upload upload = Upload::kRefused;
  std::string why;
  if (job_id <= 0 || !IsSuccess(created)) {
    why = Reason(exchange_, "the job was not created", created);
  } else {
    upload = SendDocument(pdf, job_id, why);
  }
  // The connection may be left in the middle of a request; it carries
  // nothing more.
  http_.reset();
  if (upload == Upload::kAccepted) return Outcome(PrintOutcome::kPrinted);

  // Without a number the job may still exist: the request can have reached
  // the scheduler while its answer did not come back. Once no one waits, a
  // job that has its whole document is left to print, and only one still
  // without it, found as a number-less job is, is cancelled.
  const bool unheard = upload == Upload::kUnanswered && hung_up;
  const Fate fate = SettleJob(unheard ? 0 : std::max(job_id, 0), why);
  if (upload == Upload::kUnanswered && fate == Fate::kFinished) {
    return Outcome(PrintOutcome::kPrinted,
                   why + "; the scheduler reports the job done");
  }
  if (upload == Upload::kUnanswered && fate == Fate::kUnknown) {
    return Outcome(PrintOutcome::kMayHavePrinted, why);
  }
  return Outcome(PrintOutcome::kFailed, why);
}

Destination::Upload Destination::SendDocument(const std::string& pdf,
                                              int job_id, std::string& why) {
  http_t* const http = http_.get();
  Step("sending the document of job " + std::to_string(job_id));
  if (cupsStartDestDocument(http, dest_, info_, job_id, title_.c_str(),
                            CUPS_FORMAT_PDF, 0, nullptr,
                            /*last_document=*/1) != HTTP_STATUS_CONTINUE) {
    why = Reason(exchange_, "the document was not started");
    return Upload::kIncomplete;
  }
  for (std::size_t offset = 0; offset < pdf.size(); offset += kWriteChunk) {
    const std::size_t length = std::min(kWriteChunk, pdf.size() - offset);
    if (cupsWriteRequestData(http, pdf.data() + offset, length) !=
        HTTP_STATUS_CONTINUE) {
      why = Reason(exchange_, "the document was not sent");
      return Upload::kIncomplete;
    }
  }
  Say(protocol::Line(protocol::kSent));
  Step("waiting for the reply to the document of job " +
       std::to_string(job_id));
  // Only the scheduler's own reply to the upload counts: without one, libcups
  // may still hold the success of an earlier request as its last error.
  const Ipp reply(cupsGetResponse(http, resource_.c_str()));
  if (!reply) {
    why = Reason(exchange_, "no reply to the document");
    return Upload::kUnanswered;
  }
  const ipp_status_t status = ippGetStatusCode(reply.get());
  if (!IsSuccess(status)) {
    why = Reason(exchange_, "the document was refused", status);
    return Upload::kRefused;
  }
  return Upload::kAccepted;
}

template <typename Look>
bool Destination::ForEachJob(http_t* http, int which, Look look) {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(http, &jobs, dest_->name, /*myjobs=*/1, which);
  for (int index = 0; index < count; ++index) look(jobs[index]);
  if (count > 0) cupsFreeJobs(count, jobs);
  return count > 0 || (count == 0 && IsSuccess(cupsLastError()));
}

// Cancels job `job_id` (0: the document-less job named as ours, if there is
// one) over a connection of its own, a hang-up notwithstanding, and tells
// what became of it; `why` gains what was learnt.
Destination::Fate Destination::SettleJob(int job_id, std::string& why) {
  Step("connecting to cancel the job");
  const Http http = Connect(cancel_);
  if (!http) {
    why += "; no connection to cancel the job";
    return Fate::kUnknown;
  }
  if (job_id <= 0) {
    Step("looking for the job among this user's jobs");
    // The name is this print's alone; the document-less state keeps a job
    // that did get its document.
    const bool answered = ForEachJob(
        http.get(), CUPS_WHICHJOBS_ACTIVE, [&](const cups_job_t& job) {
          if (job.size == 0 && job.state <= IPP_JSTATE_HELD &&
              job.title != nullptr && job_name_ == job.title) {
            job_id = std::max(job_id, job.id);
          }
        });
    if (!answered) {
      why += "; the scheduler did not list the jobs, none cancelled";
      return Fate::kUnknown;
    }
    if (job_id <= 0) {
      why += "; no job of ours found, none cancelled";
      return Fate::kCancelled;
    }
  }
  const std::string job = "job " + std::to_string(job_id);
  Step("cancelling " + job);
  const ipp_status_t status = cupsCancelDestJob(http.get(), dest_, job_id);
  if (IsSuccess(status)) {
    why += "; " + job + " cancelled";
    return Fate::kCancelled;
  }
  // A job past cancelling has ended one way or another; a job the scheduler
  // no longer knows ended long enough ago to be forgotten.
  if (status == IPP_STATUS_ERROR_NOT_FOUND) return Fate::kFinished;
  if (status != IPP_STATUS_ERROR_NOT_POSSIBLE) {
    why += "; " + Reason(cancel_, job + " not cancelled", status);
    return Fate::kUnknown;
  }
  Step("asking what became of " + job);
  Fate fate = Fate::kUnknown;
  ForEachJob(http.get(), CUPS_WHICHJOBS_COMPLETED, [&](const cups_job_t& done) {
    if (done.id != job_id) return;
    fate =
        done.state == IPP_JSTATE_COMPLETED ? Fate::kFinished : Fate::kCancelled;
  });
  return fate;
}

// The whole page from standard input; empty, with `why` told, when it
// cannot be read whole. A page cut short (the window ended while writing it)
// lacks the end-of-file mark that closes every PDF.
std::string ReadPage(std::string& why) {
  std::string page;
  std::array<char, kWriteChunk> buffer{};
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), stdin)) > 0) {
    page.append(buffer.data(), got);
  }
  if (std::ferror(stdin)) {
    why = std::string("the page was not read: ") + std::strerror(errno);
  } else if (page.empty()) {
    why = "no page came to print";
  } else if (const std::size_t mark = page.rfind("%%EOF");
             mark == std::string::npos || page.size() - mark > 8) {
    why = "the page came cut short";
  } else {
    return page;
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  char* end_of_number = nullptr;
  const long long end_ms =
      argc == 4 ? std::strtoll(argv[1], &end_of_number, 10) : 0;
  if (argc != 4 || end_of_number == argv[1] || *end_of_number != '\0') {
    return 2;
  }
  const pid_t window = getppid();
  std::signal(SIGPIPE, SIG_IGN);
  // Without SA_RESTART, so that a hang-up also ends a wait for the page.
  struct sigaction hang_up {};
  hang_up.sa_handler = &HangUp;
  sigaction(SIGTERM, &hang_up, nullptr);
  // The window's end is a hang-up, even before this asks to be told of it.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != window) hung_up = 1;
  cupsSetPasswordCB2(&DeclinePassword, nullptr);

  const Clock::time_point end{milliseconds(end_ms)};
  Destination destination(end, argv[2], argv[3]);
  std::string why = destination.Open();
  if (!why.empty()) {
    Say(Outcome(PrintOutcome::kFailed, why));
    return 0;
  }
  Say(protocol::Line(protocol::kPaper, destination.Paper()));
  Step("waiting for the page to be made");
  const std::string page = ReadPage(why);
  Say(page.empty() ? Outcome(PrintOutcome::kFailed, why)
                   : destination.Submit(page));
  return 0;
}
