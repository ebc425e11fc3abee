#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <string>

namespace ordnix {

// Controls of the editor under their fixed names, as tests and users'
// scripts find them; element i of a control array Weapon is "Weapon_i".
inline QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

inline QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

inline QPushButton* namedButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

inline QLineEdit* namedField(const QString& name, int width)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

// The original window measured in twips; 15 of them make a pixel.
inline int twips(int value)
{
    return value / 15;
}

// The game's lists and files are single-byte text.
inline std::string toGame(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace ordnix
