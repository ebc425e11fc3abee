// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <tuple>

namespace common {

// Controls created under their fixed names, as the windows, their tests
// and users' scripts find them; element i of a control array Weapon is
// "Weapon_i".
inline QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

inline QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent = nullptr)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

inline QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

inline QLineEdit* namedField(const QString& name, int width, QWidget* parent = nullptr)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

// The original windows were measured in twips; 15 of them make a pixel.
inline int twips(int value)
{
    return value / 15;
}

// Element `index` of a control array such as Text2 is named "Text2_index".
inline QLineEdit* namedBox(const QString& name, int index, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("%1_%2").arg(name).arg(index));
    edit->setFixedWidth(width);
    return edit;
}

// The four coordinate boxes L, T, W, H of row `index` (Text3 to Text6):
// digits in a fixed font, right-aligned, five digits wide. A screen reader
// hears them by button and edge, the headings being one letter each.
inline std::array<QLineEdit*, 4> namedCoordinateBoxes(int index, QWidget* parent)
{
    const QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int width = QFontMetrics(digits).horizontalAdvance(QStringLiteral("00000")) + 14;
    const char* edges[] = {"Button %1 left", "Button %1 top", "Button %1 width", "Button %1 height"};
    std::array<QLineEdit*, 4> boxes{};
    for (int k = 0; k < 4; ++k) {
        QLineEdit* box = namedBox(QStringLiteral("Text%1").arg(3 + k), index, width, parent);
        box->setAccessibleName(QCoreApplication::translate("common", edges[k]).arg(index));
        box->setFont(digits);
        box->setAlignment(Qt::AlignRight);
        boxes[static_cast<std::size_t>(k)] = box;
    }
    return boxes;
}

// The caption box of button `index` (Text2_index).
inline QLineEdit* namedCaptionBox(int index, int width, QWidget* parent)
{
    QLineEdit* box = namedBox(QStringLiteral("Text2"), index, width, parent);
    box->setAccessibleName(QCoreApplication::translate("common", "Button %1 caption").arg(index));
    return box;
}

} // namespace common
