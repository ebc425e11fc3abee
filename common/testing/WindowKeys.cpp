// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowKeys.h"

#include <QTest>
#include <QWidget>

namespace common {

bool pressKeys(QWidget& window, const QKeySequence& keys)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    QTest::keySequence(&window, keys);
    return true;
}

} // namespace common
