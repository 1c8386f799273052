// A TCP relay on 127.0.0.1 between this process's CUPS clients and the
// sandbox's scheduler that misbehaves the way a stalled, slow, hostile or
// locked-down scheduler or proxy does. While it lives, CUPS_SERVER points at
// it.
#ifndef MENSUREX_TESTS_UI_MAIN_PRINT_STALLING_PROXY_H_
#define MENSUREX_TESTS_UI_MAIN_PRINT_STALLING_PROXY_H_

#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>

namespace mensurex::testing {

class StallingProxy {
 public:
  enum class Mode {
    // Takes every connection, reads what comes and never answers.
    kSilent,
    // Relays until a document's upload begins, then reads nothing more from
    // that connection.
    kStopReadingHalfway,
    // Relays until a document's upload begins, then reads the whole
    // document, passes none of it on and never answers.
    kSwallowDocument,
    // Relays every request, and every reply one byte each 0.15 s.
    kTrickle,
    // Answers every request with an endless stream of attributes.
    kFlood,
    // Answers every request by asking for a password.
    kAskPassword,
    // Relays every request, but never the answer to the first Create-Job:
    // the job is made and its number never comes back.
    kLateJobAnswer,
    // Relays every request, but never the answer to the first upload: the
    // page prints and the client is not told.
    kLateDocumentAnswer,
    // As kLateDocumentAnswer, and every later connection is silent.
    kSilentAfterDocument,
    // As kLateDocumentAnswer, and every later request is answered
    // "server-error-busy".
    kBusyAfterDocument,
    // As kLateDocumentAnswer, and every later request is answered by header
    // lines that never end, one byte at a time.
    kEndlessHeaderAfterDocument,
    // Answers every request with a redirect to the same place.
    kRedirect,
    // Answers every request with HTTP 403 Forbidden.
    kForbidden,
    // Answers every request with something that is not HTTP.
    kGarbage,
  };

  // Relays to the scheduler's Unix socket `upstream`. The misbehaviour at an
  // upload or a Create-Job hits the first one only; every other connection
  // (a cancel, say) is relayed, unless said otherwise. Gives up by itself after
  // `lifetime_ms`, should no one end it.
  StallingProxy(const QString& upstream, Mode mode, int lifetime_ms = 120000);
  // Stops relaying, closes every connection and points CUPS_SERVER back at
  // `upstream`.
  ~StallingProxy();
  StallingProxy(const StallingProxy&) = delete;
  StallingProxy& operator=(const StallingProxy&) = delete;

  bool IsListening() const { return listener_ >= 0; }
  // Whether the proxy has misbehaved at all: an upload met its stall, or a
  // request its answer.
  bool Stalled() const { return stalled_; }
  // How many requests the proxy answered itself.
  int Answered() const { return answered_; }

 private:
  void Run(int lifetime_ms);

  QByteArray upstream_;
  Mode mode_;
  int listener_ = -1;
  int wake_[2] = {-1, -1};
  std::atomic<bool> stalled_{false};
  std::atomic<int> answered_{0};
  std::thread thread_;
};

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_MAIN_PRINT_STALLING_PROXY_H_
