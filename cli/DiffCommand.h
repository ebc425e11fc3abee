#pragma once

#include <QStringList>

namespace vantorcli {

int runDiffCommand(const QStringList& arguments);

} // namespace vantorcli
