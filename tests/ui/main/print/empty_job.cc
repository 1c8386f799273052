// Another client of the test scheduler: makes a job without a document.
// Usage: print_test_empty_job -h SERVER QUEUE TITLE; writes the job's number.
#include <cups/cups.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 5 || std::strcmp(argv[1], "-h") != 0) return 2;
  cupsSetServer(argv[2]);
  const int job =
      cupsCreateJob(CUPS_HTTP_DEFAULT, argv[3], argv[4], 0, nullptr);
  return job > 0 && std::printf("%d\n", job) > 0 ? 0 : 1;
}
