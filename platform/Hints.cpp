#include "Hints.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>

namespace {

bool g_hintsEnabled = true;

// Installed on the application once hints are first turned off; it then stays and simply
// lets everything through while hints are on.
class HintFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!g_hintsEnabled && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

void installFilter()
{
    static HintFilter* filter = nullptr;
    QCoreApplication* app = QCoreApplication::instance();
    if (filter || !app)
        return;
    filter = new HintFilter(app);
    app->installEventFilter(filter);
    QObject::connect(filter, &QObject::destroyed, [] { filter = nullptr; });
}

} // namespace

namespace platform {

void setHintsEnabled(bool on)
{
    g_hintsEnabled = on;
    if (!on) {
        installFilter();
        QToolTip::hideText();
    }
}

bool hintsEnabled()
{
    return g_hintsEnabled;
}

} // namespace platform
