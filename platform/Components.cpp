#include "Components.h"

#include <QObject>
#include <QVariant>
#include <set>
#include <string>

namespace {

constexpr const char* ClassProperty = "vclClass";

// componentClass() hands out plain C strings; keeping one copy of each name makes them live
// as long as the program.
const char* interned(const std::string& name)
{
    static std::set<std::string> names;
    return names.insert(name).first->c_str();
}

} // namespace

namespace platform {

void setComponentClass(QObject* component, const char* className)
{
    component->setProperty(ClassProperty, QString::fromLatin1(className));
}

const char* componentClass(const QObject* component)
{
    const QVariant value = component->property(ClassProperty);
    if (!value.isValid())
        return "";
    return interned(value.toString().toStdString());
}

} // namespace platform
