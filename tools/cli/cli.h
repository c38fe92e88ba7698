#pragma once

#include <QStringList>

namespace velt::cli {

// Exit status of velt-cli.
enum Exit { kOk = 0, kUsage = 2, kNoReply = 3 };

// Runs one velt-cli command line; output goes to standard output and error.
int Run(const QStringList &arguments);

}  // namespace velt::cli
