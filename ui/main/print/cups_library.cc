#include "cups_library.h"

#include <dlfcn.h>

#include <string>

namespace mensurex::ui {
namespace {

// Binds `name` into `function`; false when the library does not export it.
template <typename Function>
bool Bind(void* library, const char* name, Function& function) {
  void* const symbol = dlsym(library, name);
  if (symbol == nullptr) return false;
  // POSIX guarantees that a function's address survives this conversion.
  function = reinterpret_cast<Function>(symbol);
  return true;
}

}  // namespace

std::unique_ptr<const CupsLibrary> LoadCupsLibrary(const char* file,
                                                   std::string* error) {
  const auto fail = [error](const char* reason) {
    if (error != nullptr) *error = reason != nullptr ? reason : "";
    return nullptr;
  };
  // Local: the library's symbols never stand in for anyone else's.
  void* const library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return fail(dlerror());

  auto cups = std::make_unique<CupsLibrary>();
  const bool bound =
      Bind(library, "cupsCancelDestJob", cups->cupsCancelDestJob) &&
      Bind(library, "cupsCopyDestInfo", cups->cupsCopyDestInfo) &&
      Bind(library, "cupsCreateDestJob", cups->cupsCreateDestJob) &&
      Bind(library, "cupsEncryption", cups->cupsEncryption) &&
      Bind(library, "cupsFindDestDefault", cups->cupsFindDestDefault) &&
      Bind(library, "cupsFreeDestInfo", cups->cupsFreeDestInfo) &&
      Bind(library, "cupsFreeDests", cups->cupsFreeDests) &&
      Bind(library, "cupsFreeJobs", cups->cupsFreeJobs) &&
      Bind(library, "cupsGetDestMediaByName", cups->cupsGetDestMediaByName) &&
      Bind(library, "cupsGetDestMediaDefault", cups->cupsGetDestMediaDefault) &&
      Bind(library, "cupsGetJobs2", cups->cupsGetJobs2) &&
      Bind(library, "cupsGetNamedDest", cups->cupsGetNamedDest) &&
      Bind(library, "cupsGetOption", cups->cupsGetOption) &&
      Bind(library, "cupsGetResponse", cups->cupsGetResponse) &&
      Bind(library, "cupsLastError", cups->cupsLastError) &&
      Bind(library, "cupsLastErrorString", cups->cupsLastErrorString) &&
      Bind(library, "cupsSendRequest", cups->cupsSendRequest) &&
      Bind(library, "cupsServer", cups->cupsServer) &&
      Bind(library, "cupsSetPasswordCB2", cups->cupsSetPasswordCB2) &&
      Bind(library, "cupsStartDestDocument", cups->cupsStartDestDocument) &&
      Bind(library, "cupsWriteRequestData", cups->cupsWriteRequestData) &&
      Bind(library, "httpClose", cups->httpClose) &&
      Bind(library, "httpConnect2", cups->httpConnect2) &&
      Bind(library, "httpGetFd", cups->httpGetFd) &&
      Bind(library, "httpGetField", cups->httpGetField) &&
      Bind(library, "httpGetStatus", cups->httpGetStatus) &&
      Bind(library, "httpReconnect2", cups->httpReconnect2) &&
      Bind(library, "httpSeparateURI", cups->httpSeparateURI) &&
      Bind(library, "httpSetTimeout", cups->httpSetTimeout) &&
      Bind(library, "httpStatus", cups->httpStatus) &&
      Bind(library, "ippDelete", cups->ippDelete) &&
      Bind(library, "ippErrorString", cups->ippErrorString) &&
      Bind(library, "ippGetStatusCode", cups->ippGetStatusCode) &&
      Bind(library, "ippGetString", cups->ippGetString) &&
      Bind(library, "ippLength", cups->ippLength) &&
      Bind(library, "ippNewRequest", cups->ippNewRequest) &&
      Bind(library, "ippPort", cups->ippPort) &&
      Bind(library, "pwgMediaForPWG", cups->pwgMediaForPWG);
  if (!bound) {
    // The failed lookup's reason, read before dlclose may set its own.
    const char* const missing = dlerror();
    const std::string reason =
        missing != nullptr ? missing : "a call is missing";
    dlclose(library);
    return fail(reason.c_str());
  }
  return cups;
}

const CupsLibrary* SystemCupsLibrary(std::string* error) {
  static std::string load_error;
  static const CupsLibrary* const cups =
      LoadCupsLibrary("libcups.so.2", &load_error).release();
  if (cups == nullptr && error != nullptr) *error = load_error;
  return cups;
}

}  // namespace mensurex::ui
