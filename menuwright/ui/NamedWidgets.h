#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace menuwright {

// Controls created under their fixed names, as the windows and their tests
// find them.
inline QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// Element `index` of a control array such as Text2 is named "Text2_index".
inline QLineEdit* namedBox(const QString& name, int index, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("%1_%2").arg(name).arg(index));
    edit->setFixedWidth(width);
    return edit;
}

} // namespace menuwright
