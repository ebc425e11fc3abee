#pragma once

#include <QDialog>

namespace wingsmith {

// The about box of the "Info" menu.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace wingsmith
