// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sortiekit/core/AirbaseList.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace sortiekit {

// The one window (object name frmMain): four airfield lists, one per base
// slot, and the two buttons that write airfield.dat or remove it.
class BasesWindow : public QWidget {
    Q_OBJECT

public:
    // `folder` is the game folder holding airbase.txt, airfield.bak and
    // airfield.dat.
    explicit BasesWindow(const QString& folder, QWidget* parent = nullptr);

private:
    void Form_Load();
    void cmdSave_Click();
    void cmdCancel_Click();

    void refuse(const QString& text);
    QString airfieldName(int entry) const;
    QString unchanged() const;
    // The airfield.dat of the game folder, as the status line names it.
    QString airfieldDatPath() const;

    QString folder_;
    std::optional<AirbaseList> airbases_;

    std::array<QListWidget*, 4> lstBases_{};
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace sortiekit
