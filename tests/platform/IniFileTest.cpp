#include "IniFile.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "Throws.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

using platform::EIniFileException;
using platform::TIniFile;

namespace {

class IniFileTest : public TempFolderTest
{
protected:
    QString iniPath() const { return filePath(QStringLiteral("Tarvo.ini")); }
    QByteArray onDisk() const { return readFileBytes(iniPath()); }
    void writeByHand(const QByteArray& bytes) { ASSERT_TRUE(writeFileBytes(iniPath(), bytes)); }
};

TEST_F(IniFileTest, MissingFileReadsAsTheCallersDefaults)
{
    const TIniFile ini(iniPath());
    EXPECT_EQ(ini.ReadString("Generale", "Versione", "0.0.0"), "0.0.0");
    EXPECT_EQ(ini.ReadInteger("Generale", "MailCorpo", -1), -1);
    EXPECT_TRUE(ini.ReadBool("Preferenze", "Aiuti", true));
    EXPECT_FALSE(ini.ReadBool("Preferenze", "Aiuti", false));
    EXPECT_FALSE(ini.SectionExists("Generale"));
    EXPECT_FALSE(ini.ValueExists("Generale", "Versione"));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndKeepTheCaseFirstWritten)
{
    TIniFile ini(iniPath());
    ini.WriteString("Generale", "Versione", "0.1");
    ini.WriteString("GENERALE", "versione", "0.2");

    EXPECT_EQ(ini.ReadString("generale", "VERSIONE", ""), "0.2");
    EXPECT_EQ(onDisk(), "[Generale]\r\nVersione=0.2\r\n");
}

TEST_F(IniFileTest, WritesBooleansAsOneAndZeroAndIntegersInDecimal)
{
    TIniFile ini(iniPath());
    ini.WriteBool("Preferenze", "Promemoria", true);
    ini.WriteBool("Preferenze", "Aiuti", false);
    ini.WriteInteger("Generale", "MailCorpo", -1);

    EXPECT_EQ(onDisk(), "[Preferenze]\r\nPromemoria=1\r\nAiuti=0\r\n"
                        "\r\n[Generale]\r\nMailCorpo=-1\r\n");
    EXPECT_TRUE(ini.ReadBool("Preferenze", "Promemoria", false));
    EXPECT_FALSE(ini.ReadBool("Preferenze", "Aiuti", true));
}

struct NumberCase
{
    const char* stored;
    std::optional<int> number; // nothing: not a whole number, the default comes back
};

class IniNumberTest : public IniFileTest, public ::testing::WithParamInterface<NumberCase>
{
};

TEST_P(IniNumberTest, ReadsWholeNumbersAndGivesTheDefaultForAnythingElse)
{
    const NumberCase c = GetParam();
    writeByHand(QByteArray("[S]\r\nK=") + c.stored + "\r\n");
    const TIniFile ini(iniPath());

    EXPECT_EQ(ini.ReadInteger("S", "K", -99), c.number.value_or(-99));
    EXPECT_EQ(ini.ReadBool("S", "K", true), c.number ? *c.number != 0 : true);
    EXPECT_EQ(ini.ReadBool("S", "K", false), c.number ? *c.number != 0 : false);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniNumberTest,
    ::testing::Values(NumberCase{"0", 0}, NumberCase{"1", 1}, NumberCase{"2", 2},
                      NumberCase{"-7", -7}, NumberCase{"+5", 5}, NumberCase{"  42  ", 42},
                      NumberCase{"0x1F", 31}, NumberCase{"$FFFFFFFF", -1},
                      NumberCase{"2147483647", 2147483647}, NumberCase{"2147483648", {}},
                      NumberCase{"", {}}, NumberCase{"abc", {}}, NumberCase{"true", {}},
                      NumberCase{"1.5", {}}, NumberCase{"12abc", {}}, NumberCase{"- 3", {}}));

TEST_F(IniFileTest, StoresWindows1252BytesWithCrLf)
{
    TIniFile ini(iniPath());
    ini.WriteString("Rubrica", "Città", "Forlì €");

    EXPECT_EQ(onDisk(), "[Rubrica]\r\nCitt\xE0=Forl\xEC \x80\r\n");
    EXPECT_EQ(ini.ReadString("RUBRICA", "CITTÀ", ""), "Forlì €");
}

TEST_F(IniFileTest, ReadsAndRewritesAFileOfTheWindowsRelease)
{
    const QByteArray before = "; Tarvo\r\n"
                              "[Generale]\r\n"
                              "Versione=0.2\r\n"
                              "  Citt\xE0  =  Roma  \r\n"
                              "\r\n"
                              "[FormMainTarvo]\r\n"
                              ";Left=1\r\n"
                              "Left=10\r\n";
    writeByHand(before);
    TIniFile ini(iniPath());

    EXPECT_EQ(ini.ReadString("generale", "città", ""), "Roma");
    EXPECT_FALSE(ini.ValueExists("FormMainTarvo", ";Left"));
    EXPECT_EQ(ini.ReadSection("FormMainTarvo"), QStringList{"Left"});
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Generale", "FormMainTarvo"}));

    // A new key joins the end of its own section; every other line stays as it was.
    ini.WriteString("Generale", "SmtpHost", "posta.example.it");
    ini.WriteInteger("formmaintarvo", "left", 20);
    EXPECT_EQ(onDisk(), "; Tarvo\r\n"
                        "[Generale]\r\n"
                        "Versione=0.2\r\n"
                        "  Citt\xE0  =  Roma  \r\n"
                        "SmtpHost=posta.example.it\r\n"
                        "\r\n"
                        "[FormMainTarvo]\r\n"
                        ";Left=1\r\n"
                        "Left=20\r\n");
}

TEST_F(IniFileTest, ReadsLineFeedOnlyFilesAndWritesThemBackWithCrLf)
{
    writeByHand("[Preferenze]\nAiuti=0\nPromemoria=1");
    TIniFile ini(iniPath());

    EXPECT_FALSE(ini.ReadBool("Preferenze", "Aiuti", true));
    EXPECT_TRUE(ini.ReadBool("Preferenze", "Promemoria", false));
    ini.WriteBool("Preferenze", "Aiuti", true);
    EXPECT_EQ(onDisk(), "[Preferenze]\r\nAiuti=1\r\nPromemoria=1\r\n");
}

TEST_F(IniFileTest, EmptyValueIsAValueNotTheDefault)
{
    writeByHand("[Generale]\r\nSmtpPass=\r\n");
    const TIniFile ini(iniPath());

    EXPECT_EQ(ini.ReadString("Generale", "SmtpPass", "x"), "");
    EXPECT_TRUE(ini.ValueExists("Generale", "SmtpPass"));
}

TEST_F(IniFileTest, EraseSectionAndDeleteKeyTouchOnlyWhatTheyName)
{
    writeByHand("[Generale]\r\nVersione=0.1\r\n\r\n[FormAboutBox]\r\nLeft=1\r\nTop=2\r\n"
                "[Preferenze]\r\nAiuti=1\r\nPromemoria=0\r\n");
    TIniFile ini(iniPath());
    ASSERT_TRUE(ini.SectionExists("formaboutbox"));

    ini.EraseSection("FORMABOUTBOX");
    ini.DeleteKey("preferenze", "AIUTI");
    ini.EraseSection("Assente");
    ini.DeleteKey("Generale", "Assente");

    EXPECT_FALSE(ini.SectionExists("FormAboutBox"));
    EXPECT_FALSE(ini.ValueExists("Preferenze", "Aiuti"));
    EXPECT_EQ(onDisk(), "[Generale]\r\nVersione=0.1\r\n\r\n[Preferenze]\r\nPromemoria=0\r\n");
}

TEST_F(IniFileTest, CreatesAMissingFolderOneLevelDeep)
{
    const QString path = filePath("Config/Tarvo.ini");
    TIniFile(path).WriteString("Generale", "Versione", "0.2");

    EXPECT_EQ(TIniFile(path).ReadString("Generale", "Versione", ""), "0.2");
}

TEST_F(IniFileTest, WriteThatCannotReachItsFileRaises)
{
    // Two missing levels, and a folder that is really a file: neither can be made.
    ASSERT_TRUE(writeFileBytes(filePath("Config"), "not a folder"));
    for (const QString& path : {filePath("Dati/Config/Tarvo.ini"), filePath("Config/Tarvo.ini")}) {
        SCOPED_TRACE(path.toStdString());
        TIniFile ini(path);
        EXPECT_TRUE(failsWith<EIniFileException>(
            [&] { ini.WriteBool("Preferenze", "Aiuti", true); }, "Unable to write to " + path));
        EXPECT_TRUE(ini.ReadBool("Preferenze", "Aiuti", true));
    }
    EXPECT_FALSE(QFileInfo::exists(filePath("Dati")));
    EXPECT_EQ(readFileBytes(filePath("Config")), "not a folder");
}

} // namespace
