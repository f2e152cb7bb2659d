// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Система" that shows or edits one system: its title, numbers,
// block, author, description, dates, link and the box of its combination
// lines. Leaving the box rewrites its lines in the normal form and counts
// them; OK refuses a record the checks do not pass. Read-only, it only shows.
#pragma once

#include <functional>

#include <QDialog>

#include "systems/system_store.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pentad {

class Shell;

class SystemDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for a text file to load the lines from (save false) or to save
    // them to (save true); empty when cancelled.
    using FileChooser = std::function<QString(bool save)>;

    // Error boxes go through `shell`.
    SystemDialog(Shell& shell, const tSystemData& data, bool editable, FileChooser chooseFile,
                 QWidget* parent = nullptr);

    // The record as edited: `Id` and `OwnerMail` as given, the creation time
    // read back from its field (now when it is empty), the lines joined by
    // CR LF.
    tSystemData data() const;

    // Rewrites the box's lines in the normal form and sets "Числа" and
    // "Комбинаций" from them. False, with the error shown, when a word of a
    // line is not a number (the box is left as it is). Leaving the box and
    // OK do it when the box changed since.
    bool normalise();

    // OK: the first failed check shows its message, focuses its field and
    // keeps the dialog open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addField(const char* name, bool editable);
    void loadFile();
    void saveFile();

    Shell& m_shell;
    tSystemData m_original;
    bool m_editable;
    FileChooser m_chooseFile;
    QLineEdit* m_title;
    QLineEdit* m_nums;
    QLineEdit* m_olap;
    QLineEdit* m_length;
    QLineEdit* m_size;
    QLineEdit* m_author;
    QPlainTextEdit* m_descr;
    QLineEdit* m_created;
    QLineEdit* m_downloads;
    QLineEdit* m_last;
    QLineEdit* m_url;
    QPushButton* m_openUrl;
    QPlainTextEdit* m_combs;
    // The box as last normalised: an unchanged box keeps the numbers typed.
    QString m_normalText;
};

}  // namespace pentad
