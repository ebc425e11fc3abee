#pragma once

#include <QStringList>

namespace vantorcli {

int runSquadronCommand(const QStringList& arguments);

} // namespace vantorcli
