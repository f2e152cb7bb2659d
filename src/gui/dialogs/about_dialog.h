// SPDX-License-Identifier: GPL-3.0-or-later
// The window "О программе": the program's title and version, and the data
// folder it works on.
#pragma once

#include <QDialog>

namespace pentad {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(const QString& title, const QString& version, const QString& dataFolder,
                QWidget* parent = nullptr);
};

}  // namespace pentad
