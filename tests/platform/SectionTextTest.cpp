#include "SectionText.h"

#include <gtest/gtest.h>

using platform::detailTextRuns;
using platform::TTextRun;

namespace platform {
void PrintTo(const TTextRun& run, std::ostream* out)
{
    *out << '"' << run.text.toStdString() << '"' << (run.bold ? " bold" : "")
         << (run.link ? " link" : "");
}
} // namespace platform

namespace {

TTextRun plain(const char* text)
{
    return {QString::fromUtf8(text), false, false};
}

TTextRun bold(const char* text)
{
    return {QString::fromUtf8(text), true, false};
}

TTextRun link(const char* text, bool isBold = false)
{
    return {QString::fromUtf8(text), isBold, true};
}

struct RunsCase
{
    const char* name;
    const char* line;
    bool markWeb;
    std::vector<TTextRun> runs;
};

class DetailTextRunsTest : public ::testing::TestWithParam<RunsCase>
{
};

TEST_P(DetailTextRunsTest, SplitsTheLineIntoRuns)
{
    const RunsCase c = GetParam();
    EXPECT_EQ(detailTextRuns(QString::fromUtf8(c.line), c.markWeb), c.runs);
}

const RunsCase RunsCases[] = {
    {"Empty", "", false, {}},
    {"PlainText", "nessun segno", false, {plain("nessun segno")}},
    {"BoldLabel", "<B>Descrizione:</B> testo", false, {bold("Descrizione:"), plain(" testo")}},
    {"SeveralBoldLabels",
     "<B>Importanza:</B> Normale, <B>Invia mail:</B> No",
     false,
     {bold("Importanza:"), plain(" Normale, "), bold("Invia mail:"), plain(" No")}},
    {"LowerCaseTags", "<b>Nota:</b> x", false, {bold("Nota:"), plain(" x")}},
    {"UnclosedBoldRunsToTheEnd", "<B>tutto grassetto", false, {bold("tutto grassetto")}},
    {"StrayCloseIsDropped", "prima</B> dopo", false, {plain("prima dopo")}},
    {"LessThanIsText", "3 < 4 e a<b", false, {plain("3 < 4 e a<b")}},
    {"OtherTagsAreText", "<I>corsivo</I>", false, {plain("<I>corsivo</I>")}},
    {"EmptyBold", "a<B></B>b", false, {plain("ab")}},
    {"AddressesUnmarkedWhenOff", "vedi www.example.it", false, {plain("vedi www.example.it")}},
    {"WwwAddress", "vedi www.example.it", true, {plain("vedi "), link("www.example.it")}},
    {"SentencePunctuationStaysOut",
     "vedi www.example.it.",
     true,
     {plain("vedi "), link("www.example.it"), plain(".")}},
    {"HttpAndHttps",
     "http://a.it e https://b.it/x?y=1,",
     true,
     {link("http://a.it"), plain(" e "), link("https://b.it/x?y=1"), plain(",")}},
    {"PrefixCaseIgnored", "HTTP://X.IT", true, {link("HTTP://X.IT")}},
    {"BalancedParenthesesKept",
     "(https://example.org/a_(b))",
     true,
     {plain("("), link("https://example.org/a_(b)"), plain(")")}},
    {"BoldAddress",
     "<B>Sito: www.x.it</B> ok",
     true,
     {bold("Sito: "), link("www.x.it", true), plain(" ok")}},
    {"NotAtWordStart", "awww.x.it", true, {plain("awww.x.it")}},
    {"PrefixAlone", "www. e http://", true, {plain("www. e http://")}},
    {"MailAddressIsNoLink", "mario@example.it", true, {plain("mario@example.it")}},
};

INSTANTIATE_TEST_SUITE_P(Lines, DetailTextRunsTest, ::testing::ValuesIn(RunsCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
