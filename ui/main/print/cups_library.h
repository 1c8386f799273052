// The CUPS client calls that printing makes, bound at run time, so that the
// program loads libcups (and the libraries it pulls in) only when the user
// first prints.
#ifndef MENSUREX_UI_MAIN_PRINT_CUPS_LIBRARY_H_
#define MENSUREX_UI_MAIN_PRINT_CUPS_LIBRARY_H_

#include <cups/cups.h>
#include <cups/pwg.h>

#include <memory>
#include <string>

namespace mensurex::ui {

// Each member has the type of the CUPS function of the same name, so the
// compiler checks every call against the real declaration.
struct CupsLibrary {
  decltype(&::cupsCancelDestJob) cupsCancelDestJob = nullptr;
  decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
  decltype(&::cupsCreateDestJob) cupsCreateDestJob = nullptr;
  decltype(&::cupsEncryption) cupsEncryption = nullptr;
  decltype(&::cupsFindDestDefault) cupsFindDestDefault = nullptr;
  decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
  decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
  decltype(&::cupsFreeJobs) cupsFreeJobs = nullptr;
  decltype(&::cupsGetDestMediaByName) cupsGetDestMediaByName = nullptr;
  decltype(&::cupsGetDestMediaDefault) cupsGetDestMediaDefault = nullptr;
  decltype(&::cupsGetJobs2) cupsGetJobs2 = nullptr;
  decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
  decltype(&::cupsGetOption) cupsGetOption = nullptr;
  decltype(&::cupsGetResponse) cupsGetResponse = nullptr;
  decltype(&::cupsLastError) cupsLastError = nullptr;
  decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
  decltype(&::cupsSendRequest) cupsSendRequest = nullptr;
  decltype(&::cupsServer) cupsServer = nullptr;
  decltype(&::cupsSetPasswordCB2) cupsSetPasswordCB2 = nullptr;
  decltype(&::cupsStartDestDocument) cupsStartDestDocument = nullptr;
  decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
  decltype(&::httpClose) httpClose = nullptr;
  decltype(&::httpConnect2) httpConnect2 = nullptr;
  decltype(&::httpGetFd) httpGetFd = nullptr;
  decltype(&::httpGetField) httpGetField = nullptr;
  decltype(&::httpGetStatus) httpGetStatus = nullptr;
  decltype(&::httpReconnect2) httpReconnect2 = nullptr;
  decltype(&::httpSeparateURI) httpSeparateURI = nullptr;
  decltype(&::httpSetTimeout) httpSetTimeout = nullptr;
  decltype(&::httpStatus) httpStatus = nullptr;
  decltype(&::ippDelete) ippDelete = nullptr;
  decltype(&::ippErrorString) ippErrorString = nullptr;
  decltype(&::ippGetStatusCode) ippGetStatusCode = nullptr;
  decltype(&::ippGetString) ippGetString = nullptr;
  decltype(&::ippLength) ippLength = nullptr;
  decltype(&::ippNewRequest) ippNewRequest = nullptr;
  decltype(&::ippPort) ippPort = nullptr;
  decltype(&::pwgMediaForPWG) pwgMediaForPWG = nullptr;
};

// Loads the shared library `file` and binds every call. Null when the library
// cannot be loaded or lacks any of the calls (it is then unloaded again), with
// the loader's reason in `error` when one is given. A library that binds stays
// loaded for the rest of the process.
std::unique_ptr<const CupsLibrary> LoadCupsLibrary(
    const char* file, std::string* error = nullptr);

// The system's libcups, loaded on the first call from any thread; every later
// call returns the same table, or null again when the first load failed, with
// the first load's reason in `error`. The table is never freed, so a thread
// still inside libcups while the process exits cannot outlive it.
const CupsLibrary* SystemCupsLibrary(std::string* error = nullptr);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_CUPS_LIBRARY_H_
