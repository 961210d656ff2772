#include "FileDialog.h"
#include "Modal.h"
#include "ProgramFolderTest.h"
#include "QtPrinters.h"

#include <QFileDialog>

using namespace platform;

namespace {

const QString CsvFilter = QStringLiteral("File CSV (*.csv)|*.CSV|Tutti i file (*.*)|*.*");

struct FilterCase
{
    const char* filter;
    QList<FileFilter> parsed;
};

class FilterParseTest : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(FilterParseTest, SplitsDescriptionsFromPatterns)
{
    const FilterCase c = GetParam();
    const QList<FileFilter> got = parseFilter(QString::fromUtf8(c.filter));
    ASSERT_EQ(got.size(), c.parsed.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].description, c.parsed[i].description);
        EXPECT_EQ(got[i].pattern, c.parsed[i].pattern);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterParseTest,
    ::testing::Values(FilterCase{"File CSV (*.csv)|*.CSV|Tutti i file (*.*)|*.*",
                                 {{"File CSV (*.csv)", "*.CSV"}, {"Tutti i file (*.*)", "*.*"}}},
                      FilterCase{"Archivio Tarvo|*.aft", {{"Archivio Tarvo", "*.aft"}}},
                      FilterCase{"Immagini|*.bmp;*.jpg|Senza modello",
                                 {{"Immagini", "*.bmp;*.jpg"}}},
                      FilterCase{"", {}}));

class FileDialogTest : public ProgramFolderTest
{
};

TEST_F(FileDialogTest, ScriptedChoicesAnswerInOrderAndAnEmptyNameCancels)
{
    FileDialog dialog(CsvFilter);
    FileDialogScript::setNextChoice("/dati/agenda.csv", 2);
    FileDialogScript::setNextChoice(QString());

    ASSERT_TRUE(dialog.executeSave());
    EXPECT_EQ(dialog.fileName(), "/dati/agenda.csv");
    EXPECT_EQ(dialog.filterIndex(), 2);

    // Cancelling, and running out of answers, leave the last choice in place.
    EXPECT_FALSE(dialog.executeSave());
    EXPECT_FALSE(dialog.executeOpen());
    EXPECT_EQ(dialog.fileName(), "/dati/agenda.csv");
    EXPECT_EQ(dialog.filterIndex(), 2);
    EXPECT_EQ(FileDialogScript::shownCount(), 3);
}

struct DefaultExtCase
{
    bool save;
    const char* chosen;
    const char* result;
};

class FileDialogDefaultExtTest : public FileDialogTest,
                                 public ::testing::WithParamInterface<DefaultExtCase>
{
};

TEST_P(FileDialogDefaultExtTest, SaveAddsTheDefaultExtensionToANameWithout)
{
    const DefaultExtCase c = GetParam();
    FileDialog dialog("Archivio Tarvo|*.aft");
    dialog.setDefaultExt("aft");
    FileDialogScript::setNextChoice(c.chosen);

    ASSERT_TRUE(c.save ? dialog.executeSave() : dialog.executeOpen());
    EXPECT_EQ(dialog.fileName(), c.result);
}

INSTANTIATE_TEST_SUITE_P(Names, FileDialogDefaultExtTest,
                         ::testing::Values(DefaultExtCase{true, "/b/copia", "/b/copia.aft"},
                                           DefaultExtCase{true, "/b/copia.zip", "/b/copia.zip"},
                                           DefaultExtCase{false, "/b/copia", "/b/copia"}));

TEST_F(FileDialogTest, RealDialogOffersTheLastNameAndFilter)
{
    FileDialogScript::enable(false);
    FileDialog dialog(CsvFilter);
    dialog.setFilterIndex(2);
    const QString chosen = filePath("rubrica.txt");

    answerNextModal([&](QWidget* window) {
        auto* box = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(box->selectedNameFilter().startsWith("Tutti i file (*.*)"));
        box->selectFile(chosen);
        QMetaObject::invokeMethod(box, "accept");
    });
    ASSERT_TRUE(dialog.executeSave());
    EXPECT_EQ(dialog.fileName(), chosen);
    EXPECT_EQ(dialog.filterIndex(), 2);

    answerNextModal([&](QWidget* window) {
        auto* box = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->selectedFiles().value(0), chosen);
        EXPECT_TRUE(box->selectedNameFilter().startsWith("Tutti i file (*.*)"));
        box->reject();
    });
    EXPECT_FALSE(dialog.executeSave());
    EXPECT_EQ(dialog.fileName(), chosen);
}

} // namespace
