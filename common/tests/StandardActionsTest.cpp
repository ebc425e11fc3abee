// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ui/StandardActions.h"

#include <QAction>
#include <QKeyEvent>
#include <QList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace common {
namespace {

using Command = StandardActions::Command;

// Takes the focus and keeps every key that reaches it: a key no shortcut
// took arrives here.
class KeyCatcher : public QWidget {
public:
    KeyCatcher() { setFocusPolicy(Qt::StrongFocus); }
    QList<QKeyCombination> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        // Ctrl and Shift arrive first, on their own.
        const int key = event->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift)
            keys << event->keyCombination();
    }
};

struct KeyCase {
    const char* keys;
    Command command;
};

class StandardActionsKeys : public testing::TestWithParam<KeyCase> {
protected:
    // A window with every command but `absent`, the focus on a control in it.
    void build(std::optional<Command> absent = std::nullopt)
    {
        auto* layout = new QVBoxLayout(&window);
        catcher = new KeyCatcher;
        layout->addWidget(catcher);
        const auto counter = [this, absent](Command c) -> std::function<void()> {
            if (absent == c)
                return {};
            return [this, c] { ++calls[c]; };
        };
        actions.emplace(&window,
            StandardActions::Commands{.save = counter(Command::Save),
                .open = counter(Command::Open),
                .quit = counter(Command::Quit),
                .undo = counter(Command::Undo),
                .redo = counter(Command::Redo)});
        window.show();
        catcher->setFocus();
    }

    // Typed into the control that has the focus, as the user would.
    bool press(const char* keys)
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        QTest::keySequence(catcher, QKeySequence(keys));
        return true;
    }

    QWidget window;
    KeyCatcher* catcher = nullptr;
    std::optional<StandardActions> actions;
    std::map<Command, int> calls;
};

TEST_P(StandardActionsKeys, TheKeyReachesItsCommandFromAControlInTheWindow)
{
    build();
    ASSERT_TRUE(press(GetParam().keys));
    EXPECT_EQ(calls, (std::map<Command, int>{{GetParam().command, 1}}));
    EXPECT_TRUE(catcher->keys.isEmpty());
}

TEST_P(StandardActionsKeys, AnAbsentCommandLeavesItsKeyToTheControl)
{
    build(GetParam().command);
    EXPECT_EQ(actions->action(GetParam().command), nullptr);
    ASSERT_TRUE(press(GetParam().keys));
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(catcher->keys.size(), 1);
    EXPECT_EQ(catcher->keys[0], QKeySequence(GetParam().keys)[0]);
}

INSTANTIATE_TEST_SUITE_P(Keys, StandardActionsKeys,
    testing::Values(KeyCase{"Ctrl+S", Command::Save}, KeyCase{"Ctrl+O", Command::Open},
        KeyCase{"Ctrl+Q", Command::Quit}, KeyCase{"Ctrl+Z", Command::Undo}, KeyCase{"Ctrl+Shift+Z", Command::Redo},
        KeyCase{"Ctrl+Y", Command::Redo}),
    [](const testing::TestParamInfo<KeyCase>& info) {
        std::string name = info.param.keys;
        std::erase(name, '+');
        return name;
    });

} // namespace
} // namespace common
