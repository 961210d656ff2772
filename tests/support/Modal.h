#pragma once

#include <functional>

class QWidget;

// Acts on the next modal window (a real QDialog; message boxes are scripted instead): call it
// just before the action that opens the window. The action runs once the window's own event
// loop has started, with the window as its argument; the test fails when none opens.
void answerNextModal(std::function<void(QWidget*)> action);
