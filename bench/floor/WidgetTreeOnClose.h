// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace bench {

// Writes the watched window's widget tree to a file when the window
// closes: the state a --screenshot start has rendered, for emptywindow
// --form to rebuild in bare Qt. `written` outlives the window and says
// whether the file was written.
class WidgetTreeOnClose : public QObject {
    Q_OBJECT
public:
    WidgetTreeOnClose(QString path, std::shared_ptr<bool> written, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString path_;
    std::shared_ptr<bool> written_;
};

} // namespace bench
