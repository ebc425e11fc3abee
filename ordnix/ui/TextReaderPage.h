// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace ordnix {

// The "Text Reader" page: shows a text file as it is, and the button that
// asks for one.
class TextReaderPage : public QWidget {
    Q_OBJECT

public:
    explicit TextReaderPage(QWidget* parent = nullptr);

    void clear();
    void setText(const QString& text);

signals:
    void loadClicked();

private:
    QPlainTextEdit* Text1_0 = nullptr;
};

} // namespace ordnix
