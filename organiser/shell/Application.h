#pragma once

#include "Forms.h"

#include <QApplication>
#include <memory>

// Everything the organiser creates at start-up: the data module first, then every window
// in a fixed order, each once. Later windows may rely on the earlier ones; all of them live
// until the program ends and are destroyed in the reverse order.
class TApplicazione
{
public:
    // Builds everything under the current program folder. When a window's construction ends
    // the program (a configuration error) the windows after it are not made.
    TApplicazione();
    ~TApplicazione();
    TApplicazione(const TApplicazione&) = delete;
    TApplicazione& operator=(const TApplicazione&) = delete;

    TForms& forms() { return m_forms; }

private:
    void creaTutto();
    void installaAgenda();
    struct Finestre;
    TForms m_forms;
    std::unique_ptr<Finestre> m_finestre;
};

// The whole run: builds everything, shows the main window (whose first showing does the real
// start) and runs the message loop. Returns the program's exit code.
int eseguiTarvo();

// The organiser's application object: an error that no handler caught is shown in the
// standard error box, and only the action that raised it stops.
class TApplicationTarvo : public QApplication
{
public:
    TApplicationTarvo(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
