// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_language.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTableWidget>
#include <QWidget>

#include "app/workspace.h"
#include "qt_text.h"
#include "shell/interface_language.h"
#include "shell/language_module.h"

namespace pentad {
namespace {

// The locales of the languages a module may be written for.
constexpr std::array<std::pair<int, const char*>, 24> kLocales = {{
    {1026, "bg_BG"}, {1029, "cs_CZ"}, {1031, "de_DE"}, {1033, "en_US"}, {1034, "es_ES"},
    {1035, "fi_FI"}, {1036, "fr_FR"}, {1038, "hu_HU"}, {1040, "it_IT"}, {1043, "nl_NL"},
    {1045, "pl_PL"}, {1046, "pt_BR"}, {1048, "ro_RO"}, {1049, "ru_RU"}, {1053, "sv_SE"},
    {1055, "tr_TR"}, {1058, "uk_UA"}, {1059, "be_BY"}, {1061, "et_EE"}, {1062, "lv_LV"},
    {1087, "kk_KZ"}, {2057, "en_GB"}, {2070, "pt_PT"}, {3082, "es_ES"},
}};

// Only texts with letters outside ASCII can be Russian; the rest (numbers,
// English, names) are left alone without a look-up.
bool mayBeRussian(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0x7F) {
            return true;
        }
    }
    return false;
}

QString translatedText(const QString& text) {
    return mayBeRussian(text) ? uiText(text) : text;
}

void translateAction(QAction& action) {
    const QString text = action.text();
    if (mayBeRussian(text)) {
        action.setText(uiText(text));
    }
    if (mayBeRussian(action.toolTip())) {
        action.setToolTip(uiText(action.toolTip()));
    }
    if (mayBeRussian(action.statusTip())) {
        action.setStatusTip(uiText(action.statusTip()));
    }
}

void translateWidget(QWidget& w) {
    if (w.isWindow() && mayBeRussian(w.windowTitle())) {
        w.setWindowTitle(uiText(w.windowTitle()));
    }
    if (mayBeRussian(w.toolTip())) {
        w.setToolTip(uiText(w.toolTip()));
    }
    if (mayBeRussian(w.statusTip())) {
        w.setStatusTip(uiText(w.statusTip()));
    }
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (mayBeRussian(label->text())) {
            label->setText(uiText(label->text()));
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        if (mayBeRussian(button->text())) {
            button->setText(uiText(button->text()));
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(&w)) {
        group->setTitle(translatedText(group->title()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        edit->setPlaceholderText(translatedText(edit->placeholderText()));
    } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        for (int i = 0; i < combo->count(); ++i) {
            if (mayBeRussian(combo->itemText(i))) {
                combo->setItemText(i, uiText(combo->itemText(i)));
            }
        }
    } else if (auto* tabs = qobject_cast<QTabBar*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setTabText(i, translatedText(tabs->tabText(i)));
        }
    } else if (auto* table = qobject_cast<QTableWidget*>(&w)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (QTableWidgetItem* item = table->horizontalHeaderItem(c)) {
                item->setText(translatedText(item->text()));
            }
        }
    }
    if (auto* menu = qobject_cast<QMenu*>(&w)) {
        menu->setTitle(translatedText(menu->title()));
    }
    for (QAction* action : w.actions()) {
        translateAction(*action);
    }
}

// Translates the texts of widgets as they are first shown, and of actions as
// they are added to a widget (the menus, the bar, the window).
class WidgetTranslator : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || activeLanguageModule() == nullptr) {
            return false;
        }
        if (event->type() == QEvent::Polish) {
            translateWidget(*static_cast<QWidget*>(watched));
        } else if (event->type() == QEvent::ActionAdded) {
            if (QAction* action = static_cast<QActionEvent*>(event)->action()) {
                translateAction(*action);
            }
        }
        return false;
    }
};

struct LanguageState {
    std::unique_ptr<WidgetTranslator> translator;
    std::optional<QLocale> startLocale;
};

LanguageState& state() {
    static LanguageState s;
    return s;
}

}  // namespace

QLocale languageLocale(int lcid) {
    for (const auto& [id, name] : kLocales) {
        if (id == lcid) {
            return QLocale(QString::fromLatin1(name));
        }
    }
    return QLocale::c();
}

int startInterfaceLanguage(Workspace& workspace, bool noLanguage, const std::string& programDir) {
    const int wanted = noLanguage ? kBuiltInLanguage : workspace.form().Language;
    const int lcid = loadInterfaceLanguage(workspace.shell(), wanted, programDir);
    workspace.setInterfaceLanguage(lcid);

    LanguageState& s = state();
    if (!s.startLocale) {
        s.startLocale = QLocale();
    }
    QLocale::setDefault(languageLocale(lcid));
    if (activeLanguageModule() != nullptr && !s.translator) {
        s.translator = std::make_unique<WidgetTranslator>();
        QApplication::instance()->installEventFilter(s.translator.get());
    }
    return lcid;
}

void resetInterfaceLanguage() {
    setActiveLanguageModule(nullptr);
    LanguageState& s = state();
    s.translator.reset();
    if (s.startLocale) {
        QLocale::setDefault(*s.startLocale);
    }
}

}  // namespace pentad
