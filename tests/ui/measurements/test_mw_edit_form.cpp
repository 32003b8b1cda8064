// The measured-values editor window: status line and buttons per mode, the sound panel,
// refusals shown with their cell selected, the discard question, copying, and measuring
// with corvane-rigsim as a real child process that is never left running.

#include "../../core/acquisition/EditorTestRig.h"
#include "acquisition/TSoundMeasurement.h"
#include "ui/measurements/TMwEditForm.h"
#include "ui/measurements/TMwGridModel.h"
#include "ui/measurements/TQtRigProgram.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>

namespace corvane {
namespace {

using F = TMdbMw;

class MwEditForm : public test::EditorTestRig {
protected:
    void SetUp() override {
        EditorTestRig::SetUp();
        installation.SimulatedAnalyser = false;
        installation.RigCommands.fill("");
    }
    std::unique_ptr<TMwEditForm> Open(int mode) {
        auto form = std::make_unique<TMwEditForm>(catalogue, installation, mode, nullptr, &clock);
        form->SetErrorHandler([this](const QString& text) { errors << text; });
        return form;
    }
    template <typename W> W* Child(TMwEditForm& form, const char* name) {
        return form.findChild<W*>(QLatin1String(name));
    }
    QStringList errors;
};

TEST_F(MwEditForm, EditModeShowsItsStatusAndRefusesDuplicateNumbers) {
    auto form = Open(3);
    form->show();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Messwerte aus Messreihe 7 bearbeiten"));
    auto* status = Child<QLabel>(*form, "StatusLabel");
    EXPECT_EQ(status->text(), QStringLiteral("bearbeiten"));
    EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("#00ffff")));
    EXPECT_TRUE(Child<QToolButton>(*form, "EditBtn")->isChecked());
    EXPECT_FALSE(Child<QPushButton>(*form, "ShowBtn")->isVisible());
    EXPECT_FALSE(Child<QWidget>(*form, "SoundPanel")->isVisible());
    EXPECT_FALSE(form->Timer().isActive());

    // Typing into a cell.
    auto* grid = Child<QTableView>(*form, "Grid");
    grid->setCurrentIndex(form->Model().index(1, 1)); // point number of the second point
    form->Model().setData(form->Model().index(1, 1), QStringLiteral("1"), Qt::EditRole);
    EXPECT_TRUE(form->Editor().Modified());

    // OK refuses, shows the message and selects the cell; the window stays.
    QTest::mouseClick(Child<QPushButton>(*form, "OkBtn"), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("Nr. muss eindeutig sein!"));
    EXPECT_EQ(grid->currentIndex(), form->Model().index(1, 1));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(status->text(), QStringLiteral("bearbeiten"));

