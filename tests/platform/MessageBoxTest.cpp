#include "MessageBox.h"
#include "IniFile.h"
#include "Modal.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

using namespace platform;

namespace {

class MessageBoxTest : public ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    }
};

struct FirstButtonCase
{
    MsgButtons buttons;
    MsgResult answer;
};

class MessageBoxFirstButtonTest : public MessageBoxTest,
                                  public ::testing::WithParamInterface<FirstButtonCase>
{
};

TEST_P(MessageBoxFirstButtonTest, UnscriptedBoxIsRecordedAndAnsweredWithItsFirstButton)
{
    const FirstButtonCase c = GetParam();
    EXPECT_EQ(messageBox("Testo", "Titolo", MsgIcon::Warning, c.buttons), c.answer);

    ASSERT_EQ(MessageBoxScript::recorded().size(), 1);
    const RecordedMessage& box = MessageBoxScript::recorded().first();
    EXPECT_EQ(box.text, "Testo");
    EXPECT_EQ(box.caption, "Titolo");
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, c.buttons);
    EXPECT_EQ(box.answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxFirstButtonTest,
                         ::testing::Values(FirstButtonCase{MsgButtons::Ok, MsgResult::Ok},
                                           FirstButtonCase{MsgButtons::YesNo, MsgResult::Yes},
                                           FirstButtonCase{MsgButtons::OkCancel, MsgResult::Ok}));

TEST_F(MessageBoxTest, QueuedAnswersAreUsedInOrder)
{
    MessageBoxScript::setNextAnswer(MsgResult::No);
    MessageBoxScript::setNextAnswer(MsgResult::Cancel);

    EXPECT_EQ(messageBox("Uscire?", "Conferma chiusura", MsgIcon::Question, MsgButtons::YesNo),
              MsgResult::No);
    EXPECT_EQ(
        messageBox("Eliminare?", "Aggiorna versione", MsgIcon::Question, MsgButtons::OkCancel),
        MsgResult::Cancel);
    EXPECT_EQ(messageBox("Ancora?", "Conferma", MsgIcon::Question, MsgButtons::YesNo),
              MsgResult::Yes);
    EXPECT_EQ(MessageBoxScript::recorded().size(), 3);
}

struct ErrorTextCase
{
    const char* message;
    const char* shown;
};

class ErrorBoxTest : public MessageBoxTest, public ::testing::WithParamInterface<ErrorTextCase>
{
};

TEST_P(ErrorBoxTest, ShowsTheTextUnderTheApplicationTitleEndingInAPeriod)
{
    const ErrorTextCase c = GetParam();
    showException(EIniFileException(QString::fromUtf8(c.message)));

    ASSERT_EQ(MessageBoxScript::recorded().size(), 1);
    const RecordedMessage& box = MessageBoxScript::recorded().first();
    EXPECT_EQ(box.text, QString::fromUtf8(c.shown));
    EXPECT_EQ(box.caption, "Tarvo");
    EXPECT_EQ(box.icon, MsgIcon::Error);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

// Like the Delphi application's box: a period follows any last character above "." in the
// code table, so "!" and ")" keep their own ending while letters and digits get one.
INSTANTIATE_TEST_SUITE_P(
    Texts, ErrorBoxTest,
    ::testing::Values(ErrorTextCase{"Cannot open file Agenda.dat", "Cannot open file Agenda.dat."},
                      ErrorTextCase{"Invalid stream format.", "Invalid stream format."},
                      ErrorTextCase{"Errore 42", "Errore 42."},
                      ErrorTextCase{"Record già presente", "Record già presente."},
                      ErrorTextCase{"Errore!", "Errore!"},
                      ErrorTextCase{"Valore (campo Ora)", "Valore (campo Ora)"},
                      ErrorTextCase{"", ""}));

struct RealBoxCase
{
    MsgButtons buttons;
    int key; // pressed on the box: Escape closes it, Return takes the default button
    MsgResult answer;
};

class RealMessageBoxTest : public MessageBoxTest, public ::testing::WithParamInterface<RealBoxCase>
{
};

TEST_P(RealMessageBoxTest, ShownBoxReturnsTheButtonTheKeyChooses)
{
    const RealBoxCase c = GetParam();
    MessageBoxScript::enable(false);
    answerNextModal([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Conferma eliminazione");
        EXPECT_EQ(box->text(), "Eliminare la categoria?");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        QTest::keyClick(box, Qt::Key(c.key));
    });

    EXPECT_EQ(messageBox("Eliminare la categoria?", "Conferma eliminazione", MsgIcon::Question,
                         c.buttons),
              c.answer);
    EXPECT_TRUE(MessageBoxScript::recorded().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RealMessageBoxTest,
    ::testing::Values(RealBoxCase{MsgButtons::YesNo, Qt::Key_Return, MsgResult::Yes},
                      RealBoxCase{MsgButtons::YesNo, Qt::Key_Escape, MsgResult::No},
                      RealBoxCase{MsgButtons::OkCancel, Qt::Key_Return, MsgResult::Ok},
                      RealBoxCase{MsgButtons::OkCancel, Qt::Key_Escape, MsgResult::Cancel},
                      RealBoxCase{MsgButtons::Ok, Qt::Key_Escape, MsgResult::Ok}));

TEST_F(MessageBoxTest, WithAutoAnswerAProgramReportsItsBoxesOnStderrWithoutWaiting)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARVO_AUTO_ANSWER"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(MESSAGEBOX_PROBE), QStringList());
    // A box that waited for a user would never let the probe end.
    ASSERT_TRUE(probe.waitForFinished(60000)) << "the probe is waiting on a message box";

    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), "Yes");
    const QStringList lines = QString::fromUtf8(probe.readAllStandardError()).split(u'\n');
    const qsizetype question =
        lines.indexOf("Conferma chiusura: Sicuri di voler uscire dall'applicazione?");
    const qsizetype error = lines.indexOf("Tarvo: Impossibile caricare la città.");
    EXPECT_GE(question, 0) << lines.join(u'\n').toStdString();
    EXPECT_GT(error, question) << lines.join(u'\n').toStdString();
}

} // namespace
