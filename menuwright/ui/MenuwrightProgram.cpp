// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuwrightProgram.h"
#include "common/ui/NativePath.h"

#include "FileBrowser.h"
#include "MenuwrightSession.h"
#include "RectangleLocatorWindow.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace menuwright {

std::unique_ptr<RectangleLocatorWindow> startMenuwright(const QStringList& arguments)
{
    // Shown after each window's own caption in its title bar, so that the
    // windows say which program they belong to.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Menuwright"));
    auto locator = std::make_unique<RectangleLocatorWindow>();
    locator->module().start();
    for (const QString& argument : arguments) {
        const QFileInfo file(common::absolutePathText(argument));
        if (file.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0) {
            locator->loadTextfile(file.absoluteFilePath());
            continue;
        }
        locator->Dir1->setPath(file.absolutePath());
        if (!locator->File1->chooseFile(file.fileName()))
            locator->File1_Click(file.fileName());
    }
    return locator;
}

} // namespace menuwright
