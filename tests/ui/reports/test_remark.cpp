#include "ui/reports/TBemerkungForm.h"
#include "ui/reports/TRemarkHistory.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(RemarkHistory, NewestFirstAndRecallSkipsEmptyEntries) {
    TRemarkHistory h;
    h.BeginRecall();
    EXPECT_EQ(h.Recall(), ""); // nothing given yet
    h.Commit("first");
    h.Commit("");
    EXPECT_EQ(h.Current(), "");
    h.Commit("second");
    EXPECT_EQ(h.Current(), "second");
    EXPECT_EQ(h.Entry(1), "second");
    EXPECT_EQ(h.Entry(2), "first");
    EXPECT_EQ(h.Entry(3), "");
    EXPECT_EQ(h.Entry(0), "");
    EXPECT_EQ(h.Entry(21), "");
    h.BeginRecall();
    EXPECT_EQ(h.Recall(), "second");
    EXPECT_EQ(h.Recall(), "first");
    EXPECT_EQ(h.Recall(), "second"); // wraps past the empty entries
    for (int i = 1; i <= 25; ++i)
        h.Commit("r" + std::to_string(i));
    EXPECT_EQ(h.Entry(1), "r25");
    EXPECT_EQ(h.Entry(20), "r6"); // the oldest fell out
}

TEST(BemerkungForm, RecallAndOkCommit) {
    TRemarkHistory h;
    h.Commit("Angebot 4711");
    TBemerkungForm form(h, QStringLiteral("vorher"));
    EXPECT_EQ(form.Text(), QStringLiteral("vorher"));
    form.RecallButton()->click();
    EXPECT_EQ(form.Text(), QStringLiteral("Angebot 4711"));
    form.Memo()->setPlainText(QStringLiteral("neu"));
    form.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(h.Entry(1), "neu");
    EXPECT_EQ(h.Entry(2), "Angebot 4711");

    TBemerkungForm cancelled(h, QString());
    cancelled.Memo()->setPlainText(QStringLiteral("verworfen"));
    cancelled.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_EQ(h.Entry(1), "neu");
}

} // namespace
} // namespace corvane
