#pragma once

#include <QStringList>

namespace vantorcli {

int runNormalsCommand(const QStringList& arguments);

} // namespace vantorcli
