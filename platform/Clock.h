#pragma once

#include <QDateTime>
#include <functional>

// The time of day as the programs see it; tests set it.
namespace platform {

QDateTime now();
void setNowForTests(std::function<QDateTime()> source); // empty function: the real clock

} // namespace platform
