#pragma once

#include <QStringList>

namespace vantorcli {

int runMenuCommand(const QStringList& arguments);

} // namespace vantorcli
