#include "Modal.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The window may need a few turns of its event loop before it is the active modal one.
constexpr int Attempts = 100;

void actOnModal(std::function<void(QWidget*)> action, int attemptsLeft)
{
    QTimer::singleShot(0, [action = std::move(action), attemptsLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        if (attemptsLeft > 0)
            actOnModal(std::move(action), attemptsLeft - 1);
        else
            ADD_FAILURE() << "no modal window opened";
    });
}

} // namespace

void answerNextModal(std::function<void(QWidget*)> action)
{
    actOnModal(std::move(action), Attempts);
}
