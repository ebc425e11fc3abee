// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace common {

// The suite's translations: one catalogue, "vantor-mod-tools_LANG.qm",
// beside Qt's own ("qtbase_LANG.qm", for the standard buttons). Looked for
// in `folder`, else in share/vantor-mod-tools/translations next to the
// program's bin folder. Installs what it finds for the system language on
// the running application; true when the suite's catalogue was found.
bool installTranslations(const QString& folder = {});

} // namespace common
