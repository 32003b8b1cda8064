#pragma once

// Helpers of the table browser tests: the demo catalogue, scripted questions and messages,
// the browser's controls by name, and running a modal browser from a timer.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"
#include "ui/mdb/TMdbForm.h"
#include "ui/mdb/TMdbHeaderView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace corvane::test {

// The demo catalogue of the program folder, or nullptr when the build has not made one.
inline std::unique_ptr<TCatalogue> OpenDemoCatalogue() {
    const char* folder = std::getenv("CORVANE_PROGRAM_DIR");
    if (folder == nullptr) return nullptr;
    const auto path = std::filesystem::path(folder) / "Corvane.mem";
    if (!std::filesystem::exists(path)) return nullptr;
    auto catalogue = std::make_unique<TCatalogue>();
    catalogue->Open(path.string());
    return catalogue;
}

// Answers every question as told and records it; records every message. Installed for its
// lifetime, German texts meanwhile; every process-wide setting comes back afterwards.
class TScriptedUser : public TConfirmation, public TMessage {
public:
    TScriptedUser() {
        TConfirmation::Install(this);
        TMessage::Install(this);
        SetTextLanguage(0);
    }
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    void Show(const std::string& text) override { messages.push_back(text); }

    bool answer = true;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

private:
    TProcessStateGuard guard_; // restores the handlers and the language
};

// Collects the model tester's complaints instead of aborting.
class TModelComplaints {
public:
    TModelComplaints() {
        Texts().clear();
        previous_ = qInstallMessageHandler(&Record);
    }
    ~TModelComplaints() { qInstallMessageHandler(previous_); }
    static std::vector<std::string>& Texts() {
        static std::vector<std::string> texts;
        return texts;
    }

private:
    static void Record(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && text.contains(QStringLiteral("FAIL")))
            Texts().push_back(text.toStdString());
    }
    QtMessageHandler previous_;
};

inline QTableView* Grid(const TMdbForm& form) {
    return form.findChild<QTableView*>(QStringLiteral("gr"));
}
inline TMdbHeaderView* Header(const TMdbForm& form) {
    return static_cast<TMdbHeaderView*>(Grid(form)->horizontalHeader());
}
inline QLineEdit* SearchEdit(const TMdbForm& form) {
    return form.findChild<QLineEdit*>(QStringLiteral("SuchEdit"));
}
inline QAction* Action(const TMdbForm& form, const char* name) {
    return form.findChild<QAction*>(QString::fromLatin1(name));
}
// The row the grid selects.
inline int SelectedRow(const TMdbForm& form) {
    return Grid(form)->selectionModel()->currentIndex().row();
}

// Runs `act` on the modal browser as soon as it is shown.
inline void WhenModalBrowserShows(std::function<void(TMdbForm&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* form = qobject_cast<TMdbForm*>(QApplication::activeModalWidget());
        if (form == nullptr) {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<TMdbForm*>(widget); f != nullptr && f->isVisible())
                    form = f;
        }
        if (form != nullptr) act(*form);
    });
}

} // namespace corvane::test
