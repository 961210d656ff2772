#pragma once

class QObject;

// Components keep the class name their window was designed with ("TPanel", "TLabel",
// "TSpeedButton", ...) so that language files can find the texts of each kind.
namespace platform {

void setComponentClass(QObject* component, const char* className);
const char* componentClass(const QObject* component);

} // namespace platform
