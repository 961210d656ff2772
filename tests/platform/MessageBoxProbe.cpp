// Puts up a question and an error box the way the organiser does, then prints the answer to
// the question. Run with TARVO_AUTO_ANSWER set it must end without anybody pressing a button.
#include "MessageBox.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvo"));
    const platform::MsgResult answer =
        platform::messageBox(QStringLiteral("Sicuri di voler uscire dall'applicazione?"),
                             QStringLiteral("Conferma chiusura"), platform::MsgIcon::Question,
                             platform::MsgButtons::YesNo);
    platform::showErrorText(QStringLiteral("Impossibile caricare la città"));
    std::printf("%s\n", answer == platform::MsgResult::Yes ? "Yes" : "No");
    return 0;
}
