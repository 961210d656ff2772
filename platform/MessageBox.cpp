#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

struct ScriptState
{
    bool enabled = false;
    QList<platform::MsgResult> answers;
    QList<platform::RecordedMessage> recorded;
};

ScriptState& script()
{
    static ScriptState s;
    return s;
}

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

MsgResult firstButton(MsgButtons buttons)
{
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

MsgResult showModal(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                    QWidget* parent)
{
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.exec();
    // Closing the box counts as its escape button.
    QAbstractButton* pressed = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    switch (box.standardButton(pressed)) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return MsgResult::Ok;
    }
}

} // namespace

namespace platform {

MsgResult messageBox(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                     QWidget* parent)
{
    ScriptState& s = script();
    if (s.enabled) {
        const MsgResult answer = s.answers.isEmpty() ? firstButton(buttons) : s.answers.takeFirst();
        s.recorded << RecordedMessage{text, caption, icon, buttons, answer};
        return answer;
    }
    // Programs started by tests report their boxes on stderr instead of waiting for a user.
    if (qEnvironmentVariableIsSet("TARVO_AUTO_ANSWER")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(caption + QStringLiteral(": ") + text));
        std::fflush(stderr);
        return firstButton(buttons);
    }
    return showModal(text, caption, icon, buttons, parent);
}

void showException(const std::exception& e, QWidget* parent)
{
    showErrorText(QString::fromUtf8(e.what()), parent);
}

void showErrorText(const QString& message, QWidget* parent)
{
    QString text = message;
    // The Delphi rule: a period is added after any last character beyond "." in the code
    // table, so texts ending in "!", ")" or a blank keep their own ending.
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    messageBox(text, QApplication::applicationDisplayName(), MsgIcon::Error, MsgButtons::Ok,
               parent);
}

void MessageBoxScript::enable(bool on)
{
    script().enabled = on;
}

bool MessageBoxScript::enabled()
{
    return script().enabled;
}

void MessageBoxScript::setNextAnswer(MsgResult answer)
{
    script().answers << answer;
}

QList<RecordedMessage>& MessageBoxScript::recorded()
{
    return script().recorded;
}

void MessageBoxScript::clear()
{
    script().answers.clear();
    script().recorded.clear();
}

} // namespace platform