    // Cancel asks before the changes are dropped.
    confirmation.Answers = {false, true};
    QTest::mouseClick(Child<QPushButton>(*form, "CancelBtn"), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    ASSERT_EQ(confirmation.Questions.size(), 2u);
    EXPECT_EQ(confirmation.Questions[0], "Bearbeitung abbrechen und Änderungen verwerfen?");
    EXPECT_NE(mw.FindByKey(2), nullptr); // the saved numbers again
}

TEST_F(MwEditForm, ModeButtonsAndCopy) {
    auto form = Open(0);
    form->show();
    auto* edit = Child<QToolButton>(*form, "EditBtn");
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(form->Editor().Mode(), TMwEditor::Editing);
    form->Model().setData(form->Model().index(6, 0), QStringLiteral("150"), Qt::EditRole);
    QTest::mouseClick(edit, Qt::LeftButton); // released: back to idle, saved
    EXPECT_EQ(form->Editor().Mode(), TMwEditor::Idle);
    EXPECT_FALSE(edit->isChecked());
    EXPECT_TRUE(Child<QLabel>(*form, "StatusLabel")->text().isEmpty());
    EXPECT_EQ(SavedPointCount(), 2);
    EXPECT_FALSE(Child<QToolButton>(*form, "SeriesBtn")->isEnabled());

    int seriesEdits = 0;
    form->SetSeriesEditor([&](std::int32_t) { return ++seriesEdits > 0; });
    QTest::mouseClick(Child<QToolButton>(*form, "SeriesBtn"), Qt::LeftButton);
    EXPECT_EQ(seriesEdits, 1);
    EXPECT_FALSE(Child<QToolButton>(*form, "SeriesBtn")->isChecked());

    QApplication::clipboard()->clear();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(Child<QTableView>(*form, "Grid"), Qt::Key_Minus, Qt::ControlModifier);
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Messwerte aus Messreihe 7 bearbeiten\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\t150\t200\r\n"))) << text.toStdString();

    confirmation.Answers = {true};
    QTest::mouseClick(Child<QPushButton>(*form, "OkBtn"), Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

// Whole point columns fill the grid at any width and with any number of points: scrolled to
// the newest points, none is cut off at the captions.
TEST_F(MwEditForm, PointColumnsFillTheGrid) {
    auto form = Open(3);
    form->show();
    auto* view = Child<QTableView>(*form, "Grid");
    for (const int width : {420, 1000, 1237}) {
        for (int i = 0; i < 6; ++i)
            form->Editor().AddColumn(); // more than fit
        form->resize(width, 700);
        form->TimerTick(); // shows the new columns
        QApplication::processEvents();
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        const int first = view->columnAt(0);
        EXPECT_GE(view->horizontalHeader()->sectionSize(first), 80) << width;
        EXPECT_EQ(view->columnViewportPosition(first), 0) << width;
        const int last = form->Model().columnCount() - 1;
        EXPECT_EQ(view->columnViewportPosition(last) + view->columnWidth(last),
                  view->viewport()->width())
            << width;
    }
}

TEST_F(MwEditForm, ReadOnlyPointsOnlyShow) {
    mw.SetReadOnly(true);
    auto form = Open(2);
    form->SetSeriesEditor([](std::int32_t) { return true; });
    EXPECT_EQ(form->Editor().Mode(), TMwEditor::Idle);
    for (const char* name : {"StartBtn", "EditBtn", "SeriesBtn"})
        EXPECT_FALSE(Child<QToolButton>(*form, name)->isEnabled()) << name;
    EXPECT_FALSE(Child<QPushButton>(*form, "StopBtn")->isEnabled());
    EXPECT_FALSE(form->Model().flags(form->Model().index(6, 0)) & Qt::ItemIsEditable);
}

// The rig reports points through the exchange file written here; the sound panel turns red
// when the analyser does not answer, and "keine Schallmessung" lets the point through.
TEST_F(MwEditForm, MeasuringShowsStatusAndSoundPanel) {
    auto form = Open(2);
    form->show();
    // The form's editor is the one that ticks.
    const auto deliver = [&](int point, bool complete) {
        rigWrites.SetValue(1, kSeries);
        rigWrites.SetValue(2, point);
        rigWrites.SetValue(3, complete ? 1 : 0);
        rigWrites.SetValue(F::F_SCHALLMESSG + 1, F::kThreeMicrophoneInstrument);
        rigWrites.Exchange();
        clock.Advance(1000);
        form->TimerTick();
    };
    auto* status = Child<QLabel>(*form, "StatusLabel");
    EXPECT_EQ(status->text(), QStringLiteral("Messung wird gestartet"));
    EXPECT_TRUE(form->Timer().isActive());
    EXPECT_TRUE(Child<QPushButton>(*form, "ShowBtn")->isVisible());
    EXPECT_TRUE(Child<QToolButton>(*form, "StartBtn")->isChecked());
    deliver(3, false);
    deliver(3, false);
    EXPECT_EQ(status->text(), QStringLiteral("Messung läuft"));
    for (int i = 0; i < 11; ++i) {
        clock.Advance(1000);
        form->TimerTick();
    }
    EXPECT_EQ(status->text(), QStringLiteral("Messung gestört"));
    EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("#e00000")));

    deliver(3, true);
    auto* panel = Child<QWidget>(*form, "SoundPanel");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->styleSheet().contains(QStringLiteral("#ffff00")));
    EXPECT_FALSE(Child<QPushButton>(*form, "NoSoundBtn")->isVisible());
    clock.Advance(61000);
    deliver(3, true);
    EXPECT_EQ(form->Editor().SoundState(), TSoundMeasurement::TimedOut);
    EXPECT_TRUE(panel->styleSheet().contains(QStringLiteral("#e00000")));
    auto* noSound = Child<QPushButton>(*form, "NoSoundBtn");
    ASSERT_TRUE(noSound->isVisible());
    EXPECT_TRUE(Child<QPushButton>(*form, "RepeatBtn")->isVisible());
    QTest::mouseClick(noSound, Qt::LeftButton);
    EXPECT_EQ(Child<QLabel>(*form, "SoundLabel")->text(), QStringLiteral("Schallmessung beendet"));
    deliver(3, true);
    EXPECT_EQ(SavedPointCount(), 3);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->Model().columnCount(), 4);

    QTest::mouseClick(Child<QPushButton>(*form, "StopBtn"), Qt::LeftButton);
    EXPECT_FALSE(form->Timer().isActive());
    EXPECT_FALSE(Child<QPushButton>(*form, "ShowBtn")->isVisible());
    EXPECT_EQ(form->Model().columnCount(), 3);
}

