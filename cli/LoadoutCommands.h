#pragma once

#include <QStringList>

namespace vantorcli {

int runLoadoutCommand(const QStringList& arguments);

} // namespace vantorcli
