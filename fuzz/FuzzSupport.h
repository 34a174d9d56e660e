#pragma once
// What every fuzz target shares: a headless Qt application with the program's regional
// settings, a home and a work folder of the run's own (removed at its end), and the input as
// text or bytes. Each target calls fuzz::start() from LLVMFuzzerInitialize.

#include "ui/ScriptedDialogService.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

void start(int* argc, char*** argv);
// The dialog service in use: boxes get their default answers; a target showing boxes clears
// the record after each input.
ui::ScriptedDialogService& dialogs();
QString folder();                                  // the run's work folder
QString write(const QString& name, const QByteArray& bytes);   // a file of the work folder: its path
QString text(const std::uint8_t* data, std::size_t size);      // the input read as UTF-8
QByteArray bytes(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
