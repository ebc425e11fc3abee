#pragma once

#include <QStringList>

namespace vantorcli {

int runReportCommand(const QStringList& arguments);

} // namespace vantorcli
