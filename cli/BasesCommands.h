#pragma once

#include <QStringList>

namespace vantorcli {

int runBasesCommand(const QStringList& arguments);

} // namespace vantorcli
