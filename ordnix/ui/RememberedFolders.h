#pragma once

#include <QString>

namespace ordnix {

// The folder each file dialog last chose from, kept between runs in the
// user's settings for Ordnix (never in the game folder).
class RememberedFolders {
public:
    static const QString& organisation();
    static const QString& application();

    // The folder remembered for `dialog`, or `fallback` when there is none
    // or it is gone.
    static QString folder(const QString& dialog, const QString& fallback);
    // Remembers the folder of `chosenFile` for `dialog`.
    static void remember(const QString& dialog, const QString& chosenFile);
};

} // namespace ordnix
