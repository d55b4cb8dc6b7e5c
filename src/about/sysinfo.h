// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace kel::display
{
class Dialogs;
}

namespace kel::about
{

// The predefined roots of the system registry.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Reads the value `valueName` of the registry key `keyPath` under `root`. On success stores
// it as text in `result` (a string as it is, a 32-bit number in decimal digits; a value of
// any other type leaves `result` as it was) and returns true; otherwise sets `result` to
// the empty text and returns false. Without a system registry it always fails.
bool readKeyValue(RegistryRoot root, const QString &keyPath, const QString &valueName,
                  QString &result);

using KeyValueReader =
    std::function<bool(RegistryRoot, const QString &, const QString &, QString &)>;
using FileTest = std::function<bool(const QString &)>;

// Where the system-information tool is: the MSINFO "PATH" value if it can be read, else the
// "MSINFO" folder of the shared tools location followed by "\MSINFO32.EXE" if that file
// exists; the empty text when neither gives it.
QString sysInfoToolPath(const KeyValueReader &readValue, const FileTest &fileExists);

// Starts the system-information tool as a separate program without waiting for it; when it
// cannot be found or started, says "System Information Is Unavailable At This Time".
void startSystemInfo(display::Dialogs &dialogs);

} // namespace kel::about
