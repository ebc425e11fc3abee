// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menuwright/ui/MenuwrightProgram.h"
#include "menuwright/ui/MenuwrightSession.h"
#include "menuwright/ui/HangarTableWindow.h"
#include "menuwright/ui/SelectionTableWindow.h"
#include "menuwright/ui/RectangleLocatorWindow.h"
#include "common/ui/PictureBoard.h"

#include "common/testing/ScriptedDialogs.h"
#include "common/testing/TempDir.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSettings>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace menuwright::testing {

// Runs a test in its own current folder and puts the previous one back.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

template <class T>
T* child(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString() << " in " << window->objectName().toStdString();
    return found;
}

inline QString text(QWidget* window, const QString& name)
{
    QLineEdit* e = child<QLineEdit>(window, name);
    return e ? e->text() : QString();
}

inline void setText(QWidget* window, const QString& name, const QString& value)
{
    if (QLineEdit* e = child<QLineEdit>(window, name))
        e->setText(value);
}

// The title bar's text: the modified marker in place of "[*]".
inline std::string shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    const QString marker = window->isWindowModified() ? QStringLiteral("*") : QString();
    return title.replace(QStringLiteral("[*]"), marker).toStdString();
}

inline QString indexed(const char* name, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
}

// A mouse move with the given buttons held, at a position in pixels
// within the widget.
// The caption and L, T, W, H boxes of row `i`, as they read.
inline QStringList rowTexts(QWidget* window, int i)
{
    QStringList out;
    for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6"})
        out << text(window, indexed(name, i));
    return out;
}

inline void moveWithButtons(QWidget* w, QPointF pos, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

inline void pressButton(QWidget* w, QPointF pos, Qt::MouseButton button)
{
    QMouseEvent press(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

inline void releaseButton(QWidget* w, QPointF pos, Qt::MouseButton button)
{
    QMouseEvent release(QEvent::MouseButtonRelease, pos, w->mapToGlobal(pos), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A layout text file of `lines` lines: file row r holds "F<r>", 10+r,
// 20+r, 30+r, 40+r.
inline std::string numberedLayoutText(int lines)
{
    std::string out;
    for (int k = 0; k < lines; ++k) {
        const int r = k / 5;
        switch (k % 5) {
        case 0: out += "F" + std::to_string(r); break;
        case 1: out += std::to_string(10 + r); break;
        case 2: out += std::to_string(20 + r); break;
        case 3: out += std::to_string(30 + r); break;
        default: out += std::to_string(40 + r); break;
        }
        out += "\r\n";
    }
    return out;
}

// Menuwright started in a fresh current folder with scripted dialogs.
class MenuwrightWindows : public ::testing::Test {
protected:
    MenuwrightWindows() : here_(dir.path()), locator(startMenuwright({})), module(locator->module()),
                          table(&module.pp1())
    {
        // Remembered folders go to this test's own settings.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("settings"));
    }

    QString path(const std::string& name) const { return QString::fromStdString((dir / name).string()); }

    std::vector<std::string> lines(const std::string& name) const
    {
        std::vector<std::string> out;
        const std::string all = common::readAllText(dir / name);
        std::size_t start = 0;
        while (start < all.size()) {
            const std::size_t end = all.find("\r\n", start);
            if (end == std::string::npos) {
                out.push_back(all.substr(start));
                break;
            }
            out.push_back(all.substr(start, end - start));
            start = end + 2;
        }
        return out;
    }

    common::TempDir dir;
    common::ScopedScriptedDialogs dlg;

private:
    CurrentFolder here_;

protected:
    std::unique_ptr<RectangleLocatorWindow> locator;
    MenuwrightSession& module;
    SelectionTableWindow* table;
};

} // namespace menuwright::testing
