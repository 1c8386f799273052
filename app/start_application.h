// Starting Qt for the window program.
#ifndef MENSUREX_APP_START_APPLICATION_H_
#define MENSUREX_APP_START_APPLICATION_H_

#include <QApplication>
#include <memory>

namespace mensurex::app {

// Makes the application object. When Qt can open no display (none named, a
// dead one, no compositor), writes one line to standard error,
// "Mensurex2: cannot open a display: <Qt's reason>", and ends the process
// with status 1 instead of aborting. Qt's messages from the start-up are
// held back until it is known whether a display opened, then passed on
// unchanged. `argc` must outlive the application, as for QApplication.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace mensurex::app

#endif  // MENSUREX_APP_START_APPLICATION_H_
