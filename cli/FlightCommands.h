#pragma once

#include <QStringList>

namespace vantorcli {

// vantor flight export|import|show: the flight models of the thirty aircraft.
int runFlightCommand(const QStringList& arguments);

} // namespace vantorcli
