#pragma once

#include <QList>
#include <QString>
#include <exception>

class QWidget;

// Every message of the programs goes through here, so that tests can answer them.
namespace platform {

enum class MsgIcon { Error, Warning, Question, Information };
enum class MsgButtons { Ok, YesNo, OkCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// A modal box with text, caption, icon and buttons; returns the button pressed.
MsgResult messageBox(const QString& text, const QString& caption, MsgIcon icon,
                     MsgButtons buttons = MsgButtons::Ok, QWidget* parent = nullptr);

// The standard error box of the application for an error nobody caught: the error's text
// (with a final period added when it has none) under the application's title, error icon.
void showException(const std::exception& e, QWidget* parent = nullptr);
void showErrorText(const QString& message, QWidget* parent = nullptr);

// Test scripting: once enabled, boxes are recorded instead of shown and answered from a
// queue (or with their first button when the queue is empty).
struct RecordedMessage
{
    QString text;
    QString caption;
    MsgIcon icon;
    MsgButtons buttons;
    MsgResult answer;
};

class MessageBoxScript
{
public:
    static void enable(bool on = true);
    static bool enabled();
    static void setNextAnswer(MsgResult answer);
    static QList<RecordedMessage>& recorded();
    static void clear();
};

} // namespace platform