bool ProcessAlive(qint64 pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}

std::string RigSimPath() {
    const char* dir = std::getenv("CORVANE_PROGRAM_DIR");
    return (dir ? std::string(dir) : ExecutableFolder() + "/../bin") + "/corvane-rigsim";
}

// corvane-rigsim runs as the acquisition program: points arrive, and the program ends with
// the measurement and with the window.
TEST_F(MwEditForm, RigSimulatorDeliversPointsAndIsNeverLeftRunning) {
    installation.RigCommands[3] = RigSimPath() + " --period 40 --points 3";
    catalogue.Messung().SetInt(catalogue.Messung().FindByKey(kSeries), TMdbMessung::F_PRUEFSTAND,
                               3);
    installation.SimulatedAnalyser = true;
    installation.SimulatedDurationMs = 0;
    auto form = std::make_unique<TMwEditForm>(catalogue, installation, 2, nullptr);
    form->SetErrorHandler([this](const QString& text) { errors << text; });
    form->show();
    const qint64 pid = form->RigProgram().ProcessId();
    ASSERT_TRUE(ProcessAlive(pid)) << form->RigProgram().Output().toStdString();
    for (int i = 0; i < 400 && SavedPointCount() < 4; ++i) {
        QTest::qWait(30);
        form->TimerTick();
    }
    EXPECT_EQ(SavedPointCount(), 4);
    const TMdbRecord* point = mw.FindByKey(3);
    ASSERT_NE(point, nullptr);
    EXPECT_GT(mw.GetFloat(point, F::F_V), 0.0f);
    EXPECT_GT(mw.GetFloat(point, F::F_LP1), 50.0f); // the simulated analyser's levels
    EXPECT_EQ(mw.GetInt(point, F::F_SCHALLMESSG), F::kThreeMicrophoneInstrument);

    QTest::mouseClick(Child<QPushButton>(*form, "ShowBtn"), Qt::LeftButton);
    EXPECT_TRUE(form->RigProgram().Output().contains(QStringLiteral("Punkt 1 fertig")));

    QTest::mouseClick(Child<QPushButton>(*form, "StopBtn"), Qt::LeftButton);
    EXPECT_FALSE(ProcessAlive(pid));
    EXPECT_FALSE(form->RigProgram().IsRunning());

    // Started again and the window closed while measuring: the program ends with it.
    QTest::mouseClick(Child<QToolButton>(*form, "StartBtn"), Qt::LeftButton);
    const qint64 second = form->RigProgram().ProcessId();
    ASSERT_TRUE(ProcessAlive(second));
    form.reset();
    EXPECT_FALSE(ProcessAlive(second));
}

} // namespace
} // namespace corvane
